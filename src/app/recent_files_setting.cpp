#include "app/recent_files_setting.h"
#include "app/settings_store.h"

#include <QStringList>

namespace kovrin {
namespace {

const auto kKey = QStringLiteral("SETTINGS/RECENTFILES");

} // namespace

std::vector<std::string> readRecentFiles()
{
    const SettingsStore settings;
    std::vector<std::string> paths;
    for (const QString &path : settings.value(kKey).toStringList())
        paths.push_back(path.toStdString());
    return paths;
}

void writeRecentFiles(const std::vector<std::string> &paths)
{
    QStringList list;
    for (const std::string &path : paths)
        list << QString::fromStdString(path);
    SettingsStore settings;
    settings.setValue(kKey, list);
    settings.sync();
}

} // namespace kovrin
