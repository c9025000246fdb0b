#pragma once
// The exit statuses of every subcommand.

namespace kovrin {

inline constexpr int kExitDone = 0;
// "No dialogs to generate.", problems found by check, or a value import replaced.
inline constexpr int kExitRefused = 1;
// A bad argument, an input that cannot be read or an output that cannot be written.
inline constexpr int kExitFailed = 2;
// import: a dialog or a control was left out.
inline constexpr int kExitLeftOut = 3;

} // namespace kovrin
