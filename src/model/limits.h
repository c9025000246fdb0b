#pragma once
// The counters of the model are 16-bit signed numbers: dialog numbers, control tags and the
// element numbers of each kind stop at this value. An operation that would pass it is refused
// with a message instead of wrapping round.

#include <cstdint>

namespace kovrin {

inline constexpr std::int16_t kCounterLimit = 32767;

// A grid step above 0 but below this one would need millions of lines: it acts as no grid.
inline constexpr float kSmallestGridStep = 0.0001f;

} // namespace kovrin
