#include "cli/cli_load.h"

#include "persist/design_loader.h"
#include "persist/design_reader.h"

namespace kovrin {

std::optional<DialogSet> loadForCommand(const std::string &path, const CommandIo &io)
{
    const auto design = readDesign(path, '.');
    if (!design) {
        io.say(design.message);
        return std::nullopt;
    }
    for (const std::string &problem : (*design).problems)
        io.say(path + ": " + problem);
    DialogSet set;
    if (const Status loaded = loadIntoSet(set, *design, kCommandLineSurface, path); !loaded) {
        io.say(path + ": " + loaded.message);
        return std::nullopt;
    }
    return set;
}

} // namespace kovrin
