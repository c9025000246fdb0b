#include "app/dialog_sub_window.h"

#include "surface/surface_view.h"

#include <QCloseEvent>
#include <QLayout>

namespace kovrin {

DialogSubWindow::DialogSubWindow(SurfaceView *view, CloseGuard mayClose, Closed closed)
    : m_view(view)
    , m_mayClose(std::move(mayClose))
    , m_closed(std::move(closed))
{
    setWidget(view);
    setUpFixedFrame(*this);
}

std::int16_t DialogSubWindow::frmIndex() const
{
    return m_view->frmIndex();
}

void DialogSubWindow::showName(const std::string &name)
{
    // "[*]" in a title is Qt's place-holder for the modified mark.
    QString title = QString::fromStdString(name);
    title.replace(QLatin1String("[*]"), QLatin1String("[*][*]"));
    setWindowTitle(title);
}

void DialogSubWindow::setUpFixedFrame(QMdiSubWindow &window)
{
    window.setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window.setAttribute(Qt::WA_DeleteOnClose);
    // A fixed-size client alone does not stop the frame from being dragged larger.
    if (window.layout())
        window.layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void DialogSubWindow::closeEvent(QCloseEvent *event)
{
    if (m_closedOnce) {
        event->accept();
        return;
    }
    if (!m_mayClose()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
    if (!event->isAccepted())
        return;
    m_closedOnce = true;
    m_closed(*this);
}

} // namespace kovrin
