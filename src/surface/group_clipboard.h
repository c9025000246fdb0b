#pragma once
// Copy and paste of several picked controls at once: each record with its offset from the first
// one, so that a paste puts the first at the paste point and the others where they stood
// beside it. A controls group is copied with its whole content; pasted, each control gets a new
// tag, a pasted group's controls its new tag as their Group at the offsets they had, and every
// other pasted control joins the group shown under its top-left corner (surface/list_drop.h).

#include "model/control_record.h"
#include "model/status.h"
#include "surface/clipboard.h"
#include "surface/surface_ref.h"

#include <cstddef>
#include <string>
#include <vector>

namespace kovrin {

// The picked controls in picking order, each group followed by its content (surface/
// with_content.h); a tag with no record is left out.
std::vector<CopiedControl> copyControls(SurfaceRef s, const std::vector<std::string> &tags);

// A copy of the record pasted with its top-left corner at (px, py): the name "<Name>_<n>", a new
// tag, X and Y from the point, in the list of the group shown there. Refused with a message for a
// full counter. Returns the new record's index.
Result<std::size_t> pasteRecordAt(SurfaceRef s, const ControlRecord &copied, double px, double py);

// Every copied control pasted, the first at (px, py). Stops at the first refusal, keeping what
// was pasted; the indices are the new records'.
struct GroupPaste
{
    std::vector<std::size_t> pasted;
    std::vector<std::size_t> dropped; // those put down on their own rather than into a pasted group
    std::string problem; // why the paste stopped early; "" when all went in
};
GroupPaste pasteControls(SurfaceRef s, const std::vector<CopiedControl> &copied, double px,
                         double py);

} // namespace kovrin
