#pragma once
// A mouse event sent straight to a widget, as the window system would deliver it: the surface
// benchmarks drive their views with it.

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace kovrin::bench {

inline void sendMouse(QWidget &widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
                      Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), QPointF(widget.mapToGlobal(at)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

} // namespace kovrin::bench
