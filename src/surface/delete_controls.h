#pragma once
// The Delete key on a surface: the picked controls go, or with none picked the control with
// the keyboard focus, as the property editor's Delete removes one. A controls group goes with its
// whole content.

#include "surface/surface_ref.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kovrin {

// The picked controls' records go and their drawn controls are hidden; the focus lets go of a
// control that went. Returns how many were picked (0: nothing to delete).
std::size_t deletePickedControls(SurfaceRef s, const std::vector<std::string> &picked);
// The focused control's record goes and the focus lets go of it; false when no control with a
// record has the focus.
bool deleteFocusedControl(SurfaceRef s);

} // namespace kovrin
