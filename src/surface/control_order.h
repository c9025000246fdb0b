#pragma once
// The list of the control order window: one entry per record of one list of a dialog (its own
// controls, or a controls group's), back (place 0) to front, each holding the record's name and
// the position it had in cControls when the list was filled. A selection mark belongs to a
// place, not to the entry standing in it.

#include "model/control_record.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kovrin {

struct OrderEntry
{
    std::string text; // the record's Name
    int number = 0; // 1-based position in cControls when the list was filled
    bool operator==(const OrderEntry &) const = default;
};

class ControlOrderList
{
public:
    // One entry per record of the list of groupTag ("" for the dialog's own), in order; nothing
    // selected.
    explicit ControlOrderList(const std::vector<ControlRecord> &records,
                              std::string_view groupTag = {});

    const std::vector<OrderEntry> &entries() const { return m_entries; }
    std::size_t count() const { return m_entries.size(); }
    bool isSelected(std::size_t place) const { return m_selected.at(place); }
    void setSelected(std::size_t place, bool selected) { m_selected.at(place) = selected; }

    // Every selected entry one place towards the front (down the list) or the back (up). A
    // selected entry never changes places with another selected one, so a selected block at the
    // end of the list stays as it is.
    void front();
    void back();

    // The Tag of the record each entry stands for, in list order: the order OK applies.
    std::vector<std::string> tagsInOrder(const std::vector<ControlRecord> &records) const;

private:
    void exchange(std::size_t from, std::size_t to);

    std::vector<OrderEntry> m_entries;
    std::vector<bool> m_selected;
};

// The list the order window shows for a control: the Tag of the group holding the record of
// tag, "" for the dialog's own list (also for no tag or no such record).
std::string orderedListOf(const std::vector<ControlRecord> &records, std::string_view tag);

} // namespace kovrin
