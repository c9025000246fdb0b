#pragma once
// Gives the keyboard focus back when a modal window of the program closes (the property editor,
// a prompt, a message box, a file dialog). Without a window manager nobody else does: the focus
// would stay with no window, and Ctrl+S, Ctrl+G or Ctrl+Z would do nothing until a click.

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <vector>

namespace kovrin {

class ModalFocusReturn : public QObject
{
public:
    // Watches every window of the application; `fallback` takes the focus when the widget that
    // had it has gone.
    explicit ModalFocusReturn(QWidget &fallback);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Opened
    {
        QPointer<QWidget> modal;
        QPointer<QWidget> hadFocus;
    };

    void giveBack(QPointer<QWidget> widget);

    QPointer<QWidget> m_fallback;
    std::vector<Opened> m_opened; // innermost last
};

} // namespace kovrin
