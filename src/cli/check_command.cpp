#include "cli/check_command.h"

#include "cli/cli_load.h"
#include "cli/design_check.h"
#include "cli/dialogs_as_listed.h"
#include "cli/exit_status.h"
#include "cli/file_problems.h"
#include "cli/file_scan.h"
#include "model/message_text.h"
#include "model/problem_list.h"
#include "persist/design_loader.h"
#include "persist/design_reader.h"
#include "persist/file_io.h"

namespace kovrin {

int runCheck(const CliRequest &request, const CommandIo &io)
{
    const std::filesystem::path &path = request.files.front();
    const auto bytes = readWholeFile(path, kMaxDesignFileBytes);
    if (!bytes) {
        io.say(bytes.message);
        return kExitFailed;
    }
    const auto read = readDesign(*bytes, path, '.');
    if (!read) {
        io.say(read.message);
        return kExitFailed;
    }
    const LoadedDesign &design = *read;

    // Values the reader had to replace do not survive a round trip either.
    ProblemList problems = design.problems;
    DialogSet scratch;
    if (const Status loaded = loadIntoSet(scratch, design, kCommandLineSurface, path); !loaded)
        problems.add(loaded.message);
    scratch.discardAll();
    const FileScan scan = scanDesignFile(*bytes);
    for (std::string &line : cutTextProblems(scan.cutTexts))
        problems.add(std::move(line));
    if (scan.endsInsideRecord && !scan.endsInsideRecord->unclosed)
        problems.add(endOfFileProblem(*scan.endsInsideRecord));
    for (std::string &line : designProblems(dialogsAsListed(scan, design)))
        problems.add(std::move(line));

    for (const std::string &line : problems.lines())
        io.out << escapedControls(line) << '\n';
    return problems.empty() ? kExitDone : kExitRefused;
}

} // namespace kovrin
