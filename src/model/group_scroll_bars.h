#pragma once
// A controls group scrolls its controls when they overflow it, with the scroll bars its base
// class gives. A group without scroll bars sets both to nothing in classes of its own, kept among
// its other properties, so the design file and the code carry them as they carry any such class.

#include "model/control_record.h"

namespace kovrin {

// The two nested classes that take a group's scroll bars away, as the code writes them.
inline constexpr std::string_view kNoVerticalBar = "{width = 0;}";
inline constexpr std::string_view kNoHorizontalBar = "{height = 0;}";

// Whether the group shows its scroll bars: unless both classes take them away.
bool groupScrollBars(const ControlRecord &group);

// The group with or without its scroll bars; its other properties stay as they are otherwise.
void setGroupScrollBars(ControlRecord &group, bool shown);

} // namespace kovrin
