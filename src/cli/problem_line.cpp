#include "cli/problem_line.h"

#include "model/message_text.h"

namespace kovrin {

std::string problemLine(std::string_view dialog, const std::string *control,
                        std::string_view problem)
{
    std::string line = "dialog " + quotedText(dialog);
    if (control)
        line += ", control " + quotedText(*control);
    return line + ": " + std::string(problem);
}

} // namespace kovrin
