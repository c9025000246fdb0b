#pragma once
// Design files dropped on the main window.

#include <QString>

class QMimeData;

namespace kovrin {

// The first local file of the drop whose name ends in ".kvx" (any case); empty when there is
// none, and the drop is then refused.
QString droppedDesignFile(const QMimeData *data);

} // namespace kovrin
