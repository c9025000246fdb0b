#pragma once
// The switches kept between runs in the per-user settings store, application Kovrin, section
// "SETTINGS", "1" on and "0" off: VIEWGRID, the grid switch (on when nothing is stored yet), and
// SNAPWHILEDRAGGING, "Snap to grid while dragging" (off when nothing is stored yet).

namespace kovrin {

bool readViewGrid();
void writeViewGrid(bool visible);

bool readSnapWhileDragging();
void writeSnapWhileDragging(bool on);

} // namespace kovrin
