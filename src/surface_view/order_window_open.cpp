#include "surface_view/order_window_open.h"

#include "surface_view/order_window.h"

namespace kovrin {

void openOrderWindow(SurfaceHost &host, SurfaceView &view, QWidget *parent)
{
    OrderWindow window(host, view, parent);
    window.exec();
}

} // namespace kovrin
