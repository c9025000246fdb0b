#pragma once
// "&Import dialog code...": the dialogs of a file of class definitions (a mission's
// DESCRIPTION.EXT or a file it includes) join the set as inserted dialogs, in one undo step,
// with one message that says what did not come in as written.

#include <QString>

namespace kovrin {

class DialogWorkspace;
class UserPrompts;

class ImportCommand
{
public:
    ImportCommand(DialogWorkspace &workspace, UserPrompts &prompts);

    // Asks for the file first; true when dialogs were added.
    bool run(char decimalSeparator);
    bool importFile(const QString &path, char decimalSeparator);

    // The filters of the file dialog as Qt's file dialog takes them.
    static QString fileFilter();

private:
    DialogWorkspace &m_workspace;
    UserPrompts &m_prompts;
};

} // namespace kovrin
