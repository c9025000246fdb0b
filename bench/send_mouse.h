#pragma once
// Mouse events sent straight to a widget, as the window system would deliver them: the surface
// benchmarks drive their views with them.

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include <benchmark/benchmark.h>

namespace kovrin::bench {

inline void sendMouse(QWidget &widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
                      Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), QPointF(widget.mapToGlobal(at)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

// Pressed at grab, then the pointer stepped back and forth with the button held, one step an
// iteration, each painted before the next; released where it was grabbed, so nothing moves.
inline void dragSteps(benchmark::State &state, QWidget &widget, QPoint grab)
{
    sendMouse(widget, QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    int n = 0;
    for (auto _ : state) {
        const QPoint at = grab + QPoint(3 + n % 40, 2 + n % 25);
        ++n;
        sendMouse(widget, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
        QApplication::processEvents();
    }
    sendMouse(widget, QEvent::MouseButtonRelease, grab, Qt::LeftButton, Qt::NoButton);
    QApplication::processEvents();
}

} // namespace kovrin::bench
