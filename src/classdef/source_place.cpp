#include "classdef/source_place.h"

#include "classdef/import_limits.h"
#include "model/message_text.h"

namespace kovrin {

ReadCauseInfo readCauseInfo(ReadCause cause)
{
    switch (cause) {
    case ReadCause::Other:
        break;
    case ReadCause::Syntax:
        return {"statements the reader could not follow", false};
    case ReadCause::Preprocessor:
        return {"directives and macro calls not applied", false};
    case ReadCause::Include:
        return {"included files not read", false};
    case ReadCause::Limit:
        return {"parts past a limit of the import", false};
    case ReadCause::BaseClass:
        return {"base classes not found", false};
    case ReadCause::ValueReplaced:
        return {"values of controls replaced", false};
    case ReadCause::DialogValue:
        return {"values of dialogs not kept", false};
    case ReadCause::GameClass:
        return {"base classes whose values are the game's", false};
    case ReadCause::ControlLeftOut:
        return {"controls left out", true};
    case ReadCause::DialogLeftOut:
        return {"dialogs left out", true};
    case ReadCause::Renamed:
        return {"dialogs renamed", false};
    case ReadCause::CodePage:
        return {"texts the code page cannot hold", false};
    }
    return {"other reports", false};
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
