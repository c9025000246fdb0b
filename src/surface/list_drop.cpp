#include "surface/list_drop.h"

#include "model/control_groups.h"

#include <optional>
#include <unordered_map>
#include <unordered_set>

namespace kovrin {
namespace {

// The groups of a dialog and where they are drawn, gathered once for many points.
class ListFinder
{
public:
    explicit ListFinder(const Dialog &dialog)
        : m_records(dialog.cControls)
        , m_holders(holderIndices(m_records))
        , m_drawn(m_records.size(), nullptr)
    {
        std::unordered_map<std::string_view, const DrawnControl *> shown;
        for (const DrawnControl &control : dialog.drawn.stackingOrder()) {
            if (control.visible && control.kind == ControlKind::Group)
                shown.emplace(control.tag, &control);
        }
        for (std::size_t i = 0; i < m_records.size(); ++i) {
            m_recordOf.emplace(m_records[i].Tag, i);
            if (!isGroupRecord(m_records[i]))
                continue;
            m_groups.push_back(i);
            if (const auto drawn = shown.find(m_records[i].Tag); drawn != shown.end())
                m_drawn[i] = drawn->second;
        }
        if (!dialog.drawn.stackingOrder().empty())
            m_stackStart = &dialog.drawn.stackingOrder().front();
    }

    std::string at(double x, double y, std::string_view movingTag) const
    {
        std::optional<std::size_t> found;
        std::size_t foundDepth = 0;
        std::ptrdiff_t foundStack = 0;
        for (std::size_t group : m_groups) {
            if (!showsPoint(group, x, y) || m_records[group].Tag == movingTag)
                continue;
            // A group clipped away by a group around it shows nothing at the point, and a group
            // inside the moving control cannot take it.
            std::size_t depth = 1;
            bool takes = true;
            for (auto holder = m_holders[group]; holder && takes; holder = m_holders[*holder]) {
                takes = showsPoint(*holder, x, y) && m_records[*holder].Tag != movingTag;
                ++depth;
            }
            if (!takes)
                continue;
            const std::ptrdiff_t stack = m_drawn[group] - m_stackStart;
            if (depth > foundDepth || (depth == foundDepth && stack > foundStack)) {
                found = group;
                foundDepth = depth;
                foundStack = stack;
            }
        }
        return found ? m_records[*found].Tag : std::string();
    }

    std::optional<std::size_t> recordOf(std::string_view tag) const
    {
        const auto it = m_recordOf.find(tag);
        return it == m_recordOf.end() ? std::nullopt : std::optional(it->second);
    }

    std::optional<std::size_t> holderOf(std::size_t record) const { return m_holders[record]; }

private:
    bool showsPoint(std::size_t group, double x, double y) const
    {
        return m_drawn[group] && m_drawn[group]->contains(x, y);
    }

    const std::vector<ControlRecord> &m_records;
    std::vector<std::optional<std::size_t>> m_holders;
    std::vector<const DrawnControl *> m_drawn; // a shown group's drawn control, by record
    std::vector<std::size_t> m_groups;
    std::unordered_map<std::string_view, std::size_t> m_recordOf; // the first record of a tag
    const DrawnControl *m_stackStart = nullptr;
};

} // namespace

std::string listAtPoint(const Dialog &dialog, double x, double y, std::string_view movingTag)
{
    return ListFinder(dialog).at(x, y, movingTag);
}

bool dropIntoLists(SurfaceRef s, const std::vector<std::string> &tags)
{
    bool changed = false;
    std::optional<ListFinder> finder;
    for (const std::string &tag : tags) {
        if (!finder)
            finder.emplace(s.dialog()); // again after a change of list: the holders moved
        const DrawnControl *drawn = s.drawn().findByTag(tag);
        const auto record = finder->recordOf(tag);
        if (!drawn || !drawn->visible || !record)
            continue;
        const std::string list = finder->at(drawn->left, drawn->top, tag);
        const auto holder = finder->holderOf(*record);
        const std::string_view now
            = holder ? std::string_view(s.dialog().cControls[*holder].Tag) : std::string_view();
        if (list == now || !s.set.setControlGroup(s.dialogIndex, tag, list))
            continue;
        changed = true;
        finder.reset();
    }
    return changed;
}

std::vector<std::string> outermostTags(const Dialog &dialog, const std::vector<std::string> &tags)
{
    if (!holdsGroups(dialog.cControls))
        return tags;
    const std::vector<ControlRecord> &records = dialog.cControls;
    const auto holders = holderIndices(records);
    const std::unordered_set<std::string_view> picked(tags.begin(), tags.end());
    std::unordered_map<std::string_view, std::size_t> recordOf;
    for (std::size_t i = 0; i < records.size(); ++i)
        recordOf.emplace(records[i].Tag, i);
    std::vector<std::string> outermost;
    for (const std::string &tag : tags) {
        bool held = false;
        if (const auto it = recordOf.find(tag); it != recordOf.end()) {
            for (auto holder = holders[it->second]; holder && !held; holder = holders[*holder])
                held = picked.contains(records[*holder].Tag);
        }
        if (!held)
            outermost.push_back(tag);
    }
    return outermost;
}

} // namespace kovrin
