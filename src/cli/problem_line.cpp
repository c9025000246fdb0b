#include "cli/problem_line.h"

namespace kovrin {

std::string shownText(std::string_view text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\t')
            out += "\\t";
        else
            out += c;
    }
    return out + "\"";
}

std::string problemLine(std::string_view dialog, const std::string *control,
                        std::string_view problem)
{
    std::string line = "dialog " + shownText(dialog);
    if (control)
        line += ", control " + shownText(*control);
    return line + ": " + std::string(problem);
}

} // namespace kovrin
