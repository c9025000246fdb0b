#pragma once
// Enter and Escape as commands of a small window, on the widgets that take them. Some windows
// act when the key goes down, others when it comes up; a key that comes up without having gone
// down in one of the watched widgets (the Enter that closed a message box) does nothing.

#include <QObject>

#include <functional>

class QWidget;

namespace kovrin {

class KeyCommandFilter : public QObject
{
    Q_OBJECT
public:
    enum class Moment { KeyDown, KeyUp };

    KeyCommandFilter(Moment moment, std::function<void()> onEnter, std::function<void()> onEscape,
                     QObject *parent);
    void watch(QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void run(int key);

    Moment m_moment;
    std::function<void()> m_onEnter;
    std::function<void()> m_onEscape;
    int m_pressedKey = 0;
};

} // namespace kovrin
