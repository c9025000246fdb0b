#pragma once
// Turns a read design into the dialog set on screen: discard-all, then each dialog with fresh
// numbers, tags and drawn controls, exactly as Load rebuilds them.

#include "model/dialog_set.h"
#include "persist/design_reader.h"

#include <filesystem>
#include <string>
#include <vector>

namespace kovrin {

// Checks the counters first: a design that would pass a 16-bit counter is refused and the set
// is left as it was. Sets CurrentFile to the given path. The records are moved into the set.
// Controls naming a group the dialog does not hold go to the dialog's list, a line each in
// groupNotes when given.
Status loadIntoSet(DialogSet &set, LoadedDesign &&design, SurfaceSize surfaceSize,
                   const std::filesystem::path &path,
                   std::vector<std::string> *groupNotes = nullptr);
// The same from a design that stays as it is.
Status loadIntoSet(DialogSet &set, const LoadedDesign &design, SurfaceSize surfaceSize,
                   const std::filesystem::path &path);

struct LoadOutcome
{
    Status status; // why nothing was loaded
    std::vector<std::string> problems; // values the reader had to replace, for the user
};

// Load as a whole: reads the file first, so a file that cannot be read or a design that cannot
// fit leaves the set as it was; then replaces the set and sets CurrentFile.
LoadOutcome loadDesignFile(DialogSet &set, const std::filesystem::path &path, char separator,
                           SurfaceSize surfaceSize);

} // namespace kovrin
