#pragma once
// Controls groups in the generated code: the base class a design with groups adds after the
// preamble, and a dialog's classes in tree order, each group's controls in its class Controls,
// two blanks deeper for each group around them.

#include "codegen/code_out.h"
#include "model/dialog.h"
#include "model/dialog_set.h"

namespace kovrin {

// Whether any dialog of the set holds a group or a control in one.
bool setHoldsGroups(const DialogSet &set);

// The base every group derives from, with the control type and the scroll-bar classes the game
// requires of a group; written only when setHoldsGroups.
void appendGroupBase(CodeOut &out);

// A group's class with its controls left out: what a group copied alone writes.
void appendEmptyGroupClass(CodeOut &out, const ControlRecord &group);

// The control classes of a dialog that holds groups, in tree order.
void appendControlTree(CodeOut &out, const Dialog &dialog);

} // namespace kovrin
