#pragma once
// The question before unsaved work would be lost (Quit, the close box, Load, New):
// "Save changes to the dialogs before closing?" with Save, Discard and Cancel.

namespace kovrin {

class DialogWorkspace;
class FileCommands;
class UserPrompts;

// True when the caller may go on: nothing was changed since the last save, the set was saved
// now, or the user chose Discard. Cancel, or a Save that was cancelled or failed, gives false.
bool settleUnsavedWork(DialogWorkspace &workspace, UserPrompts &prompts, FileCommands &files);

} // namespace kovrin
