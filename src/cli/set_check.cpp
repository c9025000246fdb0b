#include "cli/set_check.h"

#include "cli/design_check.h"
#include "cli/dialogs_as_listed.h"

namespace kovrin {

std::vector<DesignProblem> setProblems(const DialogSet &set)
{
    std::vector<DesignProblem> problems;
    locateProblems(setDialogs(set),
                   [&problems](DesignProblem problem) { problems.push_back(std::move(problem)); });
    return problems;
}

} // namespace kovrin
