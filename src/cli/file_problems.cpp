#include "cli/file_problems.h"

#include "cli/problem_line.h"

namespace kovrin {

std::string endOfFileProblem(const ScannedPlace &place)
{
    return problemLine(place.dialog, &place.control,
                       "the file ends inside this record; its last item is not read");
}

} // namespace kovrin
