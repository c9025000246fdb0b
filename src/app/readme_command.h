#pragma once
// "View &readme.txt": readme.txt beside the program, or in the installed data folder, opened in
// the system's text viewer.

#include <QString>
#include <QStringList>

namespace kovrin {

class UserPrompts;

// The folders looked in, in order: the program's own, then ../share/kovrin from it.
QStringList readmeFolders();
// The first readme.txt found in the folders; empty when there is none.
QString findReadme(const QStringList &folders);
// Opens it, or says clearly why it cannot.
void viewReadme(UserPrompts &prompts, const QStringList &folders = readmeFolders());

} // namespace kovrin
