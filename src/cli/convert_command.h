#pragma once
// kovrin convert IN.kvx OUT.kvx: loads a design file and writes it in the current format.

#include "cli/cli_arguments.h"
#include "cli/command_io.h"

namespace kovrin {

int runConvert(const CliRequest &request, const CommandIo &io);

} // namespace kovrin
