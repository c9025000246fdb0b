#pragma once
// The game's classes that controls derive from in place of Kovrin's bases: each declared once,
// after the preamble, in the order the controls first name it.

#include "codegen/code_out.h"
#include "model/dialog_set.h"

namespace kovrin {

// Nothing when no control names one, so such a design's code is as before.
void appendGameBases(CodeOut &out, const DialogSet &set);

} // namespace kovrin
