#include "classdef/import_limits.h"

#include <string>

namespace kovrin {

bool spendBudget(std::size_t &used, std::size_t more, std::size_t budget)
{
    if (more > budget || used > budget - more)
        return false;
    used += more;
    return true;
}

ReadProblem budgetStop(SourcePlace place, std::string_view what, std::size_t budget)
{
    return {place,
            std::string(kBudgetStopWords) + "more than " + std::to_string(budget) + " "
                + std::string(what),
            ReadCause::Limit};
}

} // namespace kovrin
