#include "surface/form_conversion.h"

namespace kovrin {

bool convertControlForms(DialogSet &set, std::size_t dialogIndex,
                         const std::vector<std::string> &pickedTags, DialogLayout to)
{
    const Dialog &dialog = set.dialog(dialogIndex);
    std::vector<std::size_t> records;
    if (pickedTags.empty()) {
        for (std::size_t i = 0; i < dialog.cControls.size(); ++i)
            records.push_back(i);
    }
    for (const std::string &tag : pickedTags) {
        if (const auto index = dialog.recordIndexByTag(tag))
            records.push_back(*index);
    }
    return set.convertForms(dialogIndex, records, to);
}

} // namespace kovrin
