#pragma once
// Which names a dialog can take. A name must not be empty; it must also survive the design file
// (no double quote, not the record end mark "###") and stay apart from the other dialogs' names,
// since the generated code makes one class per name and loading joins neighbours of one name.

#include "model/dialog_set.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kovrin {

// The most characters a name can be typed with, in the name prompt and the Properties panel.
inline constexpr int kDialogNameLength = 30;

// Why the name cannot be used, as "- " lines each ended by CR LF; empty when it can.
std::string dialogNameProblems(std::string_view name);

// The same, and also refused when a dialog other than ownFrmIndex already carries the name, in
// any case of its letters.
std::string dialogNameProblems(std::string_view name, const DialogSet &set,
                               std::int16_t ownFrmIndex);

} // namespace kovrin
