#pragma once
// "&Import dialog code...": the dialogs of a file of class definitions (a mission's
// DESCRIPTION.EXT or a file it includes) join the set as inserted dialogs, in one undo step;
// what did not come in as written is shown in one report, grouped by cause.

#include <QString>

class QWidget;

namespace kovrin {

class DialogWorkspace;
class ModalRunner;
class UserPrompts;

class ImportCommand
{
public:
    // The report window opens over parent.
    ImportCommand(DialogWorkspace &workspace, UserPrompts &prompts, const ModalRunner &runner,
                  QWidget *parent);

    // Asks for the file first; true when dialogs were added.
    bool run(char decimalSeparator);
    bool importFile(const QString &path, char decimalSeparator);

    // The filters of the file dialog as Qt's file dialog takes them.
    static QString fileFilter();

private:
    DialogWorkspace &m_workspace;
    UserPrompts &m_prompts;
    const ModalRunner &m_runner;
    QWidget *m_parent;
};

} // namespace kovrin
