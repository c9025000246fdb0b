// The workspace's side of the history: a surface's change handed on as one step, and what undo
// and redo do to the set and its windows.
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

void DialogWorkspace::recordContentStep(std::int16_t frmIndex, const QString &stepName, int run)
{
    if (const auto index = m_set.indexOfFrmIndex(frmIndex)) {
        // A change of layout or forms may have turned the surface to or from the safe zone: its
        // controls are laid out again in the same step.
        if (m_set.followSurfaceFrame(*index, surfaceOuterSize())) {
            if (DialogSubWindow *window = windowOf(frmIndex))
                window->view()->refresh();
        }
        m_history.recordContent(frmIndex, m_set.dialog(*index), stepName, run);
        emit contentRecorded();
    }
}

void DialogWorkspace::forgetHistory()
{
    m_history.clear();
    emit documentStateChanged();
}

void DialogWorkspace::putContent(std::int16_t frmIndex, const ContentChange &change,
                                 Direction direction)
{
    const auto index = m_set.indexOfFrmIndex(frmIndex);
    const DialogContent *content = index ? m_history.replay(frmIndex, change, direction) : nullptr;
    if (!content)
        return;
    const float gridBefore = m_set.dialog(*index).GridSize;
    m_set.restoreContent(*index, *content);
    // Kept on another reference screen, or before the dialog's surface turned.
    m_set.followSurfaceFrame(*index, surfaceOuterSize());

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
    m_history.forget(frmIndex);
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
