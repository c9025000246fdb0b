#pragma once
// The dialog set on screen: the document (cForms and its run values), one child window per
// dialog in the main window's workspace (opening, activation, the removal questions), and the
// history of its changes (DialogHistory). Every change of the set that the shell makes goes
// through the named operations here, and each becomes one undo step; the history's clean state
// is the set's unmodified state.

#include "app/dialog_history.h"
#include "classdef/import_into_set.h"
#include "model/content_change.h"
#include "model/dialog_set.h"
#include "persist/file_identity.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QUndoStack>

#include <cstdint>
#include <map>
#include <optional>

class QMdiArea;

namespace kovrin {

class DialogSubWindow;
class SurfaceHost;
class SurfaceView;
class UserPrompts;

// A dialog taken out of the set with where it stood, so that undo can put it back.
struct RemovedDialog
{
    std::size_t index = 0;
    Dialog dialog;
    QPoint windowPos;
};

class DialogWorkspace : public QObject
{
    Q_OBJECT
public:
    static constexpr int kUndoLimit = DialogHistory::kUndoLimit;

    DialogWorkspace(SurfaceHost &host, UserPrompts &prompts, QMdiArea &area,
                    QObject *parent = nullptr);
    ~DialogWorkspace() override;

    DialogSet &set() { return m_set; }
    const DialogSet &set() const { return m_set; }
    // Every file the imports of this session read: no save may write over one of them.
    FilesRead &filesRead() { return m_filesRead; }
    const FilesRead &filesRead() const { return m_filesRead; }

    // --- where the dialogs are ---------------------------------------------------------------
    // The current dialog: the surface of the active child window; none when there is none.
    SurfaceView *currentView() const;
    // The dialog's position in the set, none for a surface that is no longer in it.
    std::optional<std::size_t> indexOf(const SurfaceView &view) const;
    // Every surface, in set order.
    QList<SurfaceView *> views() const;
    DialogSubWindow *windowOf(std::int16_t frmIndex) const;
    // A dialog window's outer size in twips, measured once on a real child window frame.
    SurfaceSize surfaceOuterSize();

    // --- changes -----------------------------------------------------------------------------
    // Insert new dialog; refused with a message at the counter limit.
    void insertDialog();
    // Imported dialogs join the set as inserted ones, windows shown, in one undo step; refused
    // whole when a counter would pass its limit.
    SetAddition addImportedDialogs(const std::vector<ImportedDialog> &dialogs);
    void renameDialog(std::int16_t frmIndex, const QString &name);
    void setGridSize(std::int16_t frmIndex, float gridSize);
    // The form new controls of the dialog take; one undo step, none when it already has it.
    void setLayout(std::int16_t frmIndex, DialogLayout layout);
    void setDialogProperties(std::int16_t frmIndex, const OtherProperties &others);
    // The monitor the surfaces stand for: safe-zone fields and expressions take its values and
    // every surface that shows the safe zone follows. Not an undo step.
    void setReferenceScreen(const ReferenceScreen &screen);
    // Remove current dialog: its window closes through the two questions.
    void removeCurrentDialog();
    // A surface (or the property editor on it) changed its dialog: one undo step of that name,
    // none when nothing changed.
    // With a run (0 or more), it joins the step before it when that one is of the same run and
    // still the latest.
    void recordSurfaceChange(const SurfaceView &view, const QString &stepName, int run = -1);
    // Discard all: every window closes without a question, the counters start again and the
    // history is cleared.
    void discardAll();
    // A set read from a file takes the place of the one on screen, with a fresh history.
    void replaceSet(DialogSet loaded);
    // The main window is closing: every window closes without a question.
    void closeForShutdown();
    // The set now stands in this file (after Save or Save As).
    void markSaved(const std::filesystem::path &path);
    // The set on screen differs from its file although no step made it so (recovered work).
    void markModified();

    // --- history -----------------------------------------------------------------------------
    QUndoStack &history() { return m_history.stack(); }
    // Changed since the last Save, Save As, Load or New.
    bool isModified() const { return !m_history.stack().isClean(); }

    // What undo and redo call; they record nothing.
    using Direction = DialogHistory::Direction;
    void putContent(std::int16_t frmIndex, const ContentChange &change, Direction direction);
    std::optional<RemovedDialog> takeDialog(std::int16_t frmIndex);
    void bringBackDialog(const RemovedDialog &removed);
    void putName(std::int16_t frmIndex, const std::string &name);

signals:
    // The modified state or the current file changed.
    void documentStateChanged();
    // A design file was loaded or saved.
    void fileUsed(const QString &path);
    // The picked controls of a surface, or its focused control, changed.
    void selectionChanged();
    // A surface's change was recorded, also one that joined the step before it (a held key).
    // Steps pushed, undone and redone show on the history's indexChanged.
    void contentRecorded();

private:
    void openWindow(std::size_t index, QPoint position = {});
    bool mayClose();
    void dialogClosed(const DialogSubWindow &window);
    void recordContentStep(std::int16_t frmIndex, const QString &stepName, int run = -1);
    void forgetHistory();
    bool recording() const { return !m_set.CloseScratch && !m_shuttingDown && !m_replaying; }

    SurfaceHost &m_host;
    UserPrompts &m_prompts;
    QMdiArea &m_area;
    DialogSet m_set;
    FilesRead m_filesRead;
    bool m_shuttingDown = false;
    bool m_replaying = false; // undo or redo is taking a dialog away: no question, no step
    std::optional<SurfaceSize> m_outerSize;
    DialogHistory m_history;
};

} // namespace kovrin
