#pragma once
// Imported dialogs join the set the way loaded ones do: each gets the next dialog number, its
// controls fresh tags and element numbers, in stacking order. A name another dialog of the set
// already carries is refused as the dialog-name prompt refuses it, so the dialog takes a free
// name instead and the report says so.

#include "classdef/dialog_import.h"
#include "model/dialog_set.h"
#include "model/status.h"

#include <cstddef>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace kovrin {

struct SetAddition
{
    Status status; // refused whole when a counter would pass its limit; the set is untouched
    std::vector<std::size_t> indices; // of the dialogs added
    std::vector<ReadProblem> renamed; // one for each dialog that took a free name
};

SetAddition addImportedDialogs(DialogSet &set, const std::vector<ImportedDialog> &dialogs,
                               SurfaceSize surfaceSize);

// The names the set's dialogs hold, ignoring case as the game does, and a free name for each
// dialog added: the name itself if free, else the name followed by "_2", "_3"... whichever is
// free. Each base name remembers the last suffix it took, so giving thousands of dialogs one name
// takes time in proportion to their number.
class FreeDialogNames
{
public:
    explicit FreeDialogNames(const DialogSet &set);
    // The free name, now taken.
    std::string take(const std::string &name);

private:
    std::unordered_set<std::string> m_taken; // case keys
    std::unordered_map<std::string, std::size_t> m_nextSuffix; // by the base name's case key
};

} // namespace kovrin
