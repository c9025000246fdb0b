#pragma once
// Reads a design file record by record, the one way loading and the check both take it: the
// format from the first item, the record slots filled item by item, and each record's place in
// the grouping into dialogs by the dialog name that opens it. Nothing here judges a value.

#include "persist/byte_source.h"
#include "persist/design_fields.h"
#include "persist/item_reader.h"

#include <array>
#include <bitset>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kovrin {

// Not cleared between records: a field a record does not supply keeps the previous value.
using RecordSlots = std::array<Item, design::kFieldCount>;

struct ScannedRecord
{
    // A field's text moved out, for a record that keeps it: the scanner decodes it again from the
    // file should a later record not supply that field, so the text is never held twice.
    std::string takeText(std::size_t field)
    {
        taken.set(field);
        return std::exchange(slots[field].text, {});
    }

    RecordSlots slots {};
    std::bitset<design::kFieldCount> taken; // slots whose text was moved out
    std::size_t supplied = 0; // fields 0 .. supplied - 1 came from this record itself
    // The items after the last field (record_additions.h); this record's own, never kept over.
    std::vector<Item> additions;
    bool header = false; // a dialog header, which sets the grid step; otherwise a control
    // Names another dialog than the record before, or is the first record: a dialog starts here.
    // Adjacent dialogs of the same name thus become one.
    bool opensDialog = false;
};

// A record by the dialog and control name it had got when its reading stopped.
struct ScannedPlace
{
    std::string dialog;
    std::string control;
    std::size_t field = 0; // of the item the file ended on
    bool unclosed = false; // that item is a text whose closing quote never came
};

class RecordScanner
{
public:
    // The file's bytes, Windows-1252, read a piece at a time; the source outlives the scanner.
    explicit RecordScanner(ByteSource &source);
    // bytes: the whole file, kept until the scanner goes.
    explicit RecordScanner(std::string_view bytes);
    // The same bytes taken over rather than copied; they go with the scanner.
    struct Owned
    {
        std::string bytes;
    };
    explicit RecordScanner(Owned owned);
    RecordScanner(const RecordScanner &) = delete;
    RecordScanner &operator=(const RecordScanner &) = delete;

    bool olderFormat() const { return m_olderFormat; }

    // The next record the reader takes, or null at the end of the file. Valid until the next call,
    // and its texts may be taken (ScannedRecord::takeText) until then. A record of blank lines
    // only is passed over.
    ScannedRecord *next();

    // Current format: the file ends before the end mark of a record that holds more than blank
    // lines, and the item it ends on is not stored. Known once next() gave null.
    const std::optional<ScannedPlace> &endsInsideRecord() const { return m_endsInsideRecord; }

private:
    void readFormat();
    bool readCurrentRecord();
    bool readOlderRecord();
    void placeInDialog();
    void store(const ItemSpan &item, std::size_t field);
    const std::string &slotText(std::size_t field); // decoded again if it was taken

    std::string m_owned;
    MemoryBytes m_memory;
    std::array<ItemSpan, design::kFieldCount> m_stored {}; // where each slot's item stands
    ItemReader m_items;
    bool m_olderFormat = false;
    ScannedRecord m_record;
    bool m_anyRecord = false;
    std::string m_currentName;
    std::optional<ScannedPlace> m_endsInsideRecord;
};

} // namespace kovrin
