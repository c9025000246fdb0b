#pragma once
// Turns a read design into the dialog set on screen: discard-all, then each dialog with fresh
// numbers, tags and drawn controls, exactly as Load rebuilds them.

#include "model/dialog_set.h"
#include "persist/design_reader.h"

#include <string>

namespace kovrin {

// Checks the counters first: a design that would pass a 16-bit counter is refused and the set
// is left as it was. Sets CurrentFile to the given path.
Status loadIntoSet(DialogSet &set, const LoadedDesign &design, SurfaceSize surfaceSize,
                   const std::string &path);

} // namespace kovrin
