#include "cli/cli_load.h"

#include "model/path_text.h"
#include "persist/design_loader.h"

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

} // namespace kovrin
