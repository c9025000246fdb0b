#pragma once
// Building, removing and changing the grid of one dialog.

#include "surface/surface_ref.h"

#include <string_view>

namespace kovrin {

// The dialog's grid lines at its step for the surface's outer size, replacing any it had.
void buildGrid(SurfaceRef s);
void removeGrid(SurfaceRef s);

enum class GridStepChange { LinesRemoved, StepSet };

// The text entered in the grid-size prompt. A text that is no number or not greater than 0
// removes the dialog's lines and keeps its step (LinesRemoved); otherwise the step becomes that
// number (StepSet), and the caller rebuilds the lines when the grid is shown.
GridStepChange changeGridStep(SurfaceRef s, std::string_view enteredText);

} // namespace kovrin
