#pragma once
// Paints a surface from its core state: grid lines behind, the screen area's outline on a surface
// that shows the safe zone, then the visible drawn controls back to front (each controls group's
// controls after it, clipped to it), the keyboard focus mark, and the outline of a drag on top.
// Only what meets the exposed region is painted.

#include "model/dialog.h"
#include "surface/selection.h"
#include "surface/surface_interaction.h"

#include <QRegion>

#include <optional>
#include <vector>

class QColor;
class QPainter;
class QWidget;

namespace kovrin {

struct SurfacePaint
{
    const Dialog &dialog; // its drawn controls and the records that say which group holds each
    const SurfaceInteraction &interaction;
    const QWidget &widget;
    bool showFocus = false; // the view has the keyboard focus
    const Selection *picked = nullptr; // their handles are drawn
    std::optional<TwipRect> band; // the rubber band being drawn
    // Where the screen area lies on a surface that shows the safe zone: outlined under the
    // controls.
    std::optional<TwipRect> screenArea;
};

void paintSurface(QPainter &painter, const SurfacePaint &surface, const QRegion &exposed);

// The pixels the outline covers while it is shown; empty when hidden.
QRegion outlineRegion(const MovingFrame &frame);

// The outlines of a group drag, one per control, as the bars of a single drag look.
void paintOutlines(QPainter &painter, const std::vector<TwipRect> &outlines, const QRect &area);

// The rubber band: a dashed line in the highlight colour along its edges.
void paintBand(QPainter &painter, const TwipRect &band, const QColor &colour);

// The pixels the rubber band's edges cover.
QRegion bandRegion(const TwipRect &band);

} // namespace kovrin
