#include "props_window/editor_keys.h"

#include <QKeyEvent>
#include <QPlainTextEdit>

namespace kovrin {
namespace {

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

EditorKeys::EditorKeys(std::function<void()> ok, std::function<void()> cancel, QObject *parent)
    : QObject(parent)
    , m_ok(std::move(ok))
    , m_cancel(std::move(cancel))
{
}

void EditorKeys::watch(QWidget *element)
{
    element->installEventFilter(this);
}

bool EditorKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (!isEnter(key->key()) && key->key() != Qt::Key_Escape)
        return false;

    const int keyCode = isEnter(key->key()) ? Qt::Key_Return : Qt::Key_Escape;
    if (event->type() == QEvent::KeyPress) {
        auto *multiLine = qobject_cast<QPlainTextEdit *>(watched);
        const auto lineBreakModifiers = Qt::ShiftModifier | Qt::ControlModifier;
        if (multiLine && isEnter(key->key()) && (key->modifiers() & lineBreakModifiers)) {
            multiLine->insertPlainText(QStringLiteral("\n"));
            m_lineBreakPressed = true;
        } else if (!key->isAutoRepeat()) {
            m_pressedKey = keyCode;
        }
        return true;
    }
    if (key->isAutoRepeat())
        return true;
    if (isEnter(key->key()) && m_lineBreakPressed) {
        m_lineBreakPressed = false;
        return true;
    }
    if (m_pressedKey != keyCode)
        return true;
    m_pressedKey = 0;
    if (keyCode == Qt::Key_Return)
        m_ok();
    else
        m_cancel();
    return true;
}

} // namespace kovrin
