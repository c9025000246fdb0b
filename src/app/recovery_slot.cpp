#include "app/recovery_slot.h"

#include "app/file_commands.h"
#include "app/fs_path.h"
#include "model/message_text.h"
#include "persist/file_io.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>
#include <filesystem>

namespace kovrin {
namespace {

const auto kDesignSuffix = QStringLiteral(".kvx");
const auto kSourceSuffix = QStringLiteral(".source");
const auto kMarkerSuffix = QStringLiteral(".lock");

bool moveOver(const QString &from, const QString &to)
{
    QFile::remove(to);
    return !QFileInfo::exists(from) || QFile::rename(from, to);
}

// A left file is used only when it is what this program writes there; anything else is renamed
// without being opened (removed when even that fails) and reported.
void setAsideUnusable(const QString &path, std::size_t maxBytes, QStringList &setAside)
{
    const Status usable = checkOwnFile(toFsPath(path), maxBytes);
    if (usable)
        return;
    const QString aside = path + QStringLiteral(".aside");
    std::error_code ec;
    std::filesystem::rename(toFsPath(path), toFsPath(aside), ec);
    const QString where = ec ? QStringLiteral("It was deleted.")
                             : QStringLiteral("It was moved aside to %1.")
                                   .arg(QString::fromStdString(quotedPath(toFsPath(aside))));
    if (ec)
        std::filesystem::remove(toFsPath(path), ec);
    setAside << QStringLiteral("A file of autosaved work cannot be used and is not offered "
                               "again:\r\n%1\r\n%2")
                    .arg(QString::fromStdString(usable.message), where);
}

} // namespace

QString RecoverySlot::folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
        + QStringLiteral("/recovery");
}

RecoverySlot RecoverySlot::fresh()
{
    // The process number tells a person whose file it is; the random part keeps two runs that
    // were given the same number apart.
    return RecoverySlot(folder(),
                        QStringLiteral("%1-%2")
                            .arg(QCoreApplication::applicationPid())
                            .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
}

RecoverySlot::RecoverySlot(QString folder, QString id)
    : m_folder(std::move(folder))
    , m_id(std::move(id))
{
}

QString RecoverySlot::designPath() const
{
    return m_folder + QLatin1Char('/') + m_id + kDesignSuffix;
}

QString RecoverySlot::sourcePath() const
{
    return m_folder + QLatin1Char('/') + m_id + kSourceSuffix;
}

QString RecoverySlot::markerPath() const
{
    return m_folder + QLatin1Char('/') + m_id + kMarkerSuffix;
}

std::unique_ptr<QLockFile> RecoverySlot::takeMarker() const
{
    if (!QDir().mkpath(m_folder))
        return nullptr;
    auto marker = std::make_unique<QLockFile>(markerPath());
    // A marker is stale only when its process is gone, however long that process has run.
    marker->setStaleLockTime(0);
    if (!marker->tryLock(0))
        return nullptr;
    return marker;
}

Status RecoverySlot::write(const std::string &bytes, const std::string &belongsTo) const
{
    if (!QDir().mkpath(m_folder))
        return Status::failure("The folder \"" + QDir::toNativeSeparators(m_folder).toStdString()
                               + "\" cannot be made.");
    const Status source = writeFileAtomically(toFsPath(sourcePath()), belongsTo);
    if (!source)
        return source;
    return writeFileAtomically(toFsPath(designPath()), bytes);
}

void RecoverySlot::remove() const
{
    QFile::remove(designPath());
    QFile::remove(sourcePath());
}

bool RecoverySlot::takeOver(const RecoverySlot &other) const
{
    return moveOver(other.sourcePath(), sourcePath()) && moveOver(other.designPath(), designPath());
}

QString RecoverySlot::belongsTo() const
{
    const Result<std::string> text = readWholeFile(toFsPath(sourcePath()), kMaxSourceNoteBytes);
    return text ? QString::fromStdString(*text) : QString();
}

QDateTime RecoverySlot::savedAt() const
{
    return QFileInfo(designPath()).lastModified();
}

std::vector<LeftRecovery> takeLeftRecoveries(const QString &ownId, QStringList &setAside)
{
    const QDir folder(RecoverySlot::folder());
    const QString path = folder.path();
    QSet<QString> ids;
    for (const QFileInfo &entry : folder.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        const QString name = entry.fileName();
        for (const QString &suffix : {kDesignSuffix, kSourceSuffix, kMarkerSuffix}) {
            if (name.endsWith(suffix) && name.size() > suffix.size())
                ids.insert(name.chopped(suffix.size()));
        }
    }
    ids.remove(ownId);

    std::vector<LeftRecovery> left;
    for (const QString &id : std::as_const(ids)) {
        RecoverySlot slot(path, id);
        std::unique_ptr<QLockFile> marker = slot.takeMarker();
        if (!marker)
            continue; // its instance still runs
        setAsideUnusable(slot.designPath(), kMaxDesignFileBytes, setAside);
        setAsideUnusable(slot.sourcePath(), kMaxSourceNoteBytes, setAside);
        if (QFileInfo(slot.designPath()).isFile())
            left.push_back({std::move(slot), std::move(marker)});
        else
            slot.remove(); // the marker goes with the lock
    }
    std::sort(left.begin(), left.end(), [](const LeftRecovery &a, const LeftRecovery &b) {
        return a.slot.savedAt() > b.slot.savedAt();
    });
    return left;
}

} // namespace kovrin
