#pragma once
// "&Cascade" and "&Tile" of the dialog windows, placed as model/window_layout.h says. Qt's own
// arrangements would stretch the windows to the view; dialog windows keep their size, so these
// keep every title bar in the workspace, the scroll bars reaching what lies beyond the view.

class QMdiArea;
class QMdiSubWindow;

namespace kovrin {

void cascadeWindows(QMdiArea &area);
void tileWindows(QMdiArea &area);

// The title bar's height of a dialog window: from the window's top to its content.
int titleBarHeight(const QMdiSubWindow &window);

} // namespace kovrin
