#include "cli/convert_command.h"

#include "cli/cli_load.h"
#include "cli/exit_status.h"
#include "model/path_text.h"
#include "persist/design_writer.h"

namespace kovrin {

int runConvert(const CliRequest &request, const CommandIo &io)
{
    const auto set = loadForCommand(request.files[0], io);
    if (!set)
        return kExitFailed;
    const std::string target = pathText(request.files[1]);
    const WriteOutcome outcome = writeDesign(*set, request.files[1]);
    if (!outcome.status) {
        io.say(outcome.status.message);
        return kExitFailed;
    }
    for (const std::string &where : outcome.replacedTexts)
        io.say(target + ": " + where
               + ": characters the Windows-1252 code page cannot hold were written as \"?\"");
    for (const std::string &where : outcome.unreadableTexts)
        io.say(target + ": " + where + ": written as it is, but it will not read back the same");
    return kExitDone;
}

} // namespace kovrin
