#include "app/dialog_sub_window.h"

#include "surface_view/surface_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionTitleBar>

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

void DialogSubWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange && layout()) {
        // Held at the size of its hidden surface, a minimized window would shrink to a stub too
        // narrow for its title; it takes the title bar's own size and is fixed again when
        // restored.
        if (isMinimized()) {
            layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
            setMinimumSize(0, 0);
            setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        }
        QMdiSubWindow::changeEvent(event);
        if (!isMinimized())
            layout()->setSizeConstraint(QLayout::SetFixedSize);
        return;
    }
    QMdiSubWindow::changeEvent(event);
}

void DialogSubWindow::mousePressEvent(QMouseEvent *event)
{
    m_titlePress.reset();
    if (isMinimized() && event->button() == Qt::LeftButton && onTitle(event->position().toPoint()))
        m_titlePress = event->globalPosition().toPoint();
    QMdiSubWindow::mousePressEvent(event);
}

void DialogSubWindow::mouseReleaseEvent(QMouseEvent *event)
{
    QMdiSubWindow::mouseReleaseEvent(event);
    // A click brings the window back; a drag only moves the title bar.
    const bool click = m_titlePress && event->button() == Qt::LeftButton
        && (event->globalPosition().toPoint() - *m_titlePress).manhattanLength()
            < QApplication::startDragDistance();
    m_titlePress.reset();
    if (click && isMinimized())
        showNormal();
}

bool DialogSubWindow::onTitle(const QPoint &point) const
{
    QStyleOptionTitleBar option;
    option.initFrom(this);
    option.subControls = QStyle::SC_All;
    option.titleBarFlags = windowFlags();
    option.titleBarState = windowState();
    option.text = windowTitle();
    option.rect.setHeight(style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, this));
    return style()->hitTestComplexControl(QStyle::CC_TitleBar, &option, point, this)
        == QStyle::SC_TitleBarLabel;
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
