#pragma once
// Front and back within a list: a control of a controls group stands in the drawn stack among
// its siblings, never behind its group nor in front of the group's neighbours, and a group's
// content goes wherever the group goes, staying in front of it. With no group in the dialog these
// are the plain front and back of the whole stack.

#include "model/control_record.h"
#include "model/drawn_controls.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kovrin {

enum class ListEnd { Front, Back };

// The drawn control of tag and those of its content at any depth, moved together (in the order
// they stood) to the front or the back of the list tag belongs to: the front of the stack for the
// dialog's own list, else just in front of the group's last other drawn control, or the back just
// in front of the group itself.
void restackInList(DrawnControls &drawn, const std::vector<ControlRecord> &records,
                   std::string_view tag, ListEnd end);

// Where moveRecord takes record recordIndex for the front or the back of its list: right after
// the list's last record or right before its first, so that only its place among its siblings
// changes (the end or the start of cControls for the dialog's own list with no group).
std::size_t listEndIndex(const std::vector<ControlRecord> &records, std::size_t recordIndex,
                         ListEnd end);

} // namespace kovrin
