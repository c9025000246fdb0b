#pragma once
// Which list a control joins when it is dropped: placed, moved or pasted with its top-left point
// inside a controls group, it becomes that group's; elsewhere it is the dialog's own.

#include "model/dialog.h"
#include "surface/surface_ref.h"

#include <string>
#include <string_view>
#include <vector>

namespace kovrin {

// The Tag of the innermost shown controls group whose visible area holds the point (x, y) in
// surface twips, within every group around it, and that can take the control of movingTag (not
// the control itself nor a group inside it; "" for a control not made yet). Of two groups equally
// deep, the one in front. "" for the dialog's own list.
std::string listAtPoint(const Dialog &dialog, double x, double y, std::string_view movingTag);

// After the controls of the tags were placed or moved: each joins the list under its top-left
// point, keeping its place on the screen. True when any of them changed list.
bool dropIntoLists(SurfaceRef s, const std::vector<std::string> &tags);

// The tags none of whose holders is among them, in their order: moving these moves the others,
// which ride along inside their holder and stay in it.
std::vector<std::string> outermostTags(const Dialog &dialog, const std::vector<std::string> &tags);

} // namespace kovrin
