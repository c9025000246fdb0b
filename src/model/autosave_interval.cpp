#include "model/autosave_interval.h"

#include "model/setting_number.h"

#include <algorithm>

namespace kovrin {

int autosaveSecondsFromText(std::string_view stored)
{
    const auto seconds = settingWholeNumber(stored);
    if (!seconds)
        return kDefaultAutosaveSeconds;
    return static_cast<int>(
        std::clamp<long long>(*seconds, kShortestAutosaveSeconds, kLongestAutosaveSeconds));
}

} // namespace kovrin
