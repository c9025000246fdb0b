// Controls groups on the surface: the order and clipping of their painting and hit test, and
// which list a dropped control joins: the innermost controls group shown under its point.
#include "surface/list_drop.h"

#include "model/control_groups.h"
#include "surface/group_move.h"
#include "surface/list_drawing.h"
#include "surface/surface_gestures.h"

#include "surface_fixture.h"

using namespace kovrin;
using kovrin::test::kSurface;
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

TEST_F(ListDropTest, GroupsPaintTheirControlsAfterThemClippedToEveryGroupAround)
{
    // deep: inside inner, in front of everything in the stack, reaching past outer's right edge.
    const std::string deep = addControl(ControlKind::Text, 6500, 2500, 1000, 300);
    ASSERT_TRUE(set.setControlGroup(0, deep, inner));
    std::vector<std::string> painted;
    for (const DrawingStep &step : drawingOrder(dialog())) {
        painted.push_back(step.control->tag);
        EXPECT_EQ(step.record->Tag, step.control->tag);
    }
    EXPECT_EQ(painted, (std::vector<std::string> {outer, inner, deep, button, front}));
    const auto steps = drawingOrder(dialog());
    EXPECT_FALSE(steps[0].clip);
    EXPECT_EQ(visiblePart(steps[1]), (TwipRect {2000, 2000, 5000, 3000})); // inner within outer
    EXPECT_EQ(visiblePart(steps[2]), (TwipRect {6500, 2500, 500, 300}));

    const struct
    {
        double x, y;
        std::string expected; // "": no control
    } rows[] = {
        {1200, 1200, outer}, // a group's background hits the group
        {1600, 1600, button}, {3000, 3000, inner}, {6800, 2600, deep},
        {7200, 2600, ""}, // deep's part past outer is clipped away: nothing there
        {7500, 3000, ""}, // so is inner's
        {6500, 6500, front},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::to_string(row.x) + "," + std::to_string(row.y));
        const DrawnControl *hit = controlAtPoint(dialog(), row.x, row.y);
        EXPECT_EQ(hit ? hit->tag : std::string(), row.expected);
    }
    // A group's colour without alpha paints no background, as a new group has none.
    EXPECT_FALSE(showsGroupBackground(record(outer)));
    editRecord(*dialog().recordIndexByTag(outer),
               [](ControlRecord &r) { r.BackColor = colourOf(0, 0, 1, 0.5); });
    EXPECT_TRUE(showsGroupBackground(record(outer)));
}

TEST_F(ListDropTest, PlacedAndMovedControlsJoinTheListUnderTheirCornerKeepingTheirPlace)
{
    ASSERT_TRUE(placeArmedControl(ref(), ControlKind::Button, 3000, 3300));
    const std::string placed = dialog().cControls.back().Tag;
    EXPECT_EQ(record(placed).Group, inner);
    EXPECT_EQ(drawn(placed).left, 3000.0);
    EXPECT_NEAR(record(placed).X, 1000.0 / kSurface.width, 1e-5); // from inner's corner

    // Out of every group: the dialog's again, where it stands on the screen.
    EXPECT_TRUE(moveControls(ref(), {placed}, {-2700, -3000}));
    EXPECT_EQ(record(placed).Group, "");
    EXPECT_NEAR(record(placed).X, 300.0 / kSurface.width, 1e-5);

    // Picked with its holder, a control rides along and stays in it.
    const TwipRect innerBefore = drawn(inner).rect();
    EXPECT_EQ(outermostTags(dialog(), {button, inner, outer, front}),
              (std::vector<std::string> {outer, front}));
    EXPECT_TRUE(moveControls(ref(), {button, outer}, {300, 300}));
    EXPECT_EQ(record(button).Group, outer);
    EXPECT_EQ(record(inner).Group, outer);
    EXPECT_EQ(drawn(button).left, 1800.0);
    EXPECT_EQ(drawn(inner).left, innerBefore.left + 300);
    EXPECT_EQ(record(outer).Group, "");
}
