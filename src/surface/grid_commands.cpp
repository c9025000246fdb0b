#include "surface/grid_commands.h"

#include "model/number_text.h"
#include "surface/grid_lines.h"

namespace kovrin {

void buildGrid(SurfaceRef s)
{
    s.surface().grid = buildGridLines(s.dialog().GridSize, s.size);
}

void removeGrid(SurfaceRef s)
{
    s.surface().grid.clear();
}

GridStepChange changeGridStep(SurfaceRef s, std::string_view enteredText)
{
    const float step = typedSingle(enteredText);
    if (!(step > 0)) {
        removeGrid(s);
        return GridStepChange::LinesRemoved;
    }
    s.set.setGridSize(s.dialogIndex, step);
    return GridStepChange::StepSet;
}

} // namespace kovrin
