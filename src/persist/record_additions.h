#pragma once
// The additions of a record after field 36 (design_fields.h): a control's position forms and a
// dialog's layout, written after the definition's fields and read back from the items the
// scanner kept there. A section that cannot be read is reported and loses nothing else.

#include "model/control_record.h"
#include "model/dialog.h"
#include "model/problem_list.h"
#include "persist/design_fields.h"
#include "persist/item_reader.h"
#include "persist/item_writer.h"

#include <vector>

namespace kovrin {

// Nothing for a record of screen fractions only.
void writeFormsAddition(ItemWriter &out, const ControlRecord &record, const design::Place &where);
// The IDC as the definition's 16-bit field holds it: the value itself, or -1 (no control looked
// up) when it needs more bits, and then the addition carries it whole.
std::int16_t idcField(std::int32_t idc);
// Nothing for an IDC the definition's field holds.
void writeIdcAddition(ItemWriter &out, const ControlRecord &record);
// Nothing for a dialog of the screen layout; otherwise the header's padding and its section.
void writeLayoutAddition(ItemWriter &out, DialogLayout layout);

// The forms and the whole IDC of the items after field 36 into the record; its screen values
// stay as read.
void readFormsAddition(const std::vector<Item> &items, const design::Place &where,
                       ProblemList &problems, ControlRecord &record);
DialogLayout readLayoutAddition(const std::vector<Item> &items, const design::Place &where,
                                ProblemList &problems);

} // namespace kovrin
