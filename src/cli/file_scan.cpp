#include "cli/file_scan.h"

#include "cli/item_scanner.h"
#include "model/code_page.h"
#include "persist/design_fields.h"

#include <array>

namespace kovrin {
namespace {

using namespace design;

// The record slots carry over between records, as the reader keeps them.
using Slots = std::array<ScannedItem, kFieldCount>;

struct RecordRead
{
    std::size_t stored = 0;
    // Current format: how many stored items were more than a blank line; the reader drops a
    // record without any.
    std::size_t filled = 0;
    // Current format: the file ended before the record's end mark, and the reader leaves out the
    // item it ended on.
    bool cutByEndOfFile = false;
};

bool holdsMoreThanBlank(const ScannedItem &item)
{
    return item.quoted || !item.text.empty();
}

// Fills the slots of one record the way the reader does.
RecordRead readRecord(ItemScanner &items, Slots &slots, bool olderFormat)
{
    RecordRead read;
    if (olderFormat) {
        for (; read.stored < kOlderFieldCount && !items.atEnd(); ++read.stored)
            slots[read.stored] = items.next();
        slots[LineSpacing] = ScannedItem {"0", false, {}, false};
        return read;
    }
    for (std::size_t field = 0; !items.atEnd(); ++field) {
        ScannedItem item = items.next();
        if (item.text == kEndMark)
            break;
        if (items.atEnd()) {
            read.cutByEndOfFile = read.filled > 0 || holdsMoreThanBlank(item);
            break;
        }
        if (field < kFieldCount) {
            if (holdsMoreThanBlank(item))
                ++read.filled;
            slots[field] = std::move(item);
            ++read.stored;
        }
    }
    return read;
}

class Grouping
{
public:
    explicit Grouping(FileScan &scan)
        : m_scan(scan)
    {
    }

    void add(const Slots &slots, std::size_t stored)
    {
        const std::string &name = slots[DialogName].text;
        if (m_scan.controlCounts.empty() || name != m_currentName) {
            m_scan.controlCounts.push_back(0);
            m_currentName = name;
            m_hasRecords = false;
        }
        const std::size_t dialog = m_scan.controlCounts.size() - 1;
        const bool header = slots[Name].text == kGridKey;
        if (header && m_hasRecords)
            m_scan.splits.push_back({dialog, m_scan.controlCounts[dialog]});
        if (!header)
            ++m_scan.controlCounts[dialog];
        m_hasRecords = true;
        noteCutTexts(slots, stored, header);
    }

private:
    void noteCutTexts(const Slots &slots, std::size_t stored, bool header)
    {
        for (std::size_t field = 0; field < stored; ++field) {
            const ScannedItem &item = slots[field];
            if (item.quoted && (item.unclosed || !item.dropped.empty()))
                m_scan.cutTexts.push_back({slots[DialogName].text,
                                           header ? std::string() : slots[Name].text, header, field,
                                           item.unclosed});
        }
    }

    FileScan &m_scan;
    std::string m_currentName;
    bool m_hasRecords = false;
};

} // namespace

FileScan scanDesignFile(std::string_view bytes)
{
    const std::string text = decodeCp1252(bytes);
    FileScan scan;
    ItemScanner items(text);
    if (items.atEnd())
        return scan;
    if (items.next().text.find('.') == std::string::npos) {
        scan.olderFormat = true;
        items = ItemScanner(text);
    }
    Grouping grouping(scan);
    Slots slots {};
    while (!items.atEnd()) {
        const RecordRead read = readRecord(items, slots, scan.olderFormat);
        if (read.cutByEndOfFile)
            scan.endsInsideRecord = FileScan::Place {slots[DialogName].text, slots[Name].text};
        // The current format skips a record that stored nothing but blank lines; the older one
        // keeps a short last record unless it is blank.
        if (read.stored == 0 || (!scan.olderFormat && read.filled == 0))
            continue;
        if (scan.olderFormat && read.stored < kOlderFieldCount) {
            bool blank = true;
            for (std::size_t i = 0; i < read.stored; ++i)
                blank = blank && slots[i].text.empty();
            if (blank)
                continue;
        }
        grouping.add(slots, read.stored);
    }
    return scan;
}

} // namespace kovrin
