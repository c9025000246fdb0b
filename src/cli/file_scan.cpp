#include "cli/file_scan.h"

namespace kovrin {
namespace {

// The texts of the fields the record itself supplies that the reader cut short.
void noteCutTexts(const ScannedRecord &record, std::vector<FileScan::CutText> &cutTexts)
{
    const RecordSlots &slots = record.slots;
    for (std::size_t field = 0; field < record.supplied; ++field) {
        const Item &item = slots[field];
        // A text without its closing quote is the reader's own report.
        if (item.quoted && !item.unclosed && !item.dropped.empty())
            cutTexts.push_back({slots[design::DialogName].text,
                                record.header ? std::string() : slots[design::Name].text,
                                record.header, field});
    }
}

} // namespace

FileScan scanDesignFile(std::string_view bytes)
{
    RecordScanner records(bytes);
    FileScan scan;
    scan.olderFormat = records.olderFormat();
    while (const ScannedRecord *record = records.next()) {
        if (record->opensDialog)
            scan.controlCounts.push_back(0);
        const std::size_t dialog = scan.controlCounts.size() - 1;
        if (record->header && !record->opensDialog)
            scan.splits.push_back({dialog, scan.controlCounts[dialog]});
        if (!record->header)
            ++scan.controlCounts[dialog];
        noteCutTexts(*record, scan.cutTexts);
    }
    scan.endsInsideRecord = records.endsInsideRecord();
    return scan;
}

} // namespace kovrin
