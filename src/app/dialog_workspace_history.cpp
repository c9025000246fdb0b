// The workspace's history: recording a surface's change as one step, and what undo and redo do.
#include "app/dialog_workspace.h"

#include "app/dialog_sub_window.h"
#include "app/edit_steps.h"
#include "surface_view/surface_host.h"
#include "surface_view/surface_view.h"

#include <QMdiArea>
#include <QPointer>

namespace kovrin {

void DialogWorkspace::recordSurfaceChange(const SurfaceView &view, const QString &stepName, int run)
{
    recordContentStep(view.frmIndex(), stepName.isEmpty() ? QStringLiteral("Change") : stepName,
                      run);
}

ContentStep *DialogWorkspace::joinableStep(std::int16_t frmIndex, int run)
{
    const int count = m_history.count();
    // Not after an undo, and not across a save: the saved state must stay a step of its own.
    if (run < 0 || count == 0 || m_history.index() != count || m_history.cleanIndex() == count)
        return nullptr;
    auto *last
        = dynamic_cast<ContentStep *>(const_cast<QUndoCommand *>(m_history.command(count - 1)));
    return last && last->frmIndex() == frmIndex && last->run() == run ? last : nullptr;
}

void DialogWorkspace::recordContentStep(std::int16_t frmIndex, const QString &stepName, int run)
{
    const auto index = m_set.indexOfFrmIndex(frmIndex);
    const auto kept = m_kept.find(frmIndex);
    if (!index || kept == m_kept.end())
        return;
    ContentChange change = changeBetween(kept->second, m_set.dialog(*index));
    if (change.empty())
        return;
    if (ContentStep *last = joinableStep(frmIndex, run)) {
        DialogContent before = kept->second;
        undoChange(before, last->change());
        redoChange(kept->second, change);
        last->replaceChange(changeBetween(before, m_set.dialog(*index)));
        return;
    }
    redoChange(kept->second, change);
    // Kept, so the next step starts from what stands, but no step of its own: the user would see
    // a change mark for nothing they can see or save.
    if (change.belowATwip())
        return;
    m_history.push(new ContentStep(*this, frmIndex, std::move(change), stepName, run));
}

void DialogWorkspace::forgetHistory()
{
    m_history.clear(); // and clean again
    emit documentStateChanged();
}

void DialogWorkspace::putContent(std::int16_t frmIndex, const ContentChange &change,
                                 Direction direction)
{
    const auto index = m_set.indexOfFrmIndex(frmIndex);
    const auto kept = m_kept.find(frmIndex);
    if (!index || kept == m_kept.end())
        return;
    if (direction == Direction::Back)
        undoChange(kept->second, change);
    else
        redoChange(kept->second, change);
    const float gridBefore = m_set.dialog(*index).GridSize;
    m_set.restoreContent(*index, kept->second);

    DialogSubWindow *window = windowOf(frmIndex);
    if (!window)
        return;
    SurfaceView *view = window->view();
    if (m_set.dialog(*index).GridSize != gridBefore && m_host.gridVisible()) {
        view->removeGrid();
        view->buildGrid();
    }
    view->contentRestored();
    // Show where the step was undone or redone.
    m_area.setActiveSubWindow(window);
}

std::optional<RemovedDialog> DialogWorkspace::takeDialog(std::int16_t frmIndex)
{
    const auto index = m_set.indexOfFrmIndex(frmIndex);
    if (!index)
        return std::nullopt;
    RemovedDialog removed {*index, m_set.dialog(*index), QPoint()};
    QPointer<DialogSubWindow> window = windowOf(frmIndex);
    if (window) {
        removed.windowPos = window->pos();
        m_replaying = true;
        window->close(); // takes the dialog out of the set
        m_replaying = false;
        // Redo may bring the same number back at once: the closed window must not linger.
        delete window.data();
    }
    m_set.removeDialog(frmIndex);
    m_kept.erase(frmIndex);
    return removed;
}

void DialogWorkspace::bringBackDialog(const RemovedDialog &removed)
{
    if (m_set.indexOfFrmIndex(removed.dialog.FrmIndex))
        return;
    const std::size_t index = std::min(removed.index, m_set.count());
    m_set.restoreDialog(index, removed.dialog);
    openWindow(index, removed.windowPos);
    // The lines it had when it went may no longer match the grid switch.
    if (DialogSubWindow *window = windowOf(removed.dialog.FrmIndex)) {
        window->view()->removeGrid();
        if (m_host.gridVisible())
            window->view()->buildGrid();
    }
}

void DialogWorkspace::putName(std::int16_t frmIndex, const std::string &name)
{
    const auto index = m_set.indexOfFrmIndex(frmIndex);
    if (!index)
        return;
    m_set.renameDialog(*index, name);
    if (DialogSubWindow *window = windowOf(frmIndex)) {
        window->showName(name);
        m_area.setActiveSubWindow(window);
    }
}

} // namespace kovrin
