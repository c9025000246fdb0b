#include "surface/delete_controls.h"

#include "surface/with_content.h"

#include <algorithm>

namespace kovrin {
namespace {

// The records of the tags go, each controls group's content with it; the focus lets go of a
// control that went.
void removeWithContent(SurfaceRef s, const std::vector<std::string> &tags)
{
    const std::vector<std::string> going = tagsWithContent(s.dialog().cControls, tags);
    for (const std::string &tag : going) {
        if (const auto record = s.dialog().recordIndexByTag(tag))
            s.set.removeRecord(s.dialogIndex, *record); // hides the drawn control too
    }
    std::string &focus = s.interaction.focusTag;
    if (std::find(going.begin(), going.end(), focus) != going.end())
        focus.clear(); // a hidden control takes no keys
}

} // namespace

std::size_t deletePickedControls(SurfaceRef s, const std::vector<std::string> &picked)
{
    removeWithContent(s, picked);
    return picked.size();
}

bool deleteFocusedControl(SurfaceRef s)
{
    const std::string focus = s.interaction.focusTag;
    if (focus.empty() || !s.dialog().recordIndexByTag(focus))
        return false;
    removeWithContent(s, {focus});
    return true;
}

} // namespace kovrin
