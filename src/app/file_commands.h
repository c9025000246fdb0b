#pragma once
// Save, Save As and Load of the main window, with their file dialogs, the overwrite question and
// the reports. A file that cannot be written leaves CurrentFile as it was; a file that cannot be
// read leaves the dialogs on screen untouched, since it is read whole before they are discarded.

#include <QString>

#include <functional>

namespace kovrin {

class DialogWorkspace;
class UserPrompts;

class FileCommands
{
public:
    // afterLoad runs once a loaded set is on screen, still under the busy pointer.
    FileCommands(DialogWorkspace &workspace, UserPrompts &prompts,
                 std::function<void()> afterLoad = {});

    // "&Save Dialogs": Save As while the set was never saved, else "Saved." after writing. True
    // when the set was written.
    bool save();
    // "Save Dialogs &As...": true when the set was written.
    bool saveAs();
    // "&Load Dialogs...": true when a file replaced the set.
    bool load(char decimalSeparator);
    // Load without the file dialog, as the command line asks.
    bool loadFile(const QString &path, char decimalSeparator);
    // Autosaved work, loaded as Load loads a file, but standing for the design file it belongs to
    // (none when it was never saved) and counted as changed. A file that cannot be read is
    // reported and left where it is.
    bool loadRecovered(const QString &recoveryPath, const QString &belongsTo,
                       char decimalSeparator);

    // The filter of design files as Qt's file dialog takes it.
    static QString fileFilter();

private:
    bool writeTo(const QString &path);
    bool loadAs(const QString &path, const QString &standsFor, const QString &failure,
                char decimalSeparator);

    DialogWorkspace &m_workspace;
    UserPrompts &m_prompts;
    std::function<void()> m_afterLoad;
};

} // namespace kovrin
