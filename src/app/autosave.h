#pragma once
// Autosave: while the set is changed, it is written as Save would write it to this instance's
// recovery file, at most once an interval (the setting "SETTINGS/AUTOSAVESECONDS"). The bytes
// are made on the user-interface thread and written on a worker, so a drag is never held up; a
// note in the status bar says when. Once the set is no longer changed (Save, Save As, Load, New,
// undo back to the saved state) or the program ends cleanly, the recovery file goes.

#include "app/recovery_slot.h"

#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>

class QLockFile;

namespace kovrin {

class DialogWorkspace;

class Autosave : public QObject
{
    Q_OBJECT
public:
    using Note = std::function<void(const QString &)>;

    Autosave(DialogWorkspace &workspace, Note note, QObject *parent = nullptr);
    // Writes still in flight are finished; the recovery file stays, so work that was not settled
    // can be recovered.
    ~Autosave() override;

    // The interval as the setting gives it; tests shorten it.
    static std::chrono::seconds intervalFromSettings();
    std::chrono::milliseconds interval() const;
    void setInterval(std::chrono::milliseconds interval);

    const RecoverySlot &slot() const { return m_slot; }

    // Writes the set now when it is changed, whatever the interval.
    void saveNow();
    // Returns once every write and removal handed to the worker is done.
    void waitForWrites();
    // Recovered work: what another run left becomes this instance's recovery file.
    bool takeOver(const RecoverySlot &left);
    // The program ends with the work saved or discarded: nothing is left to recover.
    void endCleanly();

private:
    void changed();
    void stateChanged();
    void timeUp();
    bool holdMarker();
    void removeRecoveryFile();
    void written(const Status &status);

    DialogWorkspace &m_workspace;
    Note m_note;
    QTimer m_timer;
    QThreadPool m_worker; // one thread: writes and removals happen in the order given
    RecoverySlot m_slot;
    std::unique_ptr<QLockFile> m_marker;
    bool m_pending = false; // changes since the last autosave
};

} // namespace kovrin
