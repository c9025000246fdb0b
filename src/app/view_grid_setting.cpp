#include "app/view_grid_setting.h"
#include "app/settings_store.h"

#include "model/view_grid_text.h"

namespace kovrin {
namespace {

const auto kViewGrid = QStringLiteral("SETTINGS/VIEWGRID");
const auto kSnapWhileDragging = QStringLiteral("SETTINGS/SNAPWHILEDRAGGING");

bool readSwitch(const QString &key, bool byDefault)
{
    const SettingsStore settings;
    const QString stored
        = settings.value(key, byDefault ? QStringLiteral("1") : QStringLiteral("0")).toString();
    return viewGridFromText(stored.toStdString());
}

void writeSwitch(const QString &key, bool on)
{
    SettingsStore settings;
    const std::string_view text = viewGridText(on);
    settings.setValue(key, QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
    settings.sync();
}

} // namespace

bool readViewGrid()
{
    return readSwitch(kViewGrid, true);
}

void writeViewGrid(bool visible)
{
    writeSwitch(kViewGrid, visible);
}

bool readSnapWhileDragging()
{
    return readSwitch(kSnapWhileDragging, false);
}

void writeSnapWhileDragging(bool on)
{
    writeSwitch(kSnapWhileDragging, on);
}

} // namespace kovrin
