#pragma once
// The mouse and keyboard gestures of a design surface on the document: placing a new control,
// pressing, dragging and releasing a drawn control, the clicks that open the editor, the
// context menu's state and the keyboard step. Points are in twips; a control's gestures take
// them relative to the control.

#include "model/status.h"
#include "surface/drag.h"
#include "surface/input_state.h"
#include "surface/surface_ref.h"

#include <optional>
#include <string_view>

namespace kovrin {

// A new control of the armed kind at (x, y) on the surface; a full counter is refused with a
// message.
Status placeArmedControl(SurfaceRef s, ControlKind armed, double x, double y);

// A press with any button on the drawn control of a tag: beginDrag, and the keyboard focus for
// every kind but a frame.
void pressControl(SurfaceRef s, std::string_view tag, double x, double y);

// A mouse movement over the control (no button: the hover pointer) or captured by it.
TrackOutcome trackControl(SurfaceRef s, std::string_view tag, double x, double y, int buttons,
                          int keys);

struct ReleaseOutcome
{
    bool changed = false; // the drawn control and its record moved or resized
    bool pointerToArrow = false; // the drag ended with the default arrow
};

// endDrag on the control: a release of any button but the right one. With snapGrid, a move or
// resize ends on the nearest grid point of that step.
ReleaseOutcome releaseControl(SurfaceRef s, std::string_view tag, double x, double y,
                              std::optional<float> snapGrid = std::nullopt);

// A click on a button or slider: true when it is the second of two on the same control within
// the click interval (the editor opens); otherwise this one is now pending and the caller starts
// tmr_click. A click that picks into the selection (Ctrl or Shift held) never counts and ends
// any pending one.
bool registerClick(DragState &drag, std::string_view tag, int keys = KeyState::None);
// tmr_click fired: the pending click has expired.
void expireClick(DragState &drag);

// The right release: hides the outline and leaves the menu's state for its commands.
void openMenuOnControl(SurfaceRef s, std::string_view tag, double x, double y);
void openMenuOnBackground(SurfaceRef s, double x, double y);

// A key released on the control with the keyboard focus: with exactly Ctrl held and a grid,
// the control is snapped and then stepped one grid step by an arrow key.
bool nudgeControl(SurfaceRef s, NudgeKey key, int keys);

} // namespace kovrin
