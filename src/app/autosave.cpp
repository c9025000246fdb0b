#include "app/autosave.h"

#include "app/dialog_workspace.h"
#include "app/fs_path.h"
#include "app/settings_store.h"
#include "model/autosave_interval.h"
#include "persist/design_writer.h"
#include "persist/file_identity.h"

#include <QLocale>
#include <QLockFile>
#include <QTime>
#include <QUndoStack>

namespace kovrin {
namespace {

const auto kKey = QStringLiteral("SETTINGS/AUTOSAVESECONDS");

} // namespace

Autosave::Autosave(DialogWorkspace &workspace, Note note, QObject *parent)
    : QObject(parent)
    , m_workspace(workspace)
    , m_note(std::move(note))
    , m_slot(RecoverySlot::fresh())
{
    m_worker.setMaxThreadCount(1);
    m_timer.setSingleShot(true);
    m_timer.setInterval(intervalFromSettings());
    connect(&m_timer, &QTimer::timeout, this, &Autosave::timeUp);
    connect(&workspace.history(), &QUndoStack::indexChanged, this, &Autosave::changed);
    connect(&workspace, &DialogWorkspace::documentStateChanged, this, &Autosave::stateChanged);
}

Autosave::~Autosave()
{
    m_worker.waitForDone();
}

std::chrono::seconds Autosave::intervalFromSettings()
{
    const SettingsStore settings;
    const QString stored = settings.value(kKey).toString();
    return std::chrono::seconds(autosaveSecondsFromText(stored.toStdString()));
}

std::chrono::milliseconds Autosave::interval() const
{
    return m_timer.intervalAsDuration();
}

void Autosave::setInterval(std::chrono::milliseconds interval)
{
    m_timer.setInterval(interval);
}

void Autosave::changed()
{
    if (!m_workspace.isModified())
        return;
    m_pending = true;
    if (!m_timer.isActive())
        m_timer.start();
}

void Autosave::stateChanged()
{
    if (m_workspace.isModified()) {
        changed();
        return;
    }
    m_timer.stop();
    m_pending = false;
    removeRecoveryFile();
}

void Autosave::timeUp()
{
    if (m_pending)
        saveNow();
}

void Autosave::saveNow()
{
    if (!m_workspace.isModified())
        return;
    m_pending = false;
    if (!holdMarker()) {
        written(Status::failure("the recovery folder \"" + RecoverySlot::folder().toStdString()
                                + "\" cannot be used"));
        return;
    }
    // The recovery file is never the design file or a file an import read.
    FilesRead kept = m_workspace.filesRead();
    kept.add(m_workspace.set().CurrentFile);
    if (const Status apart = outputIsNotRead(kept, toFsPath(m_slot.designPath())); !apart) {
        written(apart);
        return;
    }
    // Only the bytes are made here; the disk is the worker's.
    std::string bytes = designBytes(m_workspace.set()).bytes;
    std::string belongsTo = fromFsPath(m_workspace.set().CurrentFile).toStdString();
    m_worker.start(
        [this, slot = m_slot, bytes = std::move(bytes), belongsTo = std::move(belongsTo)] {
            const Status status = slot.write(bytes, belongsTo);
            QMetaObject::invokeMethod(
                this, [this, status] { written(status); }, Qt::QueuedConnection);
        });
}

void Autosave::written(const Status &status)
{
    if (!m_note)
        return;
    if (status)
        m_note(QStringLiteral("Work autosaved at %1.")
                   .arg(QLocale().toString(QTime::currentTime(), QLocale::ShortFormat)));
    else
        m_note(QStringLiteral("Autosave failed: %1").arg(QString::fromStdString(status.message)));
}

void Autosave::waitForWrites()
{
    m_worker.waitForDone();
}

bool Autosave::holdMarker()
{
    if (!m_marker)
        m_marker = m_slot.takeMarker();
    return m_marker != nullptr;
}

bool Autosave::takeOver(const RecoverySlot &left)
{
    waitForWrites();
    return holdMarker() && m_slot.takeOver(left);
}

void Autosave::removeRecoveryFile()
{
    if (!m_marker)
        return; // nothing was ever written
    m_worker.start([slot = m_slot] { slot.remove(); });
}

void Autosave::endCleanly()
{
    m_timer.stop();
    m_pending = false;
    removeRecoveryFile();
    waitForWrites();
    m_marker.reset(); // the marker goes with the lock
}

} // namespace kovrin
