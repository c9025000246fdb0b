// kovrin-cli: the command line without Qt, for build servers and the Windows cross-build. Unlike
// the designer it has no window to fall back to, so anything but a subcommand is a usage error.
#include "cli/command_line.h"
#include "cli/exit_status.h"
#include "cli/program_arguments.h"
#include "cli/standard_output.h"
#include "cli/usage_text.h"

#include <iostream>

int main(int argc, char *argv[])
{
    const kovrin::ProgramArguments arguments(argc, argv);
    kovrin::useBinaryStandardStreams();
    const int count = arguments.count();
    const char *const *words = arguments.words();
    if (const auto status = kovrin::runCommandLine(count, words, std::cout, std::cerr))
        return *status;
    const std::string program = kovrin::programName(count > 0 ? words[0] : nullptr);
    if (count > 1)
        std::cerr << program << ": \"" << words[1] << "\" is not a subcommand\n";
    std::cerr << kovrin::usageText(program, false);
    return kovrin::kExitFailed;
}
