#pragma once
// The commands of the "Control Manager" menu, run on the state the menu (or another caller)
// left in the surface: CtrlToPos, CtrlIndexToPos and the right-clicked point. Each returns
// whether the document changed.

#include "model/control_record.h"
#include "model/status.h"
#include "surface/clipboard.h"
#include "surface/surface_ref.h"

#include <cstddef>
#include <string>
#include <vector>

namespace kovrin {

inline constexpr const char *kNoControlInClipboard = "No control in clipboard.";

struct TwipPoint
{
    double x = 0;
    double y = 0;
};
// The point the menu was opened on, on the surface: where a paste puts the copy.
TwipPoint rightClickedPoint(SurfaceRef s);

// CtrlToPos to the front of the stacking order and record CtrlIndexToPos to the end.
bool bringMenuControlToFront(SurfaceRef s);
// CtrlToPos to the back and record CtrlIndexToPos to the start.
bool sendMenuControlToBack(SurfaceRef s);
// The record of CtrlToPos into the clipboard as a copy of one. False when there is nothing to
// copy.
bool copyMenuControl(SurfaceRef s, ControlClipboard &clipboard);
// A copy of CopyCtrl at the right-clicked point, named "<Name>_<n>". Refused with a message for
// an empty clipboard or a full counter; the returned index is the new record's (0-based).
Result<std::size_t> pasteAtMenuPoint(SurfaceRef s, const ControlClipboard &clipboard);
// CtrlToPos to the nearest grid position, held inside the surface.
bool snapMenuControlToGrid(SurfaceRef s);

// The control order window's OK: for each tag in order, its record to the end of cControls and
// its drawn control (when it has one) to the front.
bool applyControlOrder(SurfaceRef s, const std::vector<std::string> &tags);

} // namespace kovrin
