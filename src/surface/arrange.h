#pragma once
// The commands of the Arrange menu on the picked controls of a surface: line them up on the
// reference (the one picked first), space them evenly between the two outermost, or give them
// the reference's width or height.

#include "model/twip_rect.h"
#include "surface/surface_ref.h"

#include <cstddef>
#include <string>
#include <vector>

namespace kovrin {

enum class ArrangeCommand {
    AlignLeft,
    AlignRight,
    AlignTop,
    AlignBottom,
    AlignCentresHorizontally, // one vertical line through every centre
    AlignCentresVertically, // one horizontal line through every centre
    DistributeHorizontally,
    DistributeVertically,
    SameWidth,
    SameHeight,
    SameSize,
};

// How many picked controls the command needs: two, three to distribute.
std::size_t controlsNeeded(ArrangeCommand command);
// Whether the command changes sizes (the records' Width and Height are written too).
bool changesSize(ArrangeCommand command);

// The rectangles after the command, in the order given; rects[0] is the reference. Fewer
// rectangles than the command needs come back as they are.
std::vector<TwipRect> arrangedRects(ArrangeCommand command, std::vector<TwipRect> rects);

// Runs the command on the drawn controls of the tags (picking order) and, when any of them moves
// or changes size, writes every one's record as fractions rounded to 5 decimals. True when
// anything changed.
bool arrangeControls(SurfaceRef s, const std::vector<std::string> &tags, ArrangeCommand command);

} // namespace kovrin
