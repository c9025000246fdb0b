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

} // namespace kovrin
