#pragma once
// The undo steps of the dialog set. Each is recorded once its change has been made, so the
// stack's first redo has nothing to do; later undo and redo go through the workspace's restoring
// operations, which record nothing themselves.

#include "app/dialog_workspace.h"
#include "model/content_change.h"

#include <QUndoCommand>

#include <cstdint>
#include <optional>
#include <string>

namespace kovrin {

class MadeStep : public QUndoCommand
{
public:
    explicit MadeStep(const QString &name)
        : QUndoCommand(name)
    {
    }
    void redo() final;

protected:
    virtual void redoStep() = 0;

private:
    bool m_made = true;
};

// A gesture on a surface, the property editor or the grid step of one dialog.
class ContentStep : public MadeStep
{
public:
    // run: steps of the same run (a held arrow key) join into one; -1 for a step of its own.
    ContentStep(DialogWorkspace &workspace, std::int16_t frmIndex, ContentChange change,
                const QString &name, int run = -1);
    void undo() override;

    std::int16_t frmIndex() const { return m_frmIndex; }
    int run() const { return m_run; }
    const ContentChange &change() const { return m_change; }
    // The step now covers its run so far.
    void replaceChange(ContentChange change) { m_change = std::move(change); }

protected:
    void redoStep() override;

private:
    DialogWorkspace &m_workspace;
    std::int16_t m_frmIndex;
    ContentChange m_change;
    int m_run;
};

class InsertDialogStep : public MadeStep
{
public:
    InsertDialogStep(DialogWorkspace &workspace, std::int16_t frmIndex);
    void undo() override;

protected:
    void redoStep() override;

private:
    DialogWorkspace &m_workspace;
    std::int16_t m_frmIndex;
    std::optional<RemovedDialog> m_removed; // while undone
};

class RemoveDialogStep : public MadeStep
{
public:
    RemoveDialogStep(DialogWorkspace &workspace, RemovedDialog removed);
    void undo() override;

protected:
    void redoStep() override;

private:
    DialogWorkspace &m_workspace;
    std::int16_t m_frmIndex;
    RemovedDialog m_removed;
};

class RenameDialogStep : public MadeStep
{
public:
    RenameDialogStep(DialogWorkspace &workspace, std::int16_t frmIndex, std::string before,
                     std::string after);
    void undo() override;

protected:
    void redoStep() override;

private:
    DialogWorkspace &m_workspace;
    std::int16_t m_frmIndex;
    std::string m_before;
    std::string m_after;
};

} // namespace kovrin
