#include "app/file_dialog_folders.h"
#include "app/settings_store.h"

#include "model/start_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kovrin {
namespace {

const auto kKey = QStringLiteral("SETTINGS/LASTFOLDER");

bool isFolder(const QString &path)
{
    return QFileInfo(path).isDir();
}

} // namespace

QString fileDialogFolder()
{
    const SettingsStore settings;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QString::fromStdString(startFolder(
        settings.value(kKey).toString().toStdString(), documents.toStdString(),
        QDir::homePath().toStdString(),
        [](const std::string &path) { return isFolder(QString::fromStdString(path)); }));
}

void rememberFileDialogFolder(const QString &chosenFile)
{
    if (chosenFile.isEmpty())
        return;
    SettingsStore settings;
    settings.setValue(kKey, QFileInfo(chosenFile).absolutePath());
    settings.sync();
}

QStringList exampleFolders()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    return {programFolder.absoluteFilePath(QStringLiteral("examples")),
            QDir::cleanPath(
                programFolder.absoluteFilePath(QStringLiteral("../share/kovrin/examples")))};
}

QString findExamplesFolder(const QStringList &folders)
{
    for (const QString &folder : folders) {
        if (isFolder(folder))
            return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    }
    return {};
}

} // namespace kovrin
