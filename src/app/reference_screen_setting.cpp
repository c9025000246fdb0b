#include "app/reference_screen_setting.h"

#include "app/settings_store.h"

namespace kovrin {
namespace {

const auto kReferenceScreen = QStringLiteral("SETTINGS/REFERENCESCREEN");

} // namespace

ReferenceScreen readReferenceScreen()
{
    const SettingsStore settings;
    return referenceScreenFromText(settings.value(kReferenceScreen).toString().toStdString());
}

void writeReferenceScreen(const ReferenceScreen &screen)
{
    SettingsStore settings;
    settings.setValue(kReferenceScreen, QString::fromStdString(referenceScreenText(screen)));
    settings.sync();
}

} // namespace kovrin
