#include "surface_view/grid_switch.h"

#include "surface_view/busy_cursor.h"
#include "surface_view/surface_view.h"

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
