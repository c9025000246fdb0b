#pragma once
// Copy and paste of one control through CopyCtrl, the clipboard shared by all dialogs.

#include "model/control_record.h"

#include <cstddef>
#include <string>

namespace kovrin {

// Copies every field of source into copyCtrl but LineSpacing, which copyCtrl keeps.
void copyControlRecord(const ControlRecord &source, ControlRecord &copyCtrl);

// A pasted record: CopyCtrl's fields with the name "<Name>_<recordsBefore + 1>", the given tag
// and LineSpacing 0. X and Y are left for the caller, who knows the paste point.
ControlRecord pastedRecord(const ControlRecord &copyCtrl, std::size_t recordsBefore,
                           std::string tag);

} // namespace kovrin
