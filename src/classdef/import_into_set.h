#pragma once
// Imported dialogs join the set the way loaded ones do: each gets the next dialog number, its
// controls fresh tags and element numbers, in stacking order. A name another dialog of the set
// already carries is refused as the dialog-name prompt refuses it, so the dialog takes a free
// name instead and the report says so.

#include "classdef/dialog_import.h"
#include "model/dialog_set.h"
#include "model/status.h"

#include <string>
#include <vector>

namespace kovrin {

struct SetAddition
{
    Status status; // refused whole when a counter would pass its limit; the set is untouched
    std::vector<std::size_t> indices; // of the dialogs added
    std::vector<std::string> renamed; // one line for each dialog that took a free name
};

SetAddition addImportedDialogs(DialogSet &set, const std::vector<ImportedDialog> &dialogs,
                               SurfaceSize surfaceSize);

// The name if the set can take it, else the name followed by "_2", "_3"... whichever is free.
std::string freeDialogName(const std::string &name, const DialogSet &set);

} // namespace kovrin
