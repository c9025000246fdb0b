#pragma once
// The controls a user picked on one surface (Ctrl/Shift+click, the rubber band, Select All), in
// the order they were picked: the first one is the reference of the align and same-size
// commands. View state: undo neither keeps nor restores it.

#include "model/twip_rect.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace kovrin {

struct DrawnControls;

class Selection
{
public:
    bool empty() const { return m_order.empty(); }
    std::size_t size() const { return m_order.size(); }
    // By tag, in the order they were picked.
    const std::vector<std::string> &tags() const { return m_order; }
    bool contains(std::string_view tag) const;

    // Appended when not yet picked.
    void add(const std::string &tag);
    void addAll(const std::vector<std::string> &tags);
    // Removed when picked, appended otherwise.
    void toggle(const std::string &tag);
    void clear();
    // Drops every tag the test refuses; true when one went.
    bool keepOnly(const std::function<bool(const std::string &)> &keep);

private:
    struct Hash
    {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const
        {
            return std::hash<std::string_view> {}(s);
        }
    };
    std::vector<std::string> m_order;
    std::unordered_set<std::string, Hash, std::equal_to<>> m_members;
};

// The rectangle between two corners given in any order.
TwipRect bandBetween(double x0, double y0, double x1, double y1);

// The visible drawn controls the band touches (overlaps or meets at an edge), back to front.
std::vector<std::string> controlsTouchedBy(const DrawnControls &surface, const TwipRect &band);

// Every visible drawn control, back to front.
std::vector<std::string> allShownControls(const DrawnControls &surface);

// Lets go of the picked controls no longer shown (deleted, undone); true when one went.
bool dropHiddenControls(Selection &selection, const DrawnControls &surface);

} // namespace kovrin
