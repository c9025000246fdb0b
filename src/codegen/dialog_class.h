#pragma once
// The class of one dialog: its two name lists, the background class built from its first frame,
// and one nested class per control record.

#include "codegen/code_out.h"
#include "model/dialog.h"

#include <cstddef>
#include <string>

namespace kovrin {

// position: the dialog's place in the set, from 1; it numbers the background class DLG_BACKn.
void appendDialogClass(CodeOut &out, const Dialog &dialog, std::size_t position);
std::string dialogClassText(const Dialog &dialog, std::size_t position);

} // namespace kovrin
