#include "surface/selection.h"

#include "model/drawn_controls.h"

#include <algorithm>

namespace kovrin {

bool Selection::contains(std::string_view tag) const
{
    return m_members.find(tag) != m_members.end();
}

void Selection::add(const std::string &tag)
{
    if (m_members.insert(tag).second)
        m_order.push_back(tag);
}

void Selection::addAll(const std::vector<std::string> &tags)
{
    for (const std::string &tag : tags)
        add(tag);
}

void Selection::toggle(const std::string &tag)
{
    if (m_members.erase(tag) == 0) {
        add(tag);
        return;
    }
    m_order.erase(std::find(m_order.begin(), m_order.end(), tag));
}

void Selection::clear()
{
    m_order.clear();
    m_members.clear();
}

bool Selection::keepOnly(const std::function<bool(const std::string &)> &keep)
{
    const auto gone = std::stable_partition(m_order.begin(), m_order.end(), keep);
    if (gone == m_order.end())
        return false;
    for (auto it = gone; it != m_order.end(); ++it)
        m_members.erase(*it);
    m_order.erase(gone, m_order.end());
    return true;
}

TwipRect bandBetween(double x0, double y0, double x1, double y1)
{
    const double left = std::min(x0, x1);
    const double top = std::min(y0, y1);
    return {left, top, std::max(x0, x1) - left, std::max(y0, y1) - top};
}

std::vector<std::string> controlsTouchedBy(const DrawnControls &surface, const TwipRect &band)
{
    std::vector<std::string> touched;
    for (const DrawnControl &c : surface.stackingOrder()) {
        if (c.visible && c.left <= band.right() && band.left <= c.left + c.width
            && c.top <= band.bottom() && band.top <= c.top + c.height)
            touched.push_back(c.tag);
    }
    return touched;
}

std::vector<std::string> allShownControls(const DrawnControls &surface)
{
    std::vector<std::string> shown;
    for (const DrawnControl &c : surface.stackingOrder()) {
        if (c.visible)
            shown.push_back(c.tag);
    }
    return shown;
}

bool dropHiddenControls(Selection &selection, const DrawnControls &surface)
{
    if (selection.empty())
        return false;
    // One pass over the surface, so that a large selection is not looked up control by control.
    const std::vector<std::string> shownTags = allShownControls(surface);
    const std::unordered_set<std::string> shown(shownTags.begin(), shownTags.end());
    return selection.keepOnly([&shown](const std::string &tag) { return shown.count(tag) > 0; });
}

} // namespace kovrin
