#pragma once
// The problems met while reading a file, one line each. A damaged file can hold thousands; the
// list keeps the first ones and counts the rest, so a message box stays readable.

#include <cstddef>
#include <string>
#include <vector>

namespace kovrin {

class ProblemList
{
public:
    static constexpr std::size_t kKeptLines = 100;

    void add(std::string line);
    // The kept lines, followed by one line counting those left out.
    std::vector<std::string> lines() const;

private:
    std::vector<std::string> m_lines;
    std::size_t m_leftOut = 0;
};

// A value as a report quotes it: between double quotes, cut short when long.
std::string quotedExcerpt(const std::string &value);

} // namespace kovrin
