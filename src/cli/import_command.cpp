#include "cli/import_command.h"

#include "classdef/dialog_import.h"
#include "classdef/import_into_set.h"
#include "cli/cli_load.h"
#include "cli/exit_status.h"
#include "model/path_text.h"
#include "persist/design_writer.h"
#include "persist/file_identity.h"
#include "persist/file_io.h"

#include <ostream>

namespace kovrin {

int runImport(const CliRequest &request, const CommandIo &io)
{
    const std::filesystem::path &path = request.files.front();
    if (request.output && !outputIsNotInput(path, *request.output, io))
        return kExitFailed;
    FilesRead read;
    const DialogImport imported = importDialogs(
        path, diskSourceLoader(path, {request.includeFolders, "with -I DIR"}, &read), '.');
    if (!imported.readable) {
        io.say(imported.failure);
        return kExitFailed;
    }
    for (const std::string &line : imported.problemLines())
        io.say(line);
    if (imported.dialogs.empty()) {
        io.say(pathText(path)
               + ": no dialog was found (a dialog is a class with controls[] or "
                 "controlsBackground[])");
        return kExitFailed;
    }
    DialogSet set;
    const SetAddition added = addImportedDialogs(set, imported.dialogs, kCommandLineSurface);
    if (!added.status) {
        io.say(added.status.message);
        return kExitFailed;
    }
    for (const std::string &line : added.renamed)
        io.say(line);
    if (const std::string forms = imported.formsLine(); !forms.empty())
        io.say(forms);

    const DesignBytes design = designBytes(set);
    for (const std::string &where : design.replacedTexts)
        io.say(where + ": characters the Windows-1252 code page cannot hold were written as \"?\"");
    for (const std::string &where : design.unreadableTexts)
        io.say(where + ": written as it is, but it will not read back the same");
    if (request.output) {
        // The file imported was refused above; an include may only be known now.
        if (const Status fresh = outputIsNotRead(read, *request.output); !fresh) {
            io.say(fresh.message);
            return kExitFailed;
        }
        if (const Status written = writeFileAtomically(*request.output, design.bytes); !written) {
            io.say(written.message);
            return kExitFailed;
        }
    } else {
        io.out.write(design.bytes.data(), static_cast<std::streamsize>(design.bytes.size()));
        io.out.flush();
        if (!io.out) {
            io.say("the design could not be written to standard output");
            return kExitFailed;
        }
    }
    const bool whole = imported.whole() && added.renamed.empty() && design.replacedTexts.empty()
        && design.unreadableTexts.empty();
    return whole ? kExitDone : kExitRefused;
}

} // namespace kovrin
