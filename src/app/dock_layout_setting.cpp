#include "app/dock_layout_setting.h"

#include "app/settings_store.h"

namespace kovrin {
namespace {

const auto kDockLayout = QStringLiteral("WINDOW/DOCKS");

} // namespace

QByteArray readDockLayout()
{
    return SettingsStore().value(kDockLayout).toByteArray();
}

void writeDockLayout(const QByteArray &state)
{
    SettingsStore settings;
    settings.setValue(kDockLayout, state);
    settings.sync();
}

} // namespace kovrin
