#pragma once
// The additions of a record after field 36 (design_fields.h): a control's position forms, a
// dialog's layout, and the other properties of both, written after the definition's fields and
// read back from the items the scanner kept there. A section that cannot be read is reported and
// loses nothing else.

#include "model/control_record.h"
#include "model/dialog.h"
#include "model/problem_list.h"
#include "persist/design_fields.h"
#include "persist/item_reader.h"
#include "persist/item_writer.h"

#include <vector>

namespace kovrin {

// The IDC as the definition's 16-bit field holds it: the value itself, or -1 (no control looked
// up) when it needs more bits, and then the addition carries it whole.
std::int16_t idcField(std::int32_t idc);
// Nothing for a record of screen fractions only, with a 16-bit IDC and without other properties.
void writeControlAdditions(ItemWriter &out, const ControlRecord &record,
                           const design::Place &where);
// Nothing for a dialog of the screen layout without other properties; otherwise the header's
// padding and its sections.
void writeHeaderAdditions(ItemWriter &out, const Dialog &dialog);

// The forms, the whole IDC and other properties of the items after field 36 into the record; its
// screen values stay as read.
void readControlAdditions(const std::vector<Item> &items, const design::Place &where,
                          ProblemList &problems, ControlRecord &record);

struct HeaderAdditions
{
    DialogLayout layout = DialogLayout::Screen;
    OtherProperties others;
};
HeaderAdditions readHeaderAdditions(const std::vector<Item> &items, const design::Place &where,
                                    ProblemList &problems);

} // namespace kovrin
