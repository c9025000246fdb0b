#pragma once
// What a new control of each kind starts with: its record fields (size, style, font, colours and
// the rest) before the name, tag and position are given.

#include "model/control_kind.h"
#include "model/control_record.h"

namespace kovrin {

// A record of the kind with every default set: CtrlType, IDC -1 and the kind's table values.
// Name, Tag, X and Y are left for the caller.
ControlRecord defaultRecord(ControlKind kind);

// The default name: the kind word followed by the position the record takes (count + 1).
std::string defaultName(ControlKind kind, std::size_t recordsBefore);

} // namespace kovrin
