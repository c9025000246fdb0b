#pragma once
// Opens the modal "Control Properties" editor on one record of a surface's dialog.

#include <cstddef>

class QWidget;

namespace kovrin {

class SurfaceHost;
class SurfaceView;

// recordIndex is 0-based; the editor's ItemPos is recordIndex + 1.
void openPropertyEditor(SurfaceHost &host, SurfaceView &itemForm, std::size_t recordIndex,
                        QWidget *parent);

} // namespace kovrin
