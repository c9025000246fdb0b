#include "classdef/source_place.h"

#include "classdef/import_limits.h"
#include "model/message_text.h"

namespace kovrin {

ReadCauseInfo readCauseInfo(ReadCause cause)
{
    const auto index = static_cast<std::size_t>(cause);
    return index < kReadCauseCount ? kReadCauses[index] : kReadCauses[0];
}

bool leavesSomethingOut(const ReadCauseCounts &counts)
{
    for (std::size_t i = 0; i < counts.size(); ++i) {
        if (counts[i] > 0 && readCauseInfo(static_cast<ReadCause>(i)).leftOut)
            return true;
    }
    return false;
}

void ReadProblems::add(SourcePlace place, std::string message, ReadCause cause)
{
    ++m_counts[static_cast<std::size_t>(cause)];
    if (m_problems.size() < kKeptProblems
        && spendBudget(m_keptBytes, message.size(), kKeptProblemBytes))
        m_problems.push_back({place, std::move(message), cause});
    else
        ++m_leftOut;
}

std::string quotedSpelling(std::string_view spelling)
{
    constexpr std::size_t kLongest = 40;
    const std::string_view line = firstLine(spelling);
    if (line.size() > kLongest || line.size() < spelling.size())
        return "\"" + std::string(line.substr(0, kLongest)) + "...\"";
    return "\"" + std::string(line) + "\"";
}

std::string readProblemText(const ReadProblem &problem, const std::vector<std::string> &files)
{
    const std::string file
        = problem.place.file < files.size() ? files[problem.place.file] : std::string("?");
    return file + ":" + std::to_string(problem.place.line) + ":"
        + std::to_string(problem.place.column) + ": " + problem.message;
}

} // namespace kovrin
