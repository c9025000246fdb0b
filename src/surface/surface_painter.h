#pragma once
// Paints a surface from its core state: grid lines behind, then the visible drawn controls back
// to front, the keyboard focus mark, and the outline of a drag on top. Only what meets the
// exposed region is painted.

#include "surface/surface_state.h"

#include <QRegion>

class QPainter;
class QWidget;

namespace kovrin {

struct SurfacePaint
{
    const SurfaceState &state;
    const QWidget &widget;
    bool showFocus = false; // the view has the keyboard focus
};

void paintSurface(QPainter &painter, const SurfacePaint &surface, const QRegion &exposed);

// The pixels the outline covers while it is shown; empty when hidden.
QRegion outlineRegion(const MovingFrame &frame);

} // namespace kovrin
