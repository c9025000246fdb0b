#pragma once
// Opens the modal "Organize controls" window on the dialog of a surface.

class QWidget;

namespace kovrin {

class SurfaceHost;
class SurfaceView;

void openOrderWindow(SurfaceHost &host, SurfaceView &view, QWidget *parent);

} // namespace kovrin
