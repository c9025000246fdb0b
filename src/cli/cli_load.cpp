#include "cli/cli_load.h"

#include "model/message_text.h"
#include "model/path_text.h"
#include "persist/design_loader.h"
#include "persist/file_io.h"

namespace kovrin {

std::optional<DialogSet> loadForCommand(const std::filesystem::path &path, const CommandIo &io)
{
    DialogSet set;
    const LoadOutcome outcome = loadDesignFile(set, path, '.', kCommandLineSurface);
    if (!outcome.status) {
        io.say(outcome.status.message);
        return std::nullopt;
    }
    for (const std::string &problem : outcome.problems)
        io.say(pathText(path) + ": " + problem);
    return set;
}

bool outputIsNotInput(const std::filesystem::path &input, const std::filesystem::path &output,
                      const CommandIo &io)
{
    if (!isSameFile(input, output))
        return true;
    io.say(fileProblem(output,
                       "is the input file " + quotedPath(input)
                           + "; choose another output. Nothing was written."));
    return false;
}

} // namespace kovrin
