#include "persist/record_scanner.h"

namespace kovrin {

using namespace design;

RecordScanner::RecordScanner(ByteSource &source)
    : m_memory({})
    , m_items(source)
{
    readFormat();
}

RecordScanner::RecordScanner(std::string_view bytes)
    : m_memory(bytes)
    , m_items(m_memory)
{
    readFormat();
}

RecordScanner::RecordScanner(Owned owned)
    : m_owned(std::move(owned.bytes))
    , m_memory(m_owned)
    , m_items(m_memory)
{
    readFormat();
}

void RecordScanner::readFormat()
{
    if (m_items.atEnd())
        return;
    // The version line holds a "."; a file without it is of the older format and its first
    // item is already data.
    if (m_items.next().text.find('.') == std::string::npos) {
        m_olderFormat = true;
        m_items.restart();
    }
}

ScannedRecord *RecordScanner::next()
{
    while (!m_items.atEnd()) {
        if (m_olderFormat ? readOlderRecord() : readCurrentRecord()) {
            // The fields this record did not supply keep the values of the record before.
            for (std::size_t field = 0; m_record.taken.any() && field < kFieldCount; ++field)
                slotText(field);
            placeInDialog();
            return &m_record;
        }
    }
    return nullptr;
}

// Current format: items into fields 0, 1, 2 ... up to the end mark. The item after which the
// file ends is not stored; items beyond the last field are the record's additions. A record that
// stored nothing but blank lines ("###" right after "###", blank lines at the end of a file edited
// by hand) would only repeat the record before it from the kept slots, or make a dialog without a
// name: it is not taken.
bool RecordScanner::readCurrentRecord()
{
    m_record.supplied = 0;
    m_record.additions.clear();
    bool filled = false;
    for (std::size_t field = 0; !m_items.atEnd(); ++field) {
        // Looked at before it is copied: neither the end mark nor an item past the last field
        // is kept, and the slot it would land in keeps its value.
        const ItemSpan item = m_items.peek();
        if (item.textSize == kEndMark.size() && item.text == kEndMark) {
            m_items.skip(item);
            break;
        }
        const bool holdsMore = item.quoted || item.textSize != 0;
        if (m_items.endsFile(item)) {
            m_items.skip(item);
            if (filled || holdsMore)
                m_endsInsideRecord
                    = ScannedPlace {slotText(DialogName), slotText(Name), field, item.unclosed};
            break;
        }
        if (field < kFieldCount) {
            filled = filled || holdsMore;
            store(item, field);
            m_record.supplied = field + 1;
        } else {
            m_items.take(item, m_record.additions.emplace_back());
        }
    }
    return filled;
}

// Older format: fixed records of 36 items and no line spacing. A last record cut short is taken
// unless it is blank.
bool RecordScanner::readOlderRecord()
{
    RecordSlots &slots = m_record.slots;
    bool onlyBlank = true;
    std::size_t field = 0;
    for (; field < kOlderFieldCount && !m_items.atEnd(); ++field) {
        store(m_items.peek(), field);
        onlyBlank = onlyBlank && slots[field].text.empty();
    }
    slots[LineSpacing] = Item {"0", false, {}, false};
    m_record.taken.reset(LineSpacing);
    m_record.supplied = field;
    return field == kOlderFieldCount || !onlyBlank;
}

void RecordScanner::store(const ItemSpan &item, std::size_t field)
{
    m_items.take(item, m_record.slots[field]);
    m_stored[field] = item;
    m_record.taken.reset(field);
}

const std::string &RecordScanner::slotText(std::size_t field)
{
    if (m_record.taken.test(field)) {
        m_items.decodeAgain(m_stored[field], m_record.slots[field]);
        m_record.taken.reset(field);
    }
    return m_record.slots[field].text;
}

void RecordScanner::placeInDialog()
{
    const std::string &name = m_record.slots[DialogName].text;
    // A first record naming no dialog ("") still needs a dialog to land in.
    m_record.opensDialog = !m_anyRecord || name != m_currentName;
    m_anyRecord = true;
    m_currentName = name;
    m_record.header = m_record.slots[Name].text == kGridKey;
}

} // namespace kovrin
