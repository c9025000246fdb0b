#include "cli/convert_command.h"

#include "cli/cli_load.h"
#include "cli/exit_status.h"
#include "model/path_text.h"
#include "model/problem_list.h"
#include "persist/design_writer.h"

namespace kovrin {

int runConvert(const CliRequest &request, const CommandIo &io)
{
    const std::filesystem::path &output = request.files[1];
    if (!outputIsNotInput(request.files[0], output, io))
        return kExitFailed;
    const auto set = loadForCommand(request.files[0], io);
    if (!set)
        return kExitFailed;
    const std::string target = pathText(output);
    const WriteOutcome outcome = writeDesign(*set, output);
    if (!outcome.status) {
        io.say(outcome.status.message);
        return kExitFailed;
    }
    for (const std::string &where : listedProblems(outcome.replacedTexts))
        io.say(target + ": " + where
               + ": characters the Windows-1252 code page cannot hold were written as \"?\"");
    for (const std::string &where : listedProblems(outcome.unreadableTexts))
        io.say(target + ": " + where + ": written as it is, but it will not read back the same");
    return kExitDone;
}

} // namespace kovrin
