#include "persist/design_reader.h"

#include "model/code_page.h"
#include "persist/design_assembler.h"
#include "persist/file_io.h"

namespace kovrin {
namespace {

using namespace design;

// Current format: items into fields 0, 1, 2 ... up to the end mark. The item after which the
// file ends is not stored; items beyond the last field are dropped. Returns how many stored items
// were more than a blank line.
std::size_t readCurrentRecord(ItemReader &items, RecordSlots &slots)
{
    std::size_t field = 0;
    std::size_t stored = 0;
    while (!items.atEnd()) {
        Item item = items.next();
        if (item.text == kEndMark || items.atEnd())
            break;
        if (field < kFieldCount) {
            if (item.quoted || !item.text.empty())
                ++stored;
            slots[field] = std::move(item);
        }
        ++field;
    }
    return stored;
}

// Older format: fixed records of 36 items and no line spacing. Returns how many were read.
std::size_t readOlderRecord(ItemReader &items, RecordSlots &slots, bool &onlyBlank)
{
    std::size_t field = 0;
    onlyBlank = true;
    for (; field < kOlderFieldCount && !items.atEnd(); ++field) {
        slots[field] = items.next();
        onlyBlank = onlyBlank && slots[field].text.empty();
    }
    slots[LineSpacing] = Item {"0", false, {}, false};
    return field;
}

void readRecords(ItemReader &items, LoadedDesign &design, char separator, ProblemList &problems)
{
    DesignAssembler assembler(design, FieldReading {separator, design.olderFormat}, problems);
    RecordSlots slots {};
    while (!items.atEnd()) {
        if (!design.olderFormat) {
            // A record that stored nothing but blank lines ("###" right after "###", blank lines
            // at the end of a file edited by hand) would only repeat the record before it from
            // the kept slots, or make a dialog without a name.
            if (readCurrentRecord(items, slots) > 0)
                assembler.add(slots);
            continue;
        }
        bool onlyBlank = true;
        const std::size_t read = readOlderRecord(items, slots, onlyBlank);
        if (read == kOlderFieldCount) {
            assembler.add(slots);
        } else if (!onlyBlank) {
            const std::string place = assembler.add(slots);
            problems.add(place + ": the file ends after " + std::to_string(read) + " of "
                         + std::to_string(kOlderFieldCount)
                         + " items; the other fields keep the values of the record before.");
        }
    }
}

} // namespace

LoadedDesign parseDesign(std::string_view bytes, char separator)
{
    const std::string text = decodeCp1252(bytes);
    LoadedDesign design;
    ItemReader items(text);
    if (items.atEnd())
        return design;
    // The version line holds a "."; a file without it is of the older format and its first
    // item is already data.
    if (items.next().text.find('.') == std::string::npos) {
        design.olderFormat = true;
        items = ItemReader(text);
    }
    ProblemList problems;
    readRecords(items, design, separator, problems);
    design.problems = problems.lines();
    return design;
}

Result<LoadedDesign> readDesign(const std::filesystem::path &path, char separator)
{
    auto bytes = readWholeFile(path);
    if (!bytes)
        return Result<LoadedDesign>::failure(bytes.message);
    return Result<LoadedDesign>::of(parseDesign(*bytes, separator));
}

} // namespace kovrin
