#pragma once
// kovrin generate FILE.kvx [-o OUT] [--encoding utf-8]: the generated code, in the design file's
// code page or UTF-8, to the result stream or to a file.

#include "cli/cli_arguments.h"
#include "cli/command_io.h"

namespace kovrin {

int runGenerate(const CliRequest &request, const CommandIo &io);

} // namespace kovrin
