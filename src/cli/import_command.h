#pragma once
// kovrin import FILE [-o OUT.kvx]: reads the dialogs of a file of class definitions (a mission's
// DESCRIPTION.EXT or a file it includes) and writes them as a design file.

#include "cli/cli_arguments.h"
#include "cli/command_io.h"

namespace kovrin {

int runImport(const CliRequest &request, const CommandIo &io);

} // namespace kovrin
