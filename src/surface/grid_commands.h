#pragma once
// Building and removing the grid lines of one dialog.

#include "surface/surface_ref.h"

#include <string_view>

namespace kovrin {

// The dialog's grid lines at its step for the surface's outer size, replacing any it had.
void buildGrid(SurfaceRef s);
void removeGrid(SurfaceRef s);

} // namespace kovrin
