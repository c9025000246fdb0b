#pragma once
// Where something stands in the class definitions: a file of the read (the file given and those
// it includes), a line and a column, both counted from 1. Every problem the reader reports
// carries one.

#include <array>
#include <cstdint>
#include <iterator>
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

// Why a report was made. Summaries count reports by it, and it tells whether a dialog or a
// control was left out or only something in one replaced.
enum class ReadCause : std::uint8_t {
    Other, // a report not given a cause of its own: something was replaced
    Syntax, // text the reader could not follow; the statement is left out
    Preprocessor, // a directive or macro call that could not be applied
    Include, // an included file that was not read
    Limit, // past a nesting or length limit
    BaseClass, // a base class that was not found
    ValueReplaced, // a control's value Kovrin cannot hold; the field keeps another
    DialogValue, // a dialog's value that is not kept
    GameClass, // a base class whose values are the game's, not in the file
    ControlLeftOut,
    DialogLeftOut,
    Renamed, // a dialog renamed to join the set
    CodePage, // text the design file's code page cannot hold
};
struct ReadCauseInfo
{
    std::string_view summary; // "values replaced", after a count
    bool leftOut; // a dialog or a control was left out
};

// One row per cause, in the order of ReadCause.
inline constexpr ReadCauseInfo kReadCauses[] {
    {"other reports", false},
    {"statements the reader could not follow", false},
    {"directives and macro calls not applied", false},
    {"included files not read", false},
    {"parts past a limit of the import", false},
    {"base classes not found", false},
    {"values of controls replaced", false},
    {"values of dialogs not kept", false},
    {"base classes whose values are the game's", false},
    {"controls left out", true},
    {"dialogs left out", true},
    {"dialogs renamed", false},
    {"texts the code page cannot hold", false},
};
inline constexpr std::size_t kReadCauseCount = std::size(kReadCauses);
static_assert(static_cast<std::size_t>(ReadCause::CodePage) + 1 == kReadCauseCount);

ReadCauseInfo readCauseInfo(ReadCause cause);

// Reports by cause, counted also past what is kept.
using ReadCauseCounts = std::array<std::size_t, kReadCauseCount>;
// Some count is of a cause that left a dialog or a control out.
bool leavesSomethingOut(const ReadCauseCounts &counts);

struct ReadProblem
{
    SourcePlace place;
    std::string message; // "what: kept instead"
    ReadCause cause = ReadCause::Other;
};

// Every problem is counted; it is kept while the bounds of import_limits.h allow, so a hostile
// file repeating one mistake cannot grow the list without end.
class ReadProblems
{
public:
    void add(SourcePlace place, std::string message, ReadCause cause = ReadCause::Other);
    const std::vector<ReadProblem> &problems() const { return m_problems; }
    std::size_t leftOut() const { return m_leftOut; }
    const ReadCauseCounts &counts() const { return m_counts; }

private:
    std::vector<ReadProblem> m_problems;
    std::size_t m_keptBytes = 0;
    std::size_t m_leftOut = 0;
    ReadCauseCounts m_counts {};
};

// A token as a report quotes it: between double quotes, at most 40 characters and never past the
// end of its first line, so a report shows no more of a file than the line it names.
std::string quotedSpelling(std::string_view spelling);

// "FILE:LINE:COLUMN: message", the form compilers use, so editors can jump to it.
std::string readProblemText(const ReadProblem &problem, const std::vector<std::string> &files);

} // namespace kovrin
