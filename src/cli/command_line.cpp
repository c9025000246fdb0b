#include "cli/command_line.h"

#include "cli/check_command.h"
#include "cli/cli_arguments.h"
#include "cli/convert_command.h"
#include "cli/exit_status.h"
#include "cli/generate_command.h"
#include "cli/usage_text.h"

#include <exception>
#include <ostream>
#include <vector>

namespace kovrin {
namespace {

int runRequest(const CliRequest &request, const CommandIo &io, Program program)
{
    using Action = CliRequest::Action;
    switch (request.action) {
    case Action::Help:
        io.out << usageText(io.program, program == Program::Designer);
        return kExitDone;
    case Action::Version:
        io.out << kVersionLine;
        return kExitDone;
    case Action::Generate:
        return runGenerate(request, io);
    case Action::Convert:
        return runConvert(request, io);
    case Action::Check:
        return runCheck(request, io);
    case Action::None:
        break;
    }
    return kExitFailed;
}

} // namespace

std::optional<int> runCommandLine(int argc, const char *const *argv, std::ostream &out,
                                  std::ostream &err, Program program)
{
    const CommandIo io {programName(argc > 0 ? argv[0] : nullptr), out, err};
    try {
        const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
        const auto request = parseArguments(args);
        if (!request) {
            io.say(request.message + " (see " + io.program + " --help)");
            return kExitFailed;
        }
        if ((*request).action == CliRequest::Action::None)
            return std::nullopt;
        const int status = runRequest(*request, io, program);
        // A report or help text that did not reach its reader is a failed output as well.
        if (status != kExitFailed && !out.flush()) {
            io.say("standard output could not be written");
            return kExitFailed;
        }
        return status;
    } catch (const std::exception &e) {
        // Nothing a user passes may end the program without a word: out of memory on a huge
        // file, a path the system refuses.
        io.say(std::string("stopped: ") + e.what());
        return kExitFailed;
    }
}

} // namespace kovrin
