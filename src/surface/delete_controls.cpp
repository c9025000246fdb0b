#include "surface/delete_controls.h"

#include <algorithm>

namespace kovrin {

std::size_t deletePickedControls(SurfaceRef s, const std::vector<std::string> &picked)
{
    for (const std::string &tag : picked) {
        if (const auto record = s.dialog().recordIndexByTag(tag))
            s.set.removeRecord(s.dialogIndex, *record); // hides the drawn control too
    }
    std::string &focus = s.interaction.focusTag;
    if (std::find(picked.begin(), picked.end(), focus) != picked.end())
        focus.clear(); // a hidden control takes no keys
    return picked.size();
}

bool deleteFocusedControl(SurfaceRef s)
{
    std::string &focus = s.interaction.focusTag;
    const auto record = s.dialog().recordIndexByTag(focus);
    if (focus.empty() || !record)
        return false;
    s.set.removeRecord(s.dialogIndex, *record);
    focus.clear();
    return true;
}

} // namespace kovrin
