#include "model/problem_list.h"

namespace kovrin {

void ProblemList::add(std::string line)
{
    if (m_lines.size() < kMostListed)
        m_lines.push_back(std::move(line));
    else
        ++m_leftOut;
}

void ProblemList::addAll(ProblemList later)
{
    for (std::string &line : later.m_lines)
        add(std::move(line));
    m_leftOut += later.m_leftOut;
}

std::vector<std::string> ProblemList::lines() const
{
    std::vector<std::string> out = m_lines;
    if (m_leftOut > 0)
        out.push_back("... and " + std::to_string(m_leftOut)
                      + (m_leftOut == 1 ? " more problem." : " more problems."));
    return out;
}

std::vector<std::string> listedProblems(const std::vector<std::string> &lines)
{
    ProblemList list;
    for (const std::string &line : lines)
        list.add(line);
    return list.lines();
}

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
