#pragma once
// Where the docks stand, how large they are and which are shown, kept between runs in the
// settings store as the main window gives it (QMainWindow::saveState); empty before the first
// close.

#include <QByteArray>

namespace kovrin {

QByteArray readDockLayout();
void writeDockLayout(const QByteArray &state);

} // namespace kovrin
