#pragma once
// The exit statuses of every subcommand.

namespace kovrin {

inline constexpr int kExitDone = 0;
// "No dialogs to generate.", or problems found by check.
inline constexpr int kExitRefused = 1;
// A bad argument, an input that cannot be read or an output that cannot be written.
inline constexpr int kExitFailed = 2;

} // namespace kovrin
