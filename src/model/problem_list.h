#pragma once
// A list of problems as one message shows it: the first hundred named, the rest counted, so a
// damaged file of any size gives a message of bounded size. Each shown as one "- " line ended by
// CR LF, the way every list of refusals and warnings of the program is shown.

#include <cstddef>
#include <string>
#include <vector>

namespace kovrin {

class ProblemList
{
public:
    static constexpr std::size_t kMostListed = 100;

    void add(std::string line);
    // Another list's problems after these, as if each had been added here.
    void addAll(ProblemList later);
    bool empty() const { return m_lines.empty(); }
    // Every problem added, listed or not.
    std::size_t count() const { return m_lines.size() + m_leftOut; }
    // The listed lines, then one line that counts those left out.
    std::vector<std::string> lines() const;

private:
    std::vector<std::string> m_lines;
    std::size_t m_leftOut = 0;
};

// Lines of any number, listed as a ProblemList lists them.
std::vector<std::string> listedProblems(const std::vector<std::string> &lines);

std::string problemLines(const std::vector<std::string> &problems);

} // namespace kovrin
