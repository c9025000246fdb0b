#pragma once
// A dialog's grid step (a fraction of the window's width and height) in twips, and which steps
// make a grid at all.

#include "model/limits.h"

#include <optional>
#include <string>
#include <string_view>

namespace kovrin {

// True when the step makes grid lines, snaps and steps controls.
bool isGridStep(float gridSize);

// extent x GridSize as a 32-bit float, the distance between two grid positions.
float gridStepTwips(double extent, float gridSize);

// The text entered in the grid-size prompt as a new step: a number greater than 0, typed with
// either separator. None for anything else (0, a lone "-"): then the dialog's lines go and its
// step stays.
std::optional<float> enteredGridStep(std::string_view text);

// Why an entered text cannot be taken at all: one "- " line when it holds no digit (empty, a
// lone "-" or separator); empty when it can.
std::string gridSizeProblems(std::string_view text);

} // namespace kovrin
