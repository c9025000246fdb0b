#pragma once
// Convert to Safe Zone and Convert to Screen: which controls a conversion takes.

#include "model/dialog_set.h"

#include <cstddef>
#include <string>
#include <vector>

namespace kovrin {

// The picked controls (by tag), or every control of the dialog when none is picked, into the
// layout's form, each where it stands on the reference screen. True when anything changed.
bool convertControlForms(DialogSet &set, std::size_t dialogIndex,
                         const std::vector<std::string> &pickedTags, DialogLayout to);

} // namespace kovrin
