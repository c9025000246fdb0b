#include "surface/grid_step.h"

#include "model/number_text.h"

namespace kovrin {

bool isGridStep(float gridSize)
{
    return gridSize >= kSmallestGridStep; // false for NaN too
}

float gridStepTwips(double extent, float gridSize)
{
    return static_cast<float>(extent * static_cast<double>(gridSize));
}

std::optional<float> enteredGridStep(std::string_view text)
{
    const float step = typedSingle(text);
    if (!(step > 0))
        return std::nullopt;
    return step;
}

std::string gridSizeProblems(std::string_view text)
{
    return holdsNoDigit(text) ? "- You must enter a grid size!" : "";
}

} // namespace kovrin
