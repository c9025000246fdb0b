#pragma once
// At start: work autosaved by a run that did not end cleanly is offered back, newest first, with
// the question "Recover unsaved work". Yes loads it as Load does (the set standing for the design
// file it belongs to, marked changed) and this instance takes the recovery file over; No removes
// it. Once one is recovered, any others wait for the next start. Left files that cannot be used are
// reported first, one message each, and set aside. The design file's path is shown escaped and cut
// in the middle to half the screen's width, so the question stays a few lines long.

namespace kovrin {

class Autosave;
class FileCommands;
class UserPrompts;

// True when work was recovered and is on screen.
bool offerRecovery(UserPrompts &prompts, FileCommands &files, Autosave &autosave,
                   char decimalSeparator);

} // namespace kovrin
