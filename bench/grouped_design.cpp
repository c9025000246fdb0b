#include "grouped_design.h"

#include "surface/move_limits.h"

#include <array>

namespace kovrin::bench {
namespace {

constexpr int kTrees = 3;
constexpr int kPerInnerGroup = 137; // 3 trees x (7 groups + 4 x 137) = 1,665, a third of 5,000
constexpr std::array<ControlKind, 8> kSmallKinds {
    ControlKind::Input, ControlKind::Text, ControlKind::Combo,   ControlKind::Button,
    ControlKind::Link,  ControlKind::List, ControlKind::Picture, ControlKind::Slider};

class Maker
{
public:
    explicit Maker(bool withGroups)
        : m_withGroups(withGroups)
    {
        m_design.set.insertDialog();
    }

    // A controls group (a frame without groups) at a rectangle on the screen, in holder.
    std::string group(const TwipRect &rect, const std::string &holder)
    {
        const std::string tag
            = made(m_withGroups ? ControlKind::Group : ControlKind::Frame, rect.left, rect.top);
        m_design.set.setControlGeometry(0, tag, rect, placeOf(rect, kGroupedSurface, true));
        join(tag, holder);
        return tag;
    }
    std::string control(double left, double top, const std::string &holder)
    {
        const std::string tag = made(kSmallKinds[m_count % kSmallKinds.size()], left, top);
        join(tag, holder);
        return tag;
    }
    std::size_t count() const { return m_count; }
    GroupedDesign &design() { return m_design; }

private:
    std::string made(ControlKind kind, double left, double top)
    {
        const auto index = m_design.set.createControl(0, kind, left, top, kGroupedSurface);
        ++m_count;
        return m_design.set.dialog(0).cControls.at(*index).Tag;
    }
    void join(const std::string &tag, const std::string &holder)
    {
        if (holder.empty())
            return;
        ++m_design.inGroups;
        if (m_withGroups)
            m_design.set.setControlGroup(0, tag, holder);
    }

    bool m_withGroups;
    GroupedDesign m_design;
    std::size_t m_count = 0;
};

} // namespace

GroupedDesign makeGroupedDesign(bool withGroups)
{
    Maker maker(withGroups);
    for (int tree = 0; tree < kTrees; ++tree) {
        const std::size_t before = maker.count();
        const double left = tree * 4000.0;
        const std::string outer = maker.group({left, 0, 3900, 5000}, {});
        for (int m = 0; m < 2; ++m) {
            // A gap of 50 twips between the middle groups shows the outer group's background.
            const double middleLeft = left + m * 1950.0;
            const std::string middle = maker.group({middleLeft, 0, 1900, 5000}, outer);
            for (int n = 0; n < 2; ++n) {
                const double innerTop = n * 2500.0;
                const std::string inner = maker.group({middleLeft, innerTop, 1900, 2400}, middle);
                for (int c = 0; c < kPerInnerGroup; ++c)
                    maker.control(middleLeft + (c % 12) * 158.0, innerTop + (c / 12) * 200.0,
                                  inner);
            }
        }
        if (tree == 0) {
            maker.design().firstTree = outer;
            maker.design().inFirstTree = maker.count() - before - 1;
        }
    }
    for (std::size_t i = 0; maker.count() < kGroupedControls; ++i)
        maker.control((i % 100) * 120.0, 5100 + ((i / 100) % 18) * 135.0, {});
    return std::move(maker.design());
}

} // namespace kovrin::bench
