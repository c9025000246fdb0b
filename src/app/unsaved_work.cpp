#include "app/unsaved_work.h"

#include "app/dialog_workspace.h"
#include "app/file_commands.h"
#include "surface_view/user_prompts.h"

namespace kovrin {

bool settleUnsavedWork(DialogWorkspace &workspace, UserPrompts &prompts, FileCommands &files)
{
    if (!workspace.isModified())
        return true;
    switch (prompts.askSaveDiscardCancel(
        QStringLiteral("WARNING"), QStringLiteral("Save changes to the dialogs before closing?"))) {
    case UserPrompts::Choice::Save:
        return files.save();
    case UserPrompts::Choice::Discard:
        return true;
    case UserPrompts::Choice::Cancel:
        break;
    }
    return false;
}

} // namespace kovrin
