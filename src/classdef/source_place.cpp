#include "classdef/source_place.h"

#include "model/message_text.h"

namespace kovrin {

void ReadProblems::add(SourcePlace place, std::string message)
{
    if (m_problems.size() < kKeptProblems)
        m_problems.push_back({place, std::move(message)});
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
