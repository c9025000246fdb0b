#pragma once
// Enter and Escape in every element of the editor: on the release of the key, Enter runs OK and
// Escape runs Cancel. The presses are swallowed so no element acts on them first (a text field
// would take the line break, a button would click, the dialog would close). Shift or Ctrl with
// Enter in a multi-line field types a line break instead. A release whose press went elsewhere
// (a list's drop-down, the message box that OK showed) does nothing.

#include <QObject>

#include <functional>

class QWidget;

namespace kovrin {

class EditorKeys : public QObject
{
    Q_OBJECT
public:
    EditorKeys(std::function<void()> ok, std::function<void()> cancel, QObject *parent = nullptr);

    void watch(QWidget *element);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> m_ok;
    std::function<void()> m_cancel;
    int m_pressedKey = 0; // the Enter or Escape pressed in an element, 0 when none
    bool m_lineBreakPressed = false; // the Enter being held typed a line break
};

} // namespace kovrin
