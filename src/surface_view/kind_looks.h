#pragma once
// The looks of the newer game's kinds and of the generic control, each painted in the control's
// own coordinates: structured text with its markup, a map, a list with columns, a progress bar,
// check boxes, rows of choices, a slider with arrows, a tree, a shortcut button, and the generic
// control as a hatched box naming its class and type.

#include "model/drawn_control.h"

#include <QString>

class QFontMetrics;
class QPainter;
class QRect;
class QSize;
class QWidget;

namespace kovrin {

// Paints the control into rect (origin at its top left) with the widget's style and palette.
void paintKindLook(QPainter &painter, const QWidget &widget, const DrawnControl &control,
                   const QRect &rect);

// What a generic control's label reads in a box of that room: its class name over its type (or
// the game class it derives from), or both on one line, "Name \u00b7 type" cut at the edge, when
// the room is too short for two.
QString genericLabel(const DrawnControl &control, const QFontMetrics &metrics, QSize room);

// The share of a progress bar that the surface shows filled, as a sample.
inline constexpr double kSampleProgress = 0.6;

} // namespace kovrin
