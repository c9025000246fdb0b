#pragma once
// The whole number a user setting holds as text. Settings files written by hand may pad the value
// with blanks or give it a plus sign; anything else that is no whole number, or one too long for
// 64 bits, reads as none.

#include <optional>
#include <string_view>

namespace kovrin {

// The stored text without the blanks and tabs a hand-written settings file pads it with.
std::string_view settingTrimmed(std::string_view stored);

std::optional<long long> settingWholeNumber(std::string_view stored);

} // namespace kovrin
