#include "surface/rubber_band.h"

#include "surface/selection.h"

namespace kovrin {

TwipRect RubberBand::rect() const
{
    return bandBetween(x0, y0, x1, y1);
}

void beginBand(RubberBand &band, double x, double y, bool adds)
{
    band = RubberBand {true, x, y, x, y, adds};
}

void trackBand(RubberBand &band, double x, double y)
{
    band.x1 = x;
    band.y1 = y;
}

bool endBand(RubberBand &band, Selection &selection, const DrawnControls &surface)
{
    const RubberBand ended = band;
    band = RubberBand {};
    if (!ended.active)
        return false;
    const std::vector<std::string> before = selection.tags();
    if (!ended.adds)
        selection.clear();
    if (ended.drawn())
        selection.addAll(controlsTouchedBy(surface, ended.rect()));
    return selection.tags() != before;
}

} // namespace kovrin
