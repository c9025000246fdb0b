#include "app/modal_focus_return.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <algorithm>

namespace kovrin {

ModalFocusReturn::ModalFocusReturn(QWidget &fallback)
    : QObject(&fallback)
    , m_fallback(&fallback)
{
    qApp->installEventFilter(this);
}

bool ModalFocusReturn::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::Show && type != QEvent::Hide)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || !widget->isWindow())
        return false;
    if (type == QEvent::Show && widget->isModal()) {
        // A modal window deleted while shown sends no Hide: its entry goes here.
        std::erase_if(m_opened, [](const Opened &o) { return o.modal.isNull(); });
        // Shown, not yet active: the focus is still where the user left it.
        QWidget *had = QApplication::focusWidget();
        m_opened.push_back({widget, had ? had : QApplication::activeWindow()});
        return false;
    }
    const auto opened = std::find_if(m_opened.begin(), m_opened.end(),
                                     [widget](const Opened &o) { return o.modal == widget; });
    if (type == QEvent::Hide && opened != m_opened.end()) {
        const QPointer<QWidget> hadFocus = opened->hadFocus;
        m_opened.erase(opened);
        // Once the closing window has let go of the activation.
        QTimer::singleShot(0, this, [this, hadFocus] { giveBack(hadFocus); });
    }
    return false;
}

void ModalFocusReturn::giveBack(QPointer<QWidget> widget)
{
    if (QApplication::activeModalWidget())
        return; // another modal window holds the focus; its own closing gives it back
    QWidget *target = widget && widget->isVisible() ? widget.data() : m_fallback.data();
    if (!target)
        return;
    QWidget *window = target->window();
    window->activateWindow();
    target->setFocus(Qt::ActiveWindowFocusReason);
}

} // namespace kovrin
