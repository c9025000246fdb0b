#pragma once
// At start: work autosaved by a run that did not end cleanly is offered back, newest first, with
// the question "Recover unsaved work". Yes loads it as Load does (the set standing for the design
// file it belongs to, marked changed) and this instance takes the recovery file over; No removes
// it. Once one is recovered, any others wait for the next start.

namespace kovrin {

class Autosave;
class FileCommands;
class UserPrompts;

void offerRecovery(UserPrompts &prompts, FileCommands &files, Autosave &autosave,
                   char decimalSeparator);

} // namespace kovrin
