#pragma once
// Moving several picked controls together: by a mouse drag (one outline per control, the move
// limits held on their bounding box) or by the plain and Shift arrow keys (one or ten pixels).

#include "model/twip_rect.h"
#include "surface/input_state.h"
#include "surface/surface_ref.h"

#include <optional>
#include <string>
#include <vector>

namespace kovrin {

class Selection;
struct DrawnControls;

struct TwipOffset
{
    double dx = 0;
    double dy = 0;
    bool operator==(const TwipOffset &) const = default;
};

// The smallest rectangle holding them all; empty for none.
TwipRect boundingBox(const std::vector<TwipRect> &rects);

// The offset the group may take: the bounding box moved by `wanted` and then held inside the
// surface as a move holds one control.
TwipOffset limitGroupOffset(const TwipRect &box, TwipOffset wanted, SurfaceSize surface);

// Moves the drawn controls of the tags by the offset and writes their records' X and Y rounded
// to 5 decimals; a control whose controls group moves too rides along inside it, the others
// drop into the list under their new corner. True when anything changed.
bool moveControls(SurfaceRef s, const std::vector<std::string> &tags, TwipOffset offset);

// One press of an arrow key without Ctrl: one pixel, ten with Shift.
TwipOffset nudgeOffset(NudgeKey key, bool tenPixels);

// A drag of the picked controls, grabbed inside one of them.
struct GroupDrag
{
    bool active = false;
    std::string grabbedTag;
    double grabX = 0; // the grab point on the surface
    double grabY = 0;
    std::vector<std::string> tags;
    std::vector<TwipRect> origins; // where each stood at the grab
    TwipRect box; // their bounding box at the grab
    TwipOffset offset; // what a release now applies
    bool tracked = false;
};

// Starts a drag of the shown picked controls, grabbed at (x, y) on the surface.
void beginGroupDrag(GroupDrag &drag, const DrawnControls &surface, const Selection &selection,
                    const std::string &grabbedTag, double x, double y);

// The pointer at (x, y): the offset follows in whole twips, held by the limits; with a grid step
// the grabbed control lands on the nearest grid point.
void trackGroupDrag(GroupDrag &drag, double x, double y, SurfaceSize surface,
                    std::optional<float> snapGrid);

// Where each control's outline stands now.
std::vector<TwipRect> groupOutline(const GroupDrag &drag);

// The release: the offset applied; the drag ends either way. True when anything changed.
bool endGroupDrag(GroupDrag &drag, SurfaceRef s);

} // namespace kovrin
