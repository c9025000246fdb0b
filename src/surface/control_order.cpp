#include "surface/control_order.h"

#include "model/control_groups.h"

#include <utility>

namespace kovrin {

ControlOrderList::ControlOrderList(const std::vector<ControlRecord> &records,
                                   std::string_view groupTag)
{
    const std::vector<std::size_t> list = controlsOf(records, groupTag);
    m_entries.reserve(list.size());
    for (std::size_t k : list)
        m_entries.push_back({records[k].Name, static_cast<int>(k + 1)});
    m_selected.assign(m_entries.size(), false);
}

void ControlOrderList::exchange(std::size_t from, std::size_t to)
{
    std::swap(m_entries[from], m_entries[to]);
    m_selected[from] = false;
    m_selected[to] = true;
}

void ControlOrderList::front()
{
    for (std::size_t i = count(); i-- > 0;) {
        if (m_selected[i] && i + 1 < count() && !m_selected[i + 1])
            exchange(i, i + 1);
    }
}

void ControlOrderList::back()
{
    for (std::size_t i = 0; i < count(); ++i) {
        if (m_selected[i] && i > 0 && !m_selected[i - 1])
            exchange(i, i - 1);
    }
}

std::vector<std::string>
ControlOrderList::tagsInOrder(const std::vector<ControlRecord> &records) const
{
    std::vector<std::string> tags;
    tags.reserve(m_entries.size());
    for (const OrderEntry &entry : m_entries) {
        const auto index = static_cast<std::size_t>(entry.number - 1);
        if (entry.number >= 1 && index < records.size())
            tags.push_back(records[index].Tag);
    }
    return tags;
}

std::string orderedListOf(const std::vector<ControlRecord> &records, std::string_view tag)
{
    if (tag.empty())
        return {};
    for (const ControlRecord &record : records) {
        if (record.Tag == tag) {
            const auto holder = holderOf(records, record);
            return holder ? records[*holder].Tag : std::string();
        }
    }
    return {};
}

} // namespace kovrin
