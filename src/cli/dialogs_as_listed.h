#pragma once
// The dialogs of a design file as the file lists them. Loading makes one dialog of neighbours
// that carry the same name; a check of the file needs to see them apart.

#include "cli/file_scan.h"
#include "persist/design_reader.h"

#include <vector>

namespace kovrin {

// Splits the dialogs the reader made wherever the scan of the same file saw a header open a
// dialog of the name already under way. Each part keeps the grid step the whole dialog loads
// with. Should the scan and the loaded design not come from the same file, the dialogs stay as
// loaded.
std::vector<LoadedDialog> dialogsAsListed(const FileScan &scan, const LoadedDesign &loaded);

} // namespace kovrin
