#include "classdef/import_report.h"

#include "classdef/import_limits.h"

namespace kovrin {
namespace {

std::string notListedLine(std::size_t count)
{
    return std::to_string(count) + " more problems are not listed";
}

} // namespace

void ImportReport::add(ReadCause cause, std::string text)
{
    ++counts[static_cast<std::size_t>(cause)];
    lines.push_back({cause, std::move(text)});
}

ImportReport importReport(const DialogImport &imported)
{
    ImportReport report;
    for (const ReadProblem &problem : imported.problems)
        report.lines.push_back({problem.cause, readProblemText(problem, imported.files)});
    report.notListed = imported.problemsLeftOut;
    report.counts = imported.counts;
    return report;
}

std::vector<std::string> causeSummary(const ReadCauseCounts &counts)
{
    std::vector<std::string> lines {"by cause:"};
    for (std::size_t i = 0; i < counts.size(); ++i) {
        if (counts[i] > 0)
            lines.push_back("  " + std::to_string(counts[i]) + " "
                            + std::string(readCauseInfo(static_cast<ReadCause>(i)).summary));
    }
    return lines;
}

std::vector<std::string> screenLines(const ImportReport &report)
{
    std::vector<std::string> lines;
    if (report.empty())
        return lines;
    for (std::size_t i = 0; i < report.lines.size() && i < kShownProblems; ++i)
        lines.push_back(report.lines[i].text);
    const std::size_t more = report.lines.size() > kShownProblems
        ? report.lines.size() - kShownProblems + report.notListed
        : report.notListed;
    if (more > 0)
        lines.push_back(std::to_string(more)
                        + " more problems are not shown here (--report FILE lists them)");
    for (std::string &line : causeSummary(report.counts))
        lines.push_back(std::move(line));
    return lines;
}

std::string reportFileText(const ImportReport &report)
{
    std::string text;
    for (const ImportReportLine &line : report.lines)
        text += line.text + '\n';
    if (report.notListed > 0)
        text += notListedLine(report.notListed) + '\n';
    return text;
}

} // namespace kovrin
