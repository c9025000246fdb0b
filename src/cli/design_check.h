#pragma once
// The rules of the check subcommand: what in a design file would break in the game or would not
// come back the same after saving and loading again. One line per problem, naming the dialog and
// the control.

#include "cli/design_problem.h"
#include "cli/dialogs_as_listed.h"
#include "persist/design_reader.h"

#include <functional>
#include <string>
#include <vector>

namespace kovrin {

// fileDialogs: the dialogs in the order the file lists them, before loading merges neighbours
// that carry the same name. Each problem goes to `report` as it is found, so that a design of
// very many problems is never held as all of their lines.
void checkDesign(const std::vector<ListedDialog> &fileDialogs,
                 const std::function<void(std::string)> &report);
// The same rules, each problem with its place (the dialogs of a set on screen, setDialogs()).
void locateProblems(const std::vector<ListedDialog> &dialogs,
                    const std::function<void(DesignProblem)> &report);
// Every problem of whole dialogs.
std::vector<std::string> designProblems(const std::vector<LoadedDialog> &fileDialogs);

// A name the generated code can use as a class name: a letter or "_", then letters, digits, "_".
bool isIdentifier(std::string_view name);

} // namespace kovrin
