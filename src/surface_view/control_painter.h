#pragma once
// Paints drawn controls with the widget style, so that each looks like the control it stands
// for: text boxes (with the fixed words of INPUT, COMBO and LIST), push buttons, titled frames,
// sunken picture boxes and horizontal sliders; the newer kinds' looks are
// surface_view/kind_looks.h. The style options are prepared once per paint.

#include "model/drawn_control.h"

#include <QStyleOption>

class QPainter;
class QWidget;

namespace kovrin {

class ControlPainter
{
public:
    ControlPainter(QPainter &painter, const QWidget &widget);

    void paint(const DrawnControl &control, const QRect &rect);
    // The keyboard focus mark inside a control's rectangle.
    // The style's focus mark; around a control that holds others, its outline only, as the
    // style's faint fill would wash over everything the control holds.
    void paintFocus(const QRect &rect, ControlKind kind);

private:
    void paintTextBox(const DrawnControl &control, const QRect &rect);
    void paintButton(const DrawnControl &control, const QRect &rect);
    void paintFrame(const DrawnControl &control, const QRect &rect);
    void paintPicture(const QRect &rect);
    void paintSlider(const QRect &rect);
    void paintGroup(const DrawnControl &control, const QRect &rect);

    QPainter &m_painter;
    const QWidget &m_widget;
    const QStyle &m_style;
    qreal m_ratio;
    QStyleOptionFrame m_textBox;
    QStyleOptionButton m_button;
    QStyleOptionSlider m_slider;
    QStyleOptionFocusRect m_focus;
};

} // namespace kovrin
