#pragma once
// The looks of the newer game's kinds and of the generic control, each painted in the control's
// own coordinates: structured text with its markup, a map, a list with columns, a progress bar,
// check boxes, rows of choices, a slider with arrows, a tree, a shortcut button, and the generic
// control as a hatched box naming its class and type.

#include "model/drawn_control.h"

class QPainter;
class QRect;
class QWidget;

namespace kovrin {

// Paints the control into rect (origin at its top left) with the widget's style and palette.
void paintKindLook(QPainter &painter, const QWidget &widget, const DrawnControl &control,
                   const QRect &rect);

// The share of a progress bar that the surface shows filled, as a sample.
inline constexpr double kSampleProgress = 0.6;

} // namespace kovrin
