#include "model/problem_list.h"

namespace kovrin {

std::string problemLines(const std::vector<std::string> &problems, std::size_t maxShown)
{
    std::string out;
    const std::size_t shown = problems.size() <= maxShown ? problems.size() : maxShown;
    for (std::size_t i = 0; i < shown; ++i) {
        std::string line = problems[i];
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.pop_back();
        if (line.rfind("- ", 0) != 0)
            line.insert(0, "- ");
        out += line + "\r\n";
    }
    if (shown < problems.size())
        out += "- ... and " + std::to_string(problems.size() - shown) + " more.\r\n";
    return out;
}

} // namespace kovrin
