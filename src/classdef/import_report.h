#pragma once
// The report of an import as the user reads it: every line "file:line:column: what: kept
// instead" under its cause. The screen shows the first few and a count by cause; the report
// file holds every line kept.

#include "classdef/dialog_import.h"
#include "classdef/source_place.h"

#include <string>
#include <vector>

namespace kovrin {

struct ImportReportLine
{
    ReadCause cause;
    std::string text;
};

struct ImportReport
{
    std::vector<ImportReportLine> lines; // in the order met
    std::size_t notListed = 0; // counted, past the bounds of import_limits.h
    ReadCauseCounts counts {};

    void add(ReadCause cause, std::string text);
    bool empty() const { return lines.empty() && notListed == 0; }
};

// The read's problems, each with its place.
ImportReport importReport(const DialogImport &imported);

// "by cause:" and a line "  COUNT what" for each cause that has reports, in a fixed order.
std::vector<std::string> causeSummary(const ReadCauseCounts &counts);
// The first kShownProblems lines, a line saying how many more, and the summary.
std::vector<std::string> screenLines(const ImportReport &report);
// Every line kept, each ended by a line feed, and one more line for those not kept.
std::string reportFileText(const ImportReport &report);

} // namespace kovrin
