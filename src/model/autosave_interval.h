#pragma once
// How often the set is autosaved while it is changed: the setting "SETTINGS/AUTOSAVESECONDS",
// 60 seconds unless it holds a whole number, never more often than every 5 seconds, and at least
// once a day so the timer never overflows.

#include <string_view>

namespace kovrin {

inline constexpr int kDefaultAutosaveSeconds = 60;
inline constexpr int kShortestAutosaveSeconds = 5;
inline constexpr int kLongestAutosaveSeconds = 24 * 60 * 60;

int autosaveSecondsFromText(std::string_view stored);

} // namespace kovrin
