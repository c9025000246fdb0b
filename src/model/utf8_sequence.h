#pragma once
// Where one UTF-8 character ends: the one rule for telling well-formed UTF-8 from other bytes.

#include <cstddef>
#include <string_view>

namespace kovrin {

// The length of the UTF-8 sequence that starts at `at`, or 0 when the bytes there are no UTF-8
// (a stray continuation byte, a cut sequence, an overlong form, a surrogate, past U+10FFFF).
std::size_t utf8SequenceLength(std::string_view text, std::size_t at);

} // namespace kovrin
