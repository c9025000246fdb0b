#pragma once
// The versions a save replaces, kept in the user's data folder (backups/ under the program's
// data location), never beside the user's own files.

#include "model/status.h"

#include <QString>

namespace kovrin {

QString backupFolder();

// Before a save replaces the design file at designPath, its bytes are copied to the backup
// folder and the oldest backups of that file beyond the newest ten are removed. Nothing is copied
// when there is no file yet, or when the newest backup already holds the same bytes. A failure
// is reported in the status; the save may still go ahead.
Status keepReplacedVersion(const QString &designPath);

} // namespace kovrin
