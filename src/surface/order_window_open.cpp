#include "surface/order_window_open.h"

namespace kovrin {

void openOrderWindow(SurfaceHost &, SurfaceView &, QWidget *) {}

} // namespace kovrin
