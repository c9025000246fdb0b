#pragma once
// The backgrounds of the editor's fields: grey for what the kind cannot use, white for a line
// spacing the user switched on, and the platform's own otherwise.

#include <QColor>

class QWidget;

namespace kovrin {

inline const QColor kUnusableBackground(200, 200, 200);
inline const QColor kSwitchedOnBackground(255, 255, 255);

// Paints the widget's background (text area, button face or box) in the colour.
void setBackground(QWidget *widget, const QColor &colour);

// Gives the widget the platform's normal background back.
void resetBackground(QWidget *widget);

// The colour the widget's background is painted in.
QColor backgroundOf(const QWidget *widget);

} // namespace kovrin
