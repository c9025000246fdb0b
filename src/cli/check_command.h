#pragma once
// kovrin check FILE.kvx: one line per problem on the result stream; exit 0 when clean, 1 when
// problems were found, 2 when the file could not be read.

#include "cli/cli_arguments.h"
#include "cli/command_io.h"

namespace kovrin {

int runCheck(const CliRequest &request, const CommandIo &io);

} // namespace kovrin
