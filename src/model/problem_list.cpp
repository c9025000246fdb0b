#include "model/problem_list.h"

namespace kovrin {

std::string problemLines(const std::vector<std::string> &problems)
{
    std::string out;
    for (std::string line : problems) {
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.pop_back();
        if (line.rfind("- ", 0) != 0)
            line.insert(0, "- ");
        out += line + "\r\n";
    }
    return out;
}

} // namespace kovrin
