#pragma once
// The folders imports may take included files from besides the imported file's own, kept between
// runs in the per-user settings store as SETTINGS/INCLUDEFOLDERS (none when nothing is stored).

#include "classdef/include_folders.h"

#include <QStringList>

namespace kovrin {

QStringList readIncludeFolders();
void writeIncludeFolders(const QStringList &folders);

// The stored folders, with the way a refused include tells the user to allow its folder.
IncludeFolders includeFolders();

} // namespace kovrin
