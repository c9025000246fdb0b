#pragma once
// The counters of the model are 16-bit signed numbers: dialog numbers, control tags and the
// element numbers of each kind stop at this value. An operation that would pass it is refused
// with a message instead of wrapping round.

#include <cstdint>

namespace kovrin {

inline constexpr std::int16_t kCounterLimit = 32767;

// The smallest step that makes a grid: the grid-size prompt takes 4 decimals. A smaller positive
// step can only come from a file; it would need millions of lines, and float sums of it stop
// growing, so it acts as no grid.
inline constexpr float kSmallestGridStep = 0.0001f;

} // namespace kovrin
