#pragma once
// The grid switch ("Visible &grid") over all dialogs: connect the checkable entry's toggled
// signal to these. Build all runs only when the surfaces hold no lines (after Remove all, or on
// freshly loaded surfaces).

#include <QList>

namespace kovrin {

class SurfaceView;

// The busy pointer and one repaint, then the lines of every dialog, in set order.
void buildAllGrids(const QList<SurfaceView *> &viewsInSetOrder);
// The lines of every dialog removed.
void removeAllGrids(const QList<SurfaceView *> &views);

} // namespace kovrin
