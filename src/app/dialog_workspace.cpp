#include "app/dialog_workspace.h"

#include "app/dialog_sub_window.h"
#include "app/edit_steps.h"
#include "app/fs_path.h"
#include "surface_view/surface_view.h"
#include "surface_view/user_prompts.h"

#include <QMdiArea>
#include <QPointer>
#include <algorithm>

namespace kovrin {

DialogWorkspace::DialogWorkspace(SurfaceHost &host, UserPrompts &prompts, QMdiArea &area,
                                 QObject *parent)
    : QObject(parent)
    , m_host(host)
    , m_prompts(prompts)
    , m_area(area)
    , m_history(*this)
{
    connect(&m_history.stack(), &QUndoStack::cleanChanged, this,
            &DialogWorkspace::documentStateChanged);
}

DialogWorkspace::~DialogWorkspace()
{
    // The history clears itself on the way out; nobody is left to hear of it.
    m_history.stack().blockSignals(true);
}

SurfaceView *DialogWorkspace::currentView() const
{
    // The current sub-window stays current while a floating window such as the toolbox has the
    // focus, which the active one does not.
    auto *window = qobject_cast<DialogSubWindow *>(m_area.currentSubWindow());
    return window ? window->view() : nullptr;
}

std::optional<std::size_t> DialogWorkspace::indexOf(const SurfaceView &view) const
{
    return m_set.indexOfFrmIndex(view.frmIndex());
}

QList<SurfaceView *> DialogWorkspace::views() const
{
    QList<SurfaceView *> out;
    for (const Dialog &dialog : m_set.cForms()) {
        if (DialogSubWindow *window = windowOf(dialog.FrmIndex))
            out << window->view();
    }
    return out;
}

DialogSubWindow *DialogWorkspace::windowOf(std::int16_t frmIndex) const
{
    for (QMdiSubWindow *window : m_area.subWindowList()) {
        auto *dialogWindow = qobject_cast<DialogSubWindow *>(window);
        if (dialogWindow && dialogWindow->frmIndex() == frmIndex)
            return dialogWindow;
    }
    return nullptr;
}

SurfaceSize DialogWorkspace::surfaceOuterSize()
{
    if (!m_outerSize) {
        // The frame and title bar belong to the style: measure them on a hidden child window
        // with a client of the dialog's size.
        auto *probe = new QMdiSubWindow;
        auto *client = new QWidget;
        client->setFixedSize(SurfaceView::kClientWidthPx, SurfaceView::kClientHeightPx);
        probe->setWidget(client);
        DialogSubWindow::setUpFixedFrame(*probe);
        m_area.addSubWindow(probe);
        probe->adjustSize();
        const QSize outer = probe->size();
        m_area.removeSubWindow(probe);
        delete probe;
        m_outerSize = SurfaceSize {outer.width() * kTwipsPerPixel, outer.height() * kTwipsPerPixel};
    }
    return *m_outerSize;
}

void DialogWorkspace::insertDialog()
{
    const auto inserted = m_set.insertDialog();
    if (!inserted) {
        m_prompts.message(QStringLiteral("WARNING"), QString::fromStdString(inserted.message),
                          UserPrompts::Icon::Warning);
        return;
    }
    openWindow(*inserted);
    m_history.stack().push(new InsertDialogStep(*this, m_set.dialog(*inserted).FrmIndex));
}

void DialogWorkspace::renameDialog(std::int16_t frmIndex, const QString &name)
{
    const auto index = m_set.indexOfFrmIndex(frmIndex);
    if (!index)
        return;
    std::string before = m_set.dialog(*index).Tag;
    std::string after = name.toStdString();
    if (after == before)
        return;
    putName(frmIndex, after);
    m_history.stack().push(
        new RenameDialogStep(*this, frmIndex, std::move(before), std::move(after)));
}

void DialogWorkspace::setGridSize(std::int16_t frmIndex, float gridSize)
{
    const auto index = m_set.indexOfFrmIndex(frmIndex);
    if (!index)
        return;
    m_set.setGridSize(*index, gridSize);
    recordContentStep(frmIndex, QStringLiteral("Grid size"));
}

void DialogWorkspace::setLayout(std::int16_t frmIndex, DialogLayout layout)
{
    const auto index = m_set.indexOfFrmIndex(frmIndex);
    if (!index || m_set.dialog(*index).Layout == layout)
        return;
    m_set.setLayout(*index, layout);
    // The surface may turn to or from the safe zone: its controls move in the same step.
    recordContentStep(frmIndex, QStringLiteral("Dialog layout"));
}

void DialogWorkspace::setDialogProperties(std::int16_t frmIndex, const OtherProperties &others)
{
    const auto index = m_set.indexOfFrmIndex(frmIndex);
    if (!index || m_set.dialog(*index).Others == others)
        return;
    m_set.setDialogProperties(*index, others);
    recordContentStep(frmIndex, QStringLiteral("Dialog properties"));
}

void DialogWorkspace::setReferenceScreen(const ReferenceScreen &screen)
{
    m_set.setReferenceScreen(screen, surfaceOuterSize());
    // Not a step of its own (the forms are unchanged and nothing is left to save): the next step
    // of each dialog starts from where it stands on this screen.
    for (std::size_t i = 0; i < m_set.count(); ++i)
        m_history.keep(m_set.dialog(i).FrmIndex, m_set.content(i));
    for (SurfaceView *view : views())
        view->refresh();
}

void DialogWorkspace::markSaved(const std::filesystem::path &path)
{
    m_set.CurrentFile = path;
    m_history.stack().setClean();
    emit documentStateChanged();
    emit fileUsed(fromFsPath(path));
}

void DialogWorkspace::markModified()
{
    m_history.stack().resetClean(); // reports the change through cleanChanged
}

void DialogWorkspace::removeCurrentDialog()
{
    if (SurfaceView *view = currentView()) {
        if (DialogSubWindow *window = windowOf(view->frmIndex()))
            window->close();
    }
}

void DialogWorkspace::discardAll()
{
    m_set.CloseScratch = true;
    // Closed windows would only be deleted later; their dialog numbers are about to be issued
    // again, so they go now.
    const QList<QMdiSubWindow *> windows = m_area.subWindowList();
    for (QMdiSubWindow *window : windows) {
        QPointer<QMdiSubWindow> guard(window);
        window->close();
        delete guard.data();
    }
    m_set.discardAll();
    forgetHistory();
}

void DialogWorkspace::replaceSet(DialogSet loaded)
{
    discardAll();
    m_set = std::move(loaded);
    for (std::size_t i = 0; i < m_set.count(); ++i)
        openWindow(i);
    forgetHistory();
    if (!m_set.CurrentFile.empty())
        emit fileUsed(fromFsPath(m_set.CurrentFile));
}

void DialogWorkspace::closeForShutdown()
{
    m_shuttingDown = true;
    m_area.closeAllSubWindows();
    forgetHistory();
}

void DialogWorkspace::openWindow(std::size_t index, QPoint position)
{
    const Dialog &dialog = m_set.dialog(index);
    m_history.keep(dialog.FrmIndex, m_set.content(index));
    auto *view = new SurfaceView(m_host, dialog.FrmIndex);
    connect(view, &SurfaceView::selectionChanged, this, &DialogWorkspace::selectionChanged);
    connect(view, &SurfaceView::focusedControlChanged, this, &DialogWorkspace::selectionChanged);
    auto *window = new DialogSubWindow(
        view, [this] { return mayClose(); },
        [this](const DialogSubWindow &closed) { dialogClosed(closed); });
    window->showName(dialog.Tag);
    m_area.addSubWindow(window);
    window->move(position);
    window->show();
    m_area.setActiveSubWindow(window);
}

bool DialogWorkspace::mayClose()
{
    if (!recording())
        return true;
    if (!m_prompts.askYesNo(QStringLiteral("WARNING!"),
                            QStringLiteral("Are you sure you want to erase this dialog and all "
                                           "controls in it?"),
                            UserPrompts::Icon::Warning))
        return false;
    return m_prompts.askYesNo(QStringLiteral("CONFIRM OPERATION"),
                              QStringLiteral("Click YES one more time to erase the dialog. "
                                             "Otherwise, click NO."),
                              UserPrompts::Icon::Warning);
}

void DialogWorkspace::dialogClosed(const DialogSubWindow &window)
{
    const std::int16_t frmIndex = window.frmIndex();
    const auto index = m_set.indexOfFrmIndex(frmIndex);
    if (!index)
        return;
    std::optional<RemovedDialog> removed;
    if (recording())
        removed = RemovedDialog {*index, m_set.dialog(*index), window.pos()};
    m_set.removeDialog(frmIndex);
    m_history.forget(frmIndex);
    if (removed)
        m_history.stack().push(new RemoveDialogStep(*this, std::move(*removed)));
}

} // namespace kovrin
