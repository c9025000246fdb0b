#include "cli/import_command.h"

#include "classdef/dialog_import.h"
#include "classdef/import_into_set.h"
#include "classdef/import_report.h"
#include "cli/cli_load.h"
#include "cli/exit_status.h"
#include "model/path_text.h"
#include "persist/design_writer.h"
#include "persist/file_identity.h"
#include "persist/file_io.h"

#include <ostream>

namespace kovrin {
namespace {

// An output may be no file the import read, nor the other output.
bool outputsAreFree(const CliRequest &request, const FilesRead &read, const CommandIo &io)
{
    for (const auto &output : {request.output, request.report}) {
        if (!output)
            continue;
        if (const Status fresh = outputIsNotRead(read, *output); !fresh) {
            io.say(fresh.message);
            return false;
        }
    }
    if (request.output && request.report
        && (request.output->lexically_normal() == request.report->lexically_normal()
            || isSameFile(*request.output, *request.report))) {
        io.say(fileProblem(*request.report,
                           "is also the design's output; choose another report file. Nothing "
                           "was written."));
        return false;
    }
    return true;
}

} // namespace

int runImport(const CliRequest &request, const CommandIo &io)
{
    const std::filesystem::path &path = request.files.front();
    for (const auto &output : {request.output, request.report}) {
        if (output && !outputIsNotInput(path, *output, io))
            return kExitFailed;
    }
    FilesRead read;
    const DialogImport imported = importDialogs(
        path, diskSourceLoader(path, {request.includeFolders, "with -I DIR"}, &read), '.');
    if (!imported.readable) {
        io.say(imported.failure);
        return kExitFailed;
    }
    ImportReport report = importReport(imported);
    const auto finish = [&](int status) {
        for (const std::string &line : screenLines(report))
            io.say(line);
        // What is no problem comes after the problems.
        if (const std::string forms = imported.formsLine(); !forms.empty())
            io.say(forms);
        if (!request.report)
            return status;
        // The outputs were checked against every file read before anything was written.
        if (const Status written = writeFileAtomically(*request.report, reportFileText(report));
            !written) {
            io.say(written.message);
            return kExitFailed;
        }
        return status;
    };
    if (!outputsAreFree(request, read, io))
        return kExitFailed;
    if (imported.dialogs.empty()) {
        io.say(pathText(path)
               + ": no dialog was found (a dialog is a class with controls[] or "
                 "controlsBackground[])");
        return finish(kExitFailed);
    }
    DialogSet set;
    const SetAddition added = addImportedDialogs(set, imported.dialogs, kCommandLineSurface);
    if (!added.status) {
        io.say(added.status.message);
        return finish(kExitFailed);
    }
    for (const ReadProblem &problem : added.renamed)
        report.add(problem.cause, readProblemText(problem, imported.files));
    const DesignBytes design = designBytes(set);
    for (const std::string &where : design.replacedTexts)
        report.add(
            ReadCause::CodePage,
            where + ": characters the Windows-1252 code page cannot hold were written as \"?\"");
    for (const std::string &where : design.unreadableTexts)
        report.add(ReadCause::CodePage,
                   where + ": written as it is, but it will not read back the same");
    if (request.output) {
        if (const Status written = writeFileAtomically(*request.output, design.bytes); !written) {
            io.say(written.message);
            return finish(kExitFailed);
        }
    } else {
        io.out.write(design.bytes.data(), static_cast<std::streamsize>(design.bytes.size()));
        io.out.flush();
        if (!io.out) {
            io.say("the design could not be written to standard output");
            return finish(kExitFailed);
        }
    }
    if (leavesSomethingOut(report.counts))
        return finish(kExitLeftOut);
    return finish(report.empty() ? kExitDone : kExitRefused);
}

} // namespace kovrin
