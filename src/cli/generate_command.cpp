#include "cli/generate_command.h"

#include "cli/cli_load.h"
#include "cli/exit_status.h"
#include "codegen/generate_code.h"
#include "persist/file_io.h"

#include <ostream>

namespace kovrin {

int runGenerate(const CliRequest &request, const CommandIo &io)
{
    if (request.output && !outputIsNotInput(request.files.front(), *request.output, io))
        return kExitFailed;
    auto set = loadForCommand(request.files.front(), io);
    if (!set)
        return kExitFailed;
    if (set->count() < 1) {
        // The same refusal as the designer's Generate command, word for word.
        io.err << "No dialogs to generate.\n";
        return kExitRefused;
    }

    // Encoded as it is made: the code is never held whole as UTF-8 beside the design. Only the
    // bytes written are taken from the room made, which counts a text's UTF-8.
    EncodingSink code(request.encoding);
    code.bytes().reserve(expectedSize(*set));
    writeCode(*set, code);
    set.reset();
    if (code.replaced())
        io.say("characters the Windows-1252 code page cannot hold were written as \"?\"");

    if (request.output) {
        if (const Status written = writeFileAtomically(*request.output, code.bytes()); !written) {
            io.say(written.message);
            return kExitFailed;
        }
        return kExitDone;
    }
    io.out.write(code.bytes().data(), static_cast<std::streamsize>(code.bytes().size()));
    io.out.flush();
    if (!io.out) {
        io.say("the generated code could not be written to standard output");
        return kExitFailed;
    }
    return kExitDone;
}

} // namespace kovrin
