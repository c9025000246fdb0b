#pragma once
// The nested class of one control: a head, the sections its kind writes, and the closing line.

#include "codegen/code_out.h"
#include "model/control_record.h"

#include <string>

namespace kovrin {

// Whether the record is of a kind (the generic control too) and so gets a class and a place in
// the lists.
bool hasControlClass(const ControlRecord &record);

// The class text of a record of a known kind; for any other kind a comment line naming the
// skipped control, so the dialog class stays well-formed. A generic control writes its place and
// IDC, then everything else it keeps (its type and style first) as it came.
void appendControlClass(CodeOut &out, const ControlRecord &record);
std::string controlClassText(const ControlRecord &record);

} // namespace kovrin
