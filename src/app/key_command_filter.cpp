#include "app/key_command_filter.h"

#include <QKeyEvent>
#include <QWidget>

namespace kovrin {
namespace {

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

KeyCommandFilter::KeyCommandFilter(Moment moment, std::function<void()> onEnter,
                                   std::function<void()> onEscape, QObject *parent)
    : QObject(parent)
    , m_moment(moment)
    , m_onEnter(std::move(onEnter))
    , m_onEscape(std::move(onEscape))
{
}

void KeyCommandFilter::watch(QWidget *widget)
{
    widget->installEventFilter(this);
}

void KeyCommandFilter::run(int key)
{
    const auto &handler = isEnter(key) ? m_onEnter : m_onEscape;
    if (handler)
        handler();
}

bool KeyCommandFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return QObject::eventFilter(watched, event);
    auto *keyEvent = static_cast<QKeyEvent *>(event);
    const int key = keyEvent->key();
    if (!isEnter(key) && key != Qt::Key_Escape)
        return false;
    if (!(isEnter(key) ? m_onEnter : m_onEscape))
        return false;

    if (event->type() == QEvent::KeyPress) {
        // Swallowed either way, so that the window's own default button and Escape handling
        // never act as well.
        if (m_moment == Moment::KeyDown) {
            if (!keyEvent->isAutoRepeat())
                run(key);
        } else {
            m_pressedKey = key;
        }
        return true;
    }

    if (m_moment == Moment::KeyUp && !keyEvent->isAutoRepeat() && m_pressedKey == key) {
        m_pressedKey = 0;
        run(key);
    }
    return true;
}

} // namespace kovrin
