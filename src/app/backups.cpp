#include "app/backups.h"

#include "app/file_commands.h"
#include "app/fs_path.h"
#include "persist/backup_names.h"
#include "persist/file_io.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <string>
#include <vector>

namespace kovrin {
namespace {

BackupTime backupTime(const QDateTime &local)
{
    const QDate date = local.date();
    const QTime time = local.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

std::vector<std::string> namesIn(const QDir &folder)
{
    std::vector<std::string> names;
    for (const QString &name : folder.entryList({QStringLiteral("*.kvx")}, QDir::Files))
        names.push_back(name.toStdString());
    return names;
}

QString fromUtf8(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace

QString backupFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
        + QStringLiteral("/backups");
}

Status keepReplacedVersion(const QString &designPath)
{
    const QFileInfo design(designPath);
    if (!design.exists())
        return Status::success();
    const Result<std::string> replaced
        = readWholeFile(toFsPath(design.absoluteFilePath()), kMaxDesignFileBytes);
    if (!replaced)
        return Status::failure(replaced.message);

    const QDir folder(backupFolder());
    if (!QDir().mkpath(folder.path()))
        return Status::failure("The folder \""
                               + QDir::toNativeSeparators(folder.path()).toStdString()
                               + "\" cannot be made.");
    const std::string stem = backupStem(design.fileName().toStdString());
    std::vector<std::string> names = namesIn(folder);
    const std::vector<std::string> earlier = backupsOf(stem, names);
    if (!earlier.empty()) {
        const Result<std::string> newest = readWholeFile(
            toFsPath(folder.filePath(fromUtf8(earlier.back()))), kMaxDesignFileBytes);
        if (newest && *newest == *replaced)
            return Status::success();
    }

    const std::string name = backupName(stem, backupTime(QDateTime::currentDateTime()), names);
    const Status written
        = writeFileAtomically(toFsPath(folder.filePath(fromUtf8(name))), *replaced);
    if (!written)
        return written;
    names.push_back(name);
    for (const std::string &old : backupsToRemove(stem, names))
        QFile::remove(folder.filePath(fromUtf8(old)));
    return Status::success();
}

} // namespace kovrin
