#include "cli/file_scan.h"

#include "cli/problem_line.h"

#include <set>

namespace kovrin {
namespace {

// The texts of the fields the record itself supplies that the reader cut short.
void noteCutTexts(const ScannedRecord &record, std::set<std::string> &seen,
                  std::vector<std::string> &cutTexts)
{
    const RecordSlots &slots = record.slots;
    for (std::size_t field = 0; field < record.supplied; ++field) {
        const Item &item = slots[field];
        // A text without its closing quote is the reader's own report.
        if (!item.quoted || item.unclosed || item.dropped.empty())
            continue;
        // Every record repeats its dialog's name: a cut name is the dialog's problem.
        const bool ofDialog = record.header || field == design::DialogName;
        const std::string what = field == design::DialogName
            ? std::string("the dialog name")
            : std::string(design::fieldName(field));
        std::string line
            = problemLine(slots[design::DialogName].text,
                          ofDialog ? nullptr : &slots[design::Name].text, what + kQuoteEndsText);
        if (seen.insert(line).second)
            cutTexts.push_back(std::move(line));
    }
}

} // namespace

FileScan scanDesignFile(std::string_view bytes)
{
    MemoryBytes source(bytes);
    return scanDesignFile(source);
}

FileScan scanDesignFile(ByteSource &bytes)
{
    RecordScanner records(bytes);
    FileScan scan;
    std::set<std::string> seen;
    scan.olderFormat = records.olderFormat();
    while (const ScannedRecord *record = records.next()) {
        if (record->opensDialog)
            scan.controlCounts.push_back(0);
        const std::size_t dialog = scan.controlCounts.size() - 1;
        if (record->header && !record->opensDialog)
            scan.splits.push_back({dialog, scan.controlCounts[dialog]});
        if (!record->header)
            ++scan.controlCounts[dialog];
        noteCutTexts(*record, seen, scan.cutTexts);
    }
    scan.endsInsideRecord = records.endsInsideRecord();
    return scan;
}

} // namespace kovrin
