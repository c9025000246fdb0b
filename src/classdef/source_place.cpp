#include "classdef/source_place.h"

namespace kovrin {

void ReadProblems::add(SourcePlace place, std::string message)
{
    if (m_problems.size() < kKeptProblems)
        m_problems.push_back({place, std::move(message)});
    else
        ++m_leftOut;
}

std::string readProblemText(const ReadProblem &problem, const std::vector<std::string> &files)
{
    const std::string file
        = problem.place.file < files.size() ? files[problem.place.file] : std::string("?");
    return file + ":" + std::to_string(problem.place.line) + ":"
        + std::to_string(problem.place.column) + ": " + problem.message;
}

} // namespace kovrin
