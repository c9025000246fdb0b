#pragma once
// The dialogs of a design file as the file lists them. Loading makes one dialog of neighbours
// that carry the same name; a check of the file needs to see them apart.

#include "cli/file_scan.h"
#include "model/dialog_set.h"
#include "persist/design_reader.h"

#include <span>
#include <vector>

namespace kovrin {

// A dialog as the file lists it: a stretch of the controls of a dialog the reader made, seen in
// place rather than copied.
struct ListedDialog
{
    std::string_view name;
    float gridSize = 0; // the grid step it loads with
    std::span<const ControlRecord> controls;
};

// Splits the dialogs the reader made wherever the scan of the same file saw a header open a
// dialog of the name already under way. Each part keeps the grid step the whole dialog loads
// with. Should the scan and the loaded design not come from the same file, the dialogs stay as
// loaded. Valid as long as `loaded` is.
std::vector<ListedDialog> dialogsAsListed(const FileScan &scan, const LoadedDesign &loaded);

// Each dialog whole.
std::vector<ListedDialog> wholeDialogs(const std::vector<LoadedDialog> &dialogs);
// The dialogs of a set, as saving it would list them; valid until the set changes.
std::vector<ListedDialog> setDialogs(const DialogSet &set);

} // namespace kovrin
