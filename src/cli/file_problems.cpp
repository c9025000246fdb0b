#include "cli/file_problems.h"

#include "cli/problem_line.h"
#include "persist/design_fields.h"

#include <set>

namespace kovrin {

std::vector<std::string> cutTextProblems(const std::vector<FileScan::CutText> &cutTexts)
{
    std::vector<std::string> lines;
    std::set<std::string> seen;
    for (const FileScan::CutText &cut : cutTexts) {
        // Every record repeats its dialog's name: a cut name is the dialog's problem.
        const bool ofDialog = cut.header || cut.field == design::DialogName;
        const std::string field = cut.field == design::DialogName
            ? std::string("the dialog name")
            : std::string(design::fieldName(cut.field));
        std::string line
            = problemLine(cut.dialog, ofDialog ? nullptr : &cut.control, field + kQuoteEndsText);
        if (seen.insert(line).second)
            lines.push_back(std::move(line));
    }
    return lines;
}

std::string endOfFileProblem(const ScannedPlace &place)
{
    return problemLine(place.dialog, &place.control,
                       "the file ends inside this record; its last item is not read");
}

} // namespace kovrin
