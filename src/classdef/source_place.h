#pragma once
// Where something stands in the class definitions: a file of the read (the file given and those
// it includes), a line and a column, both counted from 1. Every problem the reader reports
// carries one.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kovrin {

struct SourcePlace
{
    std::uint32_t file = 0; // index into the read's file names
    std::uint32_t line = 0;
    std::uint32_t column = 0;
};

struct ReadProblem
{
    SourcePlace place;
    std::string message;
};

// Problems that a damaged input can repeat thousands of times stop being kept after this many;
// one last problem says so.
inline constexpr std::size_t kKeptProblems = 200;

class ReadProblems
{
public:
    void add(SourcePlace place, std::string message);
    const std::vector<ReadProblem> &problems() const { return m_problems; }
    std::size_t leftOut() const { return m_leftOut; }

private:
    std::vector<ReadProblem> m_problems;
    std::size_t m_leftOut = 0;
};

// A token as a report quotes it: between double quotes, at most 40 characters and never past the
// end of its first line, so a report shows no more of a file than the line it names.
std::string quotedSpelling(std::string_view spelling);

// "FILE:LINE:COLUMN: message", the form compilers use, so editors can jump to it.
std::string readProblemText(const ReadProblem &problem, const std::vector<std::string> &files);

} // namespace kovrin
