#pragma once
// Mouse buttons and modifier keys as the surface gestures receive them, and the keys of the
// keyboard step.

namespace kovrin {

// Buttons held, as a set of bits.
namespace MouseButtons {
inline constexpr int None = 0;
inline constexpr int Left = 1;
inline constexpr int Right = 2;
inline constexpr int Middle = 4;
} // namespace MouseButtons

// Shift, Ctrl and Alt held, as a set of bits.
namespace KeyState {
inline constexpr int None = 0;
inline constexpr int Shift = 1;
inline constexpr int Ctrl = 2;
inline constexpr int Alt = 4;
} // namespace KeyState

enum class NudgeKey { Left, Up, Right, Down, Other };

} // namespace kovrin
