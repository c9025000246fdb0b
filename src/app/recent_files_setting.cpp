#include "app/recent_files_setting.h"

#include <QSettings>
#include <QStringList>

namespace kovrin {
namespace {

const auto kApplication = QStringLiteral("Kovrin");
const auto kKey = QStringLiteral("SETTINGS/RECENTFILES");

} // namespace

std::vector<std::string> readRecentFiles()
{
    const QSettings settings(QSettings::UserScope, kApplication, kApplication);
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
    QSettings settings(QSettings::UserScope, kApplication, kApplication);
    settings.setValue(kKey, list);
    settings.sync();
}

} // namespace kovrin
