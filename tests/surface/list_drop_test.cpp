// Which list a dropped control joins: the innermost controls group shown under its point.
#include "surface/list_drop.h"

#include "surface_fixture.h"

using namespace kovrin;
using kovrin::test::SurfaceFixture;

namespace {

class ListDropTest : public SurfaceFixture
{
protected:
    // outer (1000..7000) holds inner (2000..5000, reaching past outer's right edge at 8000) and
    // beside them a button; a second group overlaps outer's lower right corner.
    ListDropTest()
    {
        outer = addControl(ControlKind::Group, 1000, 1000, 6000, 6000);
        inner = addControl(ControlKind::Group, 2000, 2000, 6000, 3000);
        EXPECT_TRUE(set.setControlGroup(0, inner, outer));
        button = addControl(ControlKind::Button, 1500, 1500, 300, 300);
        EXPECT_TRUE(set.setControlGroup(0, button, outer));
        front = addControl(ControlKind::Group, 6000, 6000, 2000, 2000);
    }
    std::string outer, inner, button, front;
};

} // namespace

TEST_F(ListDropTest, ThePointFindsTheInnermostShownGroupThatCanTakeTheControl)
{
    const struct
    {
        double x, y;
        std::string expected; // "": the dialog's own list
    } rows[] = {
        {500, 500, ""}, // outside every group
        {1200, 1200, outer}, {3000, 3000, inner}, // inner is deeper than outer
        {7500, 3000, ""}, // inner's part past outer's edge is clipped away
        {6500, 6500, front}, // equally deep: the one in front
        {7500, 7500, front},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::to_string(row.x) + "," + std::to_string(row.y));
        EXPECT_EQ(listAtPoint(dialog(), row.x, row.y, ""), row.expected);
    }
    // A group never joins itself nor a group inside it: outer dropped on inner's area stays the
    // dialog's; inner dropped on itself joins outer.
    EXPECT_EQ(listAtPoint(dialog(), 3000, 3000, outer), "");
    EXPECT_EQ(listAtPoint(dialog(), 3000, 3000, inner), outer);
    EXPECT_EQ(listAtPoint(dialog(), 3000, 3000, button), inner);
}
