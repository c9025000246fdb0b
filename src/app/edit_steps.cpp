#include "app/edit_steps.h"

namespace kovrin {

void MadeStep::redo()
{
    if (m_made) {
        m_made = false;
        return;
    }
    redoStep();
}

ContentStep::ContentStep(DialogWorkspace &workspace, std::int16_t frmIndex, ContentChange change,
                         const QString &name, int run)
    : MadeStep(name)
    , m_workspace(workspace)
    , m_frmIndex(frmIndex)
    , m_change(std::move(change))
    , m_run(run)
{
}

void ContentStep::undo()
{
    m_workspace.putContent(m_frmIndex, m_change, DialogWorkspace::Direction::Back);
}

void ContentStep::redoStep()
{
    m_workspace.putContent(m_frmIndex, m_change, DialogWorkspace::Direction::Forward);
}

InsertDialogStep::InsertDialogStep(DialogWorkspace &workspace, std::int16_t frmIndex)
    : MadeStep(QStringLiteral("Insert dialog"))
    , m_workspace(workspace)
    , m_frmIndex(frmIndex)
{
}

void InsertDialogStep::undo()
{
    m_removed = m_workspace.takeDialog(m_frmIndex);
}

void InsertDialogStep::redoStep()
{
    if (m_removed)
        m_workspace.bringBackDialog(*m_removed);
    m_removed.reset();
}

RemoveDialogStep::RemoveDialogStep(DialogWorkspace &workspace, RemovedDialog removed)
    : MadeStep(QStringLiteral("Remove dialog"))
    , m_workspace(workspace)
    , m_frmIndex(removed.dialog.FrmIndex)
    , m_removed(std::move(removed))
{
}

void RemoveDialogStep::undo()
{
    m_workspace.bringBackDialog(m_removed);
}

void RemoveDialogStep::redoStep()
{
    if (auto taken = m_workspace.takeDialog(m_frmIndex))
        m_removed = std::move(*taken);
}

RenameDialogStep::RenameDialogStep(DialogWorkspace &workspace, std::int16_t frmIndex,
                                   std::string before, std::string after)
    : MadeStep(QStringLiteral("Rename dialog"))
    , m_workspace(workspace)
    , m_frmIndex(frmIndex)
    , m_before(std::move(before))
    , m_after(std::move(after))
{
}

void RenameDialogStep::undo()
{
    m_workspace.putName(m_frmIndex, m_before);
}

void RenameDialogStep::redoStep()
{
    m_workspace.putName(m_frmIndex, m_after);
}

} // namespace kovrin
