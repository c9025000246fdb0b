#include "model/dialog.h"

namespace kovrin {

std::optional<std::size_t> Dialog::recordIndexByTag(std::string_view tag) const
{
    for (std::size_t i = 0; i < cControls.size(); ++i) {
        if (cControls[i].Tag == tag)
            return i;
    }
    return std::nullopt;
}

} // namespace kovrin
