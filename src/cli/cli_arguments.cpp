#include "cli/cli_arguments.h"

#include "cli/program_arguments.h"

#include <string_view>

namespace kovrin {
namespace {

using Action = CliRequest::Action;

bool isHelp(std::string_view arg)
{
    return arg == "--help" || arg == "-h";
}

std::optional<Action> subcommandOf(std::string_view word)
{
    if (word == "generate")
        return Action::Generate;
    if (word == "convert")
        return Action::Convert;
    if (word == "check")
        return Action::Check;
    if (word == "import")
        return Action::Import;
    return std::nullopt;
}

std::size_t filesNeeded(Action action)
{
    return action == Action::Convert ? 2 : 1;
}

std::string filesWanted(Action action)
{
    switch (action) {
    case Action::Generate:
        return "generate needs one design file (generate FILE.kvx [-o OUT] [--encoding "
               "utf-8])";
    case Action::Convert:
        return "convert needs an input and an output file (convert IN.kvx OUT.kvx)";
    case Action::Check:
        return "check needs one design file (check FILE.kvx)";
    case Action::Import:
        return "import needs one file of class definitions (import FILE [-I DIR]... [-o OUT.kvx] "
               "[--report FILE])";
    default:
        return {};
    }
}

Result<CliRequest> parseSubcommand(Action action, const std::vector<std::string> &args)
{
    CliRequest request;
    request.action = action;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string &arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && isHelp(arg)) {
            return Result<CliRequest>::of(CliRequest {Action::Help, {}, {}, {}});
        } else if (!optionsEnded && (action == Action::Generate || action == Action::Import)
                   && (arg == "-o" || arg == "--output")) {
            if (request.output)
                return Result<CliRequest>::failure("the output file is given twice");
            if (i + 1 >= args.size() || args[i + 1].empty())
                return Result<CliRequest>::failure(arg + " needs a file name");
            request.output = pathFromArgument(args[++i]);
        } else if (!optionsEnded && action == Action::Generate
                   && (arg == "--encoding" || arg.starts_with("--encoding="))) {
            const std::string word = arg.size() > 10 ? arg.substr(11)
                : i + 1 < args.size()                ? args[++i]
                                                     : std::string();
            const auto encoding = encodingOfWord(word);
            if (!encoding)
                return Result<CliRequest>::failure(
                    word.empty() ? std::string("--encoding needs windows-1252 or utf-8")
                                 : "unknown encoding \"" + word + "\" (use windows-1252 or utf-8)");
            request.encoding = *encoding;
        } else if (!optionsEnded && action == Action::Import
                   && (arg == "--report" || arg.starts_with("--report="))) {
            if (request.report)
                return Result<CliRequest>::failure("the report file is given twice");
            const std::string file = arg.size() > 8 ? arg.substr(9)
                : i + 1 < args.size()               ? args[++i]
                                                    : std::string();
            if (file.empty())
                return Result<CliRequest>::failure("--report needs a file name");
            request.report = pathFromArgument(file);
        } else if (!optionsEnded && action == Action::Import && arg.starts_with("-I")) {
            // "-I DIR" or "-IDIR", as compilers take it.
            const std::string folder = arg.size() > 2 ? arg.substr(2)
                : i + 1 < args.size()                 ? args[++i]
                                                      : std::string();
            if (folder.empty())
                return Result<CliRequest>::failure("-I needs a folder name");
            request.includeFolders.push_back(pathFromArgument(folder));
        } else if (!optionsEnded && arg.size() > 1 && arg.front() == '-') {
            return Result<CliRequest>::failure("unknown option \"" + arg + "\" for " + args[0]);
        } else if (arg.empty()) {
            return Result<CliRequest>::failure("an empty file name was given");
        } else {
            request.files.push_back(pathFromArgument(arg));
        }
    }
    if (request.files.size() != filesNeeded(action))
        return Result<CliRequest>::failure(filesWanted(action));
    return Result<CliRequest>::of(std::move(request));
}

} // namespace

Result<CliRequest> parseArguments(const std::vector<std::string> &args)
{
    if (args.empty())
        return Result<CliRequest>::of(CliRequest {});
    const std::string &first = args.front();
    if (isHelp(first))
        return Result<CliRequest>::of(CliRequest {Action::Help, {}, {}, {}});
    if (first == "--version")
        return Result<CliRequest>::of(CliRequest {Action::Version, {}, {}, {}});
    if (const auto action = subcommandOf(first))
        return parseSubcommand(*action, args);
    if (first.starts_with("--"))
        return Result<CliRequest>::failure("unknown option \"" + first + "\"");
    return Result<CliRequest>::of(CliRequest {});
}

} // namespace kovrin
