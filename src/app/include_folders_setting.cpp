#include "app/include_folders_setting.h"

#include "app/fs_path.h"

#include <QSettings>

namespace kovrin {
namespace {

const auto kApplication = QStringLiteral("Kovrin");
const auto kIncludeFolders = QStringLiteral("SETTINGS/INCLUDEFOLDERS");

} // namespace

QStringList readIncludeFolders()
{
    const QSettings settings(QSettings::UserScope, kApplication, kApplication);
    return settings.value(kIncludeFolders).toStringList();
}

void writeIncludeFolders(const QStringList &folders)
{
    QSettings settings(QSettings::UserScope, kApplication, kApplication);
    settings.setValue(kIncludeFolders, folders);
    settings.sync();
}

IncludeFolders includeFolders()
{
    IncludeFolders folders;
    for (const QString &folder : readIncludeFolders())
        folders.folders.push_back(toFsPath(folder));
    folders.howToAdd = "in File > Include Folders for Import...";
    return folders;
}

} // namespace kovrin
