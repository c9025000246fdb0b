#include "surface/drag.h"

#include "model/number_text.h"
#include "surface/input_state.h"
#include "surface/move_limits.h"

namespace kovrin {
namespace {

// The resize limits: the control keeps at least 25 twips in each direction.
void holdMinimumSize(DragState &drag, const TwipRect &control)
{
    const double widest = control.width - kMinimumControlSize;
    const double highest = control.height - kMinimumControlSize;
    const DragHandle &handle = drag.handle;
    if (handle.moves(Edge::Upper) && drag.DragY > highest)
        drag.DragY = wholeTwips(highest);
    if (handle.moves(Edge::Lower) && drag.DragY < kMinimumControlSize)
        drag.DragY = wholeTwips(kMinimumControlSize);
    if (handle.moves(Edge::Left) && drag.DragX > widest)
        drag.DragX = wholeTwips(widest);
    if (handle.moves(Edge::Right) && drag.DragX < kMinimumControlSize)
        drag.DragX = wholeTwips(kMinimumControlSize);
}

} // namespace

std::array<TwipRect, 4> outlineBars(const TwipRect &r)
{
    return {TwipRect {r.left, r.top, r.width, kOutlineBarThickness},
            TwipRect {r.left, r.top, kOutlineBarThickness, r.height},
            TwipRect {r.right(), r.top, kOutlineBarThickness, r.height},
            TwipRect {r.left, r.bottom(), r.width, kOutlineBarThickness}};
}

void placeOutline(MovingFrame &frame, const TwipRect &r)
{
    frame.bars = outlineBars(r);
}

std::int32_t wholeTwips(double twips)
{
    return static_cast<std::int32_t>(roundHalfEven(twips));
}

void showMovingFrame(MovingFrame &frame, bool visible)
{
    frame.visible = visible;
}

void beginDrag(DragState &drag, const TwipRect &control, double x, double y)
{
    drag.tracked = false;
    drag.handle = handleAt(control.width, control.height, x, y);
    if (drag.handle.isMove()) {
        drag.GrabX = wholeTwips(x);
        drag.GrabY = wholeTwips(y);
        return;
    }
    drag.DragX = x < kGrabBand ? 0 : wholeTwips(control.width);
    drag.DragY = y < kGrabBand ? 0 : wholeTwips(control.height);
}

TwipRect resizedRect(const DragState &drag, const TwipRect &control)
{
    const DragHandle &handle = drag.handle;
    double left = control.left;
    double right = control.right();
    double top = control.top;
    double bottom = control.bottom();
    if (handle.moves(Edge::Left))
        left = control.left + drag.DragX;
    if (handle.moves(Edge::Right))
        right = control.left + drag.DragX;
    if (handle.moves(Edge::Upper))
        top = control.top + drag.DragY;
    if (handle.moves(Edge::Lower))
        bottom = control.top + drag.DragY;
    return {left, top, right - left, bottom - top};
}

TrackOutcome trackDrag(DragState &drag, MovingFrame &frame, const TwipRect &control, double x,
                       double y, int buttons, int keys)
{
    TrackOutcome outcome;
    if (buttons == MouseButtons::None) {
        outcome.pointer = hoverPointer(control.width, control.height, x, y);
        return outcome;
    }
    if (buttons != MouseButtons::Left)
        return outcome;

    if (!drag.handle.isMove()) {
        drag.DragX = wholeTwips(x);
        drag.DragY = wholeTwips(y);
        holdMinimumSize(drag, control);
        placeOutline(frame, resizedRect(drag, control));
    } else if (keys == KeyState::None && drag.GrabX != 0 && drag.GrabY != 0) {
        drag.DragX = wholeTwips(x);
        drag.DragY = wholeTwips(y);
        TwipRect moved = control;
        moved.left += drag.DragX - drag.GrabX;
        moved.top += drag.DragY - drag.GrabY;
        placeOutline(frame, moved);
        if (drag.DragX != drag.GrabX || drag.DragY != drag.GrabY)
            outcome.pointer = PointerShape::SizeAll;
    } else {
        return outcome;
    }
    drag.tracked = true;
    outcome.frameMoved = true;
    if (!frame.visible)
        showMovingFrame(frame, true);
    return outcome;
}

DragEnd endDrag(DragState &drag, MovingFrame &frame, const TwipRect &control, double x, double y,
                SurfaceSize surface)
{
    DragEnd end;
    if (!drag.handle.isMove()) {
        if (drag.tracked) {
            end.rect = resizedRect(drag, control);
            end.sizeChanged = true;
        }
        drag.DragX = 0;
        drag.DragY = 0;
        drag.handle = {};
        end.pointerToArrow = true;
    } else if (wholeTwips(x) != drag.GrabX || wholeTwips(y) != drag.GrabY) {
        if (drag.tracked) {
            TwipRect moved = control;
            moved.left += drag.DragX - drag.GrabX;
            moved.top += drag.DragY - drag.GrabY;
            end.rect = limitToSurface(moved, surface);
        }
        drag.DragX = 0;
        drag.DragY = 0;
        end.pointerToArrow = true;
    }
    drag.tracked = false;
    showMovingFrame(frame, false);
    return end;
}

} // namespace kovrin
