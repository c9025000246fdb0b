#include "app/include_folders_setting.h"

#include "app/fs_path.h"
#include "app/settings_store.h"

namespace kovrin {
namespace {

const auto kIncludeFolders = QStringLiteral("SETTINGS/INCLUDEFOLDERS");

} // namespace

QStringList readIncludeFolders()
{
    const SettingsStore settings;
    return settings.value(kIncludeFolders).toStringList();
}

void writeIncludeFolders(const QStringList &folders)
{
    SettingsStore settings;
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
