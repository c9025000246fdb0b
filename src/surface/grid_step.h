#pragma once
// A dialog's grid step (a fraction of the window's width and height) in twips, and which steps
// make a grid at all.

namespace kovrin {

// The smallest step that makes a grid: the grid-size prompt takes 4 decimals. A smaller
// positive step can only come from a file; it would give millions of lines, and float sums of
// it stop growing, so it counts as no grid.
inline constexpr float kSmallestGridStep = 0.0001f;

// True when the step makes grid lines, snaps and steps controls.
bool isGridStep(float gridSize);

// extent x GridSize as a 32-bit float, the distance between two grid positions.
float gridStepTwips(double extent, float gridSize);

} // namespace kovrin
