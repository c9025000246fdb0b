#include "persist/problem_list.h"

namespace kovrin {

void ProblemList::add(std::string line)
{
    if (m_lines.size() < kKeptLines)
        m_lines.push_back(std::move(line));
    else
        ++m_leftOut;
}

std::vector<std::string> ProblemList::lines() const
{
    std::vector<std::string> out = m_lines;
    if (m_leftOut > 0)
        out.push_back("... and " + std::to_string(m_leftOut) + " more problems of the same kinds.");
    return out;
}

std::string quotedExcerpt(const std::string &value)
{
    constexpr std::size_t kLongest = 40;
    if (value.size() <= kLongest)
        return "\"" + value + "\"";
    // Cut at a character boundary so the excerpt stays valid UTF-8.
    std::size_t cut = kLongest;
    while (cut > 0 && (static_cast<unsigned char>(value[cut]) & 0xC0) == 0x80)
        --cut;
    return "\"" + value.substr(0, cut) + "...\"";
}

} // namespace kovrin
