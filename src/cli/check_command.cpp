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
    // Opened once, so that a pipe is read once too; the scan and the reading each take it a
    // piece at a time.
    auto opened = openDesign(path);
    if (!opened) {
        io.say(opened.message);
        return kExitFailed;
    }
    const FileScan scan = scanDesignFile(*opened.value->bytes);
    auto read = readDesign(*opened.value, path, '.');
    if (!read) {
        io.say(read.message);
        return kExitFailed;
    }
    // The design is held once: checked in place, then moved into the scratch set, where loading
    // tells whether it fits. The check's lines come last, as they always did.
    LoadedDesign design = std::move(*read.value);
    ProblemList later;
    checkDesign(dialogsAsListed(scan, design),
                [&later](std::string line) { later.add(std::move(line)); });

    // Values the reader had to replace do not survive a round trip either.
    ProblemList problems = std::move(design.problems);
    DialogSet scratch;
    if (const Status loaded = loadIntoSet(scratch, std::move(design), kCommandLineSurface, path);
        !loaded)
        problems.add(loaded.message);
    scratch.discardAll();
    for (const std::string &line : scan.cutTexts)
        problems.add(line);
    if (scan.endsInsideRecord && !scan.endsInsideRecord->unclosed)
        problems.add(endOfFileProblem(*scan.endsInsideRecord));
    problems.addAll(std::move(later));

    for (const std::string &line : problems.lines())
        io.out << escapedControls(line) << '\n';
    return problems.empty() ? kExitDone : kExitRefused;
}

} // namespace kovrin
