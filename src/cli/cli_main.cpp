// kovrin-cli: the command line without Qt, for build servers and the Windows cross-build. Unlike
// the designer it has no window to fall back to, so anything but a subcommand is a usage error.
#include "cli/command_line.h"
#include "cli/exit_status.h"
#include "cli/usage_text.h"

#include <iostream>

int main(int argc, char *argv[])
{
    if (const auto status = kovrin::runCommandLine(argc, argv, std::cout, std::cerr))
        return *status;
    const std::string program = kovrin::programName(argc > 0 ? argv[0] : nullptr);
    if (argc > 1)
        std::cerr << program << ": \"" << argv[1] << "\" is not a subcommand\n";
    std::cerr << kovrin::usageText(program, false);
    return kovrin::kExitFailed;
}
