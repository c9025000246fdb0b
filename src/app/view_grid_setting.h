#pragma once
// VIEWGRID, the grid switch kept between runs in the per-user settings store: application Kovrin,
// section "SETTINGS", "1" shown and "0" hidden; shown when nothing is stored yet.

namespace kovrin {

bool readViewGrid();
void writeViewGrid(bool visible);

} // namespace kovrin
