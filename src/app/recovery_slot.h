#pragma once
// Where one running instance keeps its autosaved work, in the recovery folder of the user's data
// location: ID.kvx holds the set as Save would write it, ID.source the design file it belongs to
// (UTF-8, empty when it was never saved), and ID.lock marks the instance while it runs. A
// recovery file whose marker nobody holds was left by a run that did not end cleanly.

#include "model/status.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <memory>
#include <string>
#include <vector>

class QLockFile;

namespace kovrin {

class RecoverySlot
{
public:
    static QString folder();
    // A slot of its own for the instance that runs now.
    static RecoverySlot fresh();

    // The folder is named once, on the user-interface thread; a copy of the slot may then be
    // written from a worker.
    RecoverySlot(QString folder, QString id);

    const QString &id() const { return m_id; }
    QString designPath() const;
    QString sourcePath() const;
    QString markerPath() const;

    // Takes the marker; none when another running instance holds it.
    std::unique_ptr<QLockFile> takeMarker() const;

    // Safe on a worker thread: the design file it belongs to first, then the set.
    Status write(const std::string &bytes, const std::string &belongsTo) const;
    void remove() const;
    // What another slot holds becomes this one's; false when it could not be moved.
    bool takeOver(const RecoverySlot &other) const;

    // The design file the work belongs to, empty for none.
    QString belongsTo() const;
    QDateTime savedAt() const;

private:
    QString m_folder;
    QString m_id;
};

// A recovery file nobody runs for, with its marker now held so no other instance takes it too.
struct LeftRecovery
{
    RecoverySlot slot;
    std::unique_ptr<QLockFile> marker;
};

// Every recovery file left by a run that did not end cleanly, newest first, except ownId's.
// Markers and belongs-to notes left without their recovery file are cleared on the way. A left
// file that is no regular file within its size limit (a link, a pipe, noise) is never opened: it
// is moved aside to NAME.aside, which no scan takes, and a message saying so is added to setAside.
std::vector<LeftRecovery> takeLeftRecoveries(const QString &ownId, QStringList &setAside);

} // namespace kovrin
