#pragma once
// Moving and resizing a drawn control with the mouse: the drag state a surface keeps, the
// outline that shows where the control will go, and the three steps of a drag (press, each
// tracked movement, release). The drawn control itself changes only on release.

#include "model/drawn_control.h"
#include "model/twip_rect.h"
#include "surface/grab_zone.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace kovrin {

// A resize stops when the control is this many twips wide or high.
inline constexpr double kMinimumControlSize = 25.0;
// The thickness of the outline bars.
inline constexpr double kOutlineBarThickness = 25.0;

struct DragState
{
    DragHandle handle; // DragHandle: none while a move is possible, else the grabbed edge or corner
    std::int32_t GrabX = 0; // where a move was grabbed, relative to the control
    std::int32_t GrabY = 0;
    std::int32_t DragX = 0; // pointer (move) or new edge/size (resize), whole twips
    std::int32_t DragY = 0;
    bool ClickPending = false; // a first click on a button or slider awaits its second
    std::string clickTag; // the control that first click was on
    // A movement of this drag was tracked. A release without one leaves the control alone:
    // DragX and DragY would still hold what an earlier drag left.
    bool tracked = false;
};

// lnMoving: bar 0 the upper edge, 1 the left, 2 the right, 3 the lower edge.
struct MovingFrame
{
    bool visible = false;
    std::array<TwipRect, 4> bars {};
};

struct TrackOutcome
{
    bool frameMoved = false;
    std::optional<PointerShape> pointer; // a pointer to show, when the step decides one
};

struct DragEnd
{
    std::optional<TwipRect> rect; // the control's new place and size, when it changes
    bool sizeChanged = false; // a resize: the record's Width and Height follow too
    bool pointerToArrow = false;
};

// A press with any button on a control at (x, y) relative to it.
void beginDrag(DragState &drag, const TwipRect &control, double x, double y);

// A mouse movement over (or captured by) the control; buttons and keys as in input_state.h.
TrackOutcome trackDrag(DragState &drag, MovingFrame &frame, const TwipRect &control, double x,
                       double y, int buttons, int keys);

// A release of any button but the right one: the move or resize to apply, held inside the
// surface for a move.
DragEnd endDrag(DragState &drag, MovingFrame &frame, const TwipRect &control, double x, double y,
                SurfaceSize surface);

// showMovingFrame(false) and (true).
void showMovingFrame(MovingFrame &frame, bool visible);

// The rectangle a resize gives with the current DragX and DragY.
TwipRect resizedRect(const DragState &drag, const TwipRect &control);

// Bars 0 to 3 along the upper, left, right and lower edge of a rectangle; the right and lower
// bars lie just outside it.
std::array<TwipRect, 4> outlineBars(const TwipRect &r);
// The outline set to show a rectangle.
void placeOutline(MovingFrame &frame, const TwipRect &r);

// Twips as whole twips, halves to the even neighbour.
std::int32_t wholeTwips(double twips);

} // namespace kovrin
