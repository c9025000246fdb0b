#include "surface/grid_switch.h"

#include "surface/busy_cursor.h"
#include "surface/surface_view.h"

namespace kovrin {

void buildAllGrids(const QList<SurfaceView *> &viewsInSetOrder)
{
    BusyCursor busy;
    for (SurfaceView *view : viewsInSetOrder)
        view->buildGrid();
}

void removeAllGrids(const QList<SurfaceView *> &views)
{
    for (SurfaceView *view : views)
        view->removeGrid();
}

} // namespace kovrin
