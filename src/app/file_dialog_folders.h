#pragma once
// The folders of the file dialogs of Load, Save As and Import. They open where a file was last
// chosen in any of them, kept in the per-user settings store as SETTINGS/LASTFOLDER, by the rule
// of model/start_folder.h; the shipped example designs are an entry of their sidebar.

#include <QString>
#include <QStringList>

namespace kovrin {

// Where the next file dialog opens.
QString fileDialogFolder();
// A file was chosen: its folder is where the next file dialog opens. An empty path is none.
void rememberFileDialogFolder(const QString &chosenFile);

// The folders the examples are looked for in, in order: examples/ beside the program (a build,
// the Windows folder), then ../share/kovrin/examples from it (the installed package).
QStringList exampleFolders();
// The first of them that is there; empty when none is.
QString findExamplesFolder(const QStringList &folders = exampleFolders());

} // namespace kovrin
