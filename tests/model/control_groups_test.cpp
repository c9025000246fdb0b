// Controls groups: a record's place on the screen through nested groups, the lists and the tree
// order the code is written in, and moving controls into and out of groups.
#include "model/control_groups.h"
#include "model/dialog_set.h"
#include "model/form_rules.h"
#include "model/group_scroll_bars.h"

#include <gtest/gtest.h>

using namespace kovrin;

namespace {

ControlRecord record(const char *tag, const char *kind, float x, float y, const char *group = "")
{
    ControlRecord r;
    r.Tag = tag;
    r.Name = std::string("c") + tag;
    r.CtrlType = kind;
    r.X = x;
    r.Y = y;
    r.Width = 0.1f;
    r.Height = 0.1f;
    r.Group = group;
    return r;
}

// Outer (1) holds Inner (2), which holds a button (3); a text (4) stands beside them, listed
// before Inner; 5 names a missing group, 6 and 7 hold each other.
std::vector<ControlRecord> nested()
{
    return {record("3", "BUTTON", 0.01f, 0.02f, "2"), record("1", "GROUP", 0.1f, 0.2f),
            record("4", "TEXT", 0.3f, 0.3f, "1"),     record("2", "GROUP", 0.05f, 0.1f, "1"),
            record("5", "TEXT", 0.5f, 0.5f, "9"),     record("6", "GROUP", 0.1f, 0.1f, "7"),
            record("7", "GROUP", 0.1f, 0.1f, "6")};
}

constexpr SurfaceSize kSurface {10000, 10000};

} // namespace

TEST(ControlGroups, PlacesAddUpThroughNestedGroupsAndBrokenChainsAreTheDialogs)
{
    const auto records = nested();
    const struct
    {
        std::size_t index;
        double x, y;
        std::vector<std::size_t> chain;
    } cases[] = {
        {0, 0.16, 0.32, {3, 1}}, // the button through Inner and Outer
        {1, 0.1, 0.2, {}},       {2, 0.4, 0.5, {1}},
        {3, 0.15, 0.3, {1}},     {4, 0.5, 0.5, {}}, // its group is missing
        {5, 0.1, 0.1, {}}, // a cycle holds nothing
    };
    const auto places = screenPlaces(records);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.index);
        const ScreenPoint point = screenPlace(records, records[c.index]);
        EXPECT_NEAR(point.x, c.x, 1e-6);
        EXPECT_NEAR(point.y, c.y, 1e-6);
        EXPECT_NEAR(places[c.index].x, c.x, 1e-6);
        EXPECT_NEAR(places[c.index].y, c.y, 1e-6);
        EXPECT_EQ(holderChain(records, records[c.index]), c.chain);
    }
    EXPECT_EQ(strayMembers(records), (std::vector<std::size_t> {4, 5, 6}));
    EXPECT_TRUE(isInsideGroup(records, "3", "1"));
    EXPECT_FALSE(isInsideGroup(records, "1", "3"));
    EXPECT_EQ(controlsOf(records, ""), (std::vector<std::size_t> {1, 4, 5, 6}));
    EXPECT_EQ(controlsOf(records, "1"), (std::vector<std::size_t> {2, 3}));
    EXPECT_EQ(contentOf(records, "1"), (std::vector<std::size_t> {0, 2, 3}));
    EXPECT_TRUE(canJoinList(records, "4", "2"));
    EXPECT_FALSE(canJoinList(records, "1", "2")); // into its own content
    EXPECT_FALSE(canJoinList(records, "2", "2"));
    EXPECT_FALSE(canJoinList(records, "1", "4")); // a text holds nothing

    // Each group's controls right after it, one level deeper, in their order.
    std::vector<std::pair<std::size_t, std::size_t>> tree;
    for (const TreeEntry &entry : treeOrder(records))
        tree.emplace_back(entry.index, entry.depth);
    EXPECT_EQ(tree,
              (std::vector<std::pair<std::size_t, std::size_t>> {
                  {1, 0}, {2, 1}, {3, 1}, {0, 2}, {4, 0}, {5, 0}, {6, 0}}));
    EXPECT_TRUE(holdsGroups(records));
    EXPECT_FALSE(holdsGroups({record("1", "TEXT", 0, 0)}));
}

