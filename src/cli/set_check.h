#pragma once
// The check's rules on the set on screen, for the designer's Problems list; its header stays
// clear of the file scan, which the shell has no use for.

#include "cli/design_problem.h"
#include "model/dialog_set.h"

#include <vector>

namespace kovrin {

// Each problem with the dialog's index in the set and the control's in its cControls.
std::vector<DesignProblem> setProblems(const DialogSet &set);

} // namespace kovrin
