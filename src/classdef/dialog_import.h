#pragma once
// The import of dialogs from class definitions. The classes dialog_classes.h finds are dialogs
// named after their class; their controls, background ones first, those of base dialogs among
// them, become records of Kovrin's kinds. What
// cannot come in whole is reported with its place and what was kept instead; properties Kovrin
// has no field for are kept as code with their control or dialog.

#include "classdef/control_import.h"
#include "classdef/source_place.h"
#include "classdef/source_text.h"
#include "model/control_record.h"

#include <filesystem>
#include <string>
#include <vector>

namespace kovrin {

struct ImportedDialog
{
    std::string name;
    SourcePlace place;
    // Stacking order, back first; Tag left empty. A control of a controls group follows its
    // group, its Group the group's index here as decimal text until the set issues Tags.
    std::vector<ControlRecord> controls;
    // Safe zone when any of its controls is placed in that form, so that new ones follow.
    DialogLayout layout = DialogLayout::Screen;
    OtherProperties others; // idd, movingEnable, onLoad ... as the class sets them
};

struct DialogImport
{
    bool readable = false; // read, and within the budgets of import_limits.h
    std::string failure; // why the file could not be read
    std::vector<ImportedDialog> dialogs;
    std::vector<std::string> files; // the files read, as the problems name them
    std::vector<ReadProblem> problems;
    std::size_t problemsLeftOut = 0; // past the bounds of import_limits.h, counted only
    ReadCauseCounts counts {}; // every problem by cause, those left out of the list too
    FormCounts forms; // positions and sizes read, by the form they came in

    // Every dialog came in whole: nothing left out, nothing replaced.
    bool whole() const { return problems.empty() && problemsLeftOut == 0; }
    // The problems, one line each with file, line and column.
    std::vector<std::string> problemLines() const;
    // How many positions and sizes came in each form; empty when all were screen fractions.
    std::string formsLine() const;
};

// Colour components become texts with the given decimal separator, as Load stores them.
DialogImport importDialogs(const std::filesystem::path &path, const SourceLoader &loader,
                           char separator);
DialogImport importDialogText(std::string text, const std::string &name, const SourceLoader &loader,
                              char separator);

} // namespace kovrin