TEST(ControlGroups, ControlsMoveIntoAndOutOfGroupsKeepingTheirPlaceOnTheScreen)
{
    DialogSet set;
    set.insertDialog();
    set.createControl(0, ControlKind::Group, 1000, 2000, kSurface); // tag 1 at 0.1, 0.2
    set.createControl(0, ControlKind::Group, 1500, 3000, kSurface); // tag 2 at 0.15, 0.3
    set.createControl(0, ControlKind::Button, 2000, 4000, kSurface); // tag 3 at 0.2, 0.4
    EXPECT_EQ(set.dialog(0).cControls[0].Name, "GROUP1");
    const auto drawnRect = [&set](const char *tag) {
        return set.drawnControls(0).findByTag(tag)->rect();
    };
    const auto own = [&set](std::size_t index) {
        const ControlRecord &r = set.dialog(0).cControls[index];
        return std::pair {r.X, r.Y};
    };
    const TwipRect buttonRect = drawnRect("3");

    EXPECT_TRUE(set.setControlGroup(0, "2", "1"));
    EXPECT_TRUE(set.setControlGroup(0, "3", "2"));
    EXPECT_EQ(own(1), (std::pair {0.05f, 0.1f}));
    EXPECT_EQ(own(2), (std::pair {0.05f, 0.1f}));
    EXPECT_EQ(drawnRect("3"), buttonRect);
    EXPECT_FALSE(set.setControlGroup(0, "1", "2")); // a group into its own content
    EXPECT_FALSE(set.setControlGroup(0, "2", "3")); // a button holds nothing
    EXPECT_FALSE(set.setControlGroup(0, "3", "2")); // already there

    // Moving the outer group moves everything inside it on the surface; the records keep their
    // offsets.
    TwipRect outer = drawnRect("1");
    outer.left += 500;
    set.setControlGeometry(0, "1", outer, {0.15f, 0.2f, {}, {}});
    EXPECT_EQ(drawnRect("3").left, buttonRect.left + 500);
    EXPECT_EQ(own(2), (std::pair {0.05f, 0.1f}));
    // A control inside takes its place on the screen as its offset.
    TwipRect button = drawnRect("3");
    button.top += 1000;
    set.setControlGeometry(0, "3", button, {0.25f, 0.5f, {}, {}});
    EXPECT_EQ(own(2), (std::pair {0.05f, 0.2f}));

    // A group removed leaves its controls to the list that held it, where they stand.
    const DialogSet kept = set;
    set.removeRecord(0, 1);
    EXPECT_EQ(set.dialog(0).cControls[1].Group, "1");
    EXPECT_EQ(own(1), (std::pair {0.1f, 0.3f})); // from the outer group's corner at 0.15, 0.2
    set = kept;

    // Out to the dialog again, where it stands.
    EXPECT_TRUE(set.setControlGroup(0, "3", ""));
    EXPECT_EQ(own(2), (std::pair {0.25f, 0.5f}));
    EXPECT_EQ(drawnRect("3"), button);
    EXPECT_TRUE(set.dialog(0).cControls[2].Group.empty());
}

TEST(ControlGroups, ScrollBarsAreTakenAwayByTheirClassesAndComeBack)
{
    ControlRecord group = record("1", "GROUP", 0, 0);
    group.Others = OtherProperties(std::vector<OtherProperty> {{"onLoad", "\"a\""}});
    EXPECT_TRUE(groupScrollBars(group));
    setGroupScrollBars(group, false);
    EXPECT_FALSE(groupScrollBars(group));
    ASSERT_EQ(group.Others.list().size(), 3u);
    EXPECT_EQ(otherPropertyLine(group.Others.list()[1]), "class VScrollbar {width = 0;}");
    setGroupScrollBars(group, true);
    EXPECT_EQ(group.Others, OtherProperties(std::vector<OtherProperty> {{"onLoad", "\"a\""}}));
}

// The game adds a group's corner to the places of its controls, so inside a group a safe-zone X
// is a share of the safe zone's width alone: the group's F and the control's add up to the F
// the control had on the dialog.
TEST(ControlGroups, InsideAGroupASafeZonePlaceIsALengthOfTheSafeZone)
{
    DialogSet set;
    set.insertDialog();
    set.setLayout(0, DialogLayout::SafeZone);
    set.createControl(0, ControlKind::Group, 1000, 1000, kSurface);
    set.createControl(0, ControlKind::Button, 3000, 4000, kSurface);
    const auto fraction = [&set](std::size_t index, FormField field) {
        const FieldForm &form = set.dialog(0).cControls[index].Forms[field];
        EXPECT_EQ(form.form, PositionForm::SafeZone);
        return form.fraction;
    };
    const float x = fraction(1, FormField::X);
    const float y = fraction(1, FormField::Y);
    ASSERT_TRUE(set.setControlGroup(0, "2", "1"));
    EXPECT_EQ(placedAxis(set.dialog(0).cControls[1], FormField::X), PositionAxis::Width);
    EXPECT_NEAR(fraction(0, FormField::X) + fraction(1, FormField::X), x, 1e-4);
    EXPECT_NEAR(fraction(0, FormField::Y) + fraction(1, FormField::Y), y, 1e-4);
    ASSERT_TRUE(set.setControlGroup(0, "2", ""));
    EXPECT_NEAR(fraction(1, FormField::X), x, 1e-4);
}
