// Controls groups on the surface: order, front and back within a list; copy, paste and delete of
// a group with its content; moves and alignment across groups.
#include "model/control_groups.h"
#include "surface/arrange.h"
#include "surface/control_order.h"
#include "surface/delete_controls.h"
#include "surface/group_clipboard.h"
#include "surface/group_move.h"
#include "surface/list_drop.h"
#include "surface/surface_commands.h"
#include "surface/surface_gestures.h"
#include "surface/with_content.h"
#include "surface_fixture.h"

using namespace kovrin;
using namespace kovrin::test;

namespace {

// a | panel { b1, b2, sub { c1 } } | z, made in that order: records and stack alike.
class ControlsLists : public SurfaceFixture
{
protected:
    ControlsLists()
    {
        a = made(ControlKind::Button, "a", {200, 200, 300, 300});
        panel = made(ControlKind::Group, "panel", {1000, 1000, 6000, 6000});
        b1 = made(ControlKind::Button, "b1", {1500, 1500, 300, 300}, panel);
        b2 = made(ControlKind::Button, "b2", {1500, 2400, 300, 300}, panel);
        sub = made(ControlKind::Group, "sub", {3000, 3000, 3000, 3000}, panel);
        c1 = made(ControlKind::Button, "c1", {3500, 3500, 300, 300}, sub);
        z = made(ControlKind::Button, "z", {9000, 8000, 300, 300});
    }
    std::string made(ControlKind kind, const char *name, const TwipRect &r, std::string in = {})
    {
        const std::string tag = addControl(kind, r.left, r.top, r.width, r.height);
        editLastRecord([name](ControlRecord &record) { record.Name = name; });
        if (!in.empty()) {
            EXPECT_TRUE(set.setControlGroup(0, tag, in));
        }
        return tag;
    }
    std::string namesOf(const std::vector<std::string> &tags)
    {
        std::string out;
        for (const std::string &tag : tags)
            out += (out.empty() ? "" : ",") + record(tag).Name;
        return out;
    }
    std::string listNames(const std::string &groupTag)
    {
        std::string out;
        for (std::size_t index : controlsOf(dialog().cControls, groupTag))
            out += (out.empty() ? "" : ",") + dialog().cControls[index].Name;
        return out;
    }
    std::string tagOf(const char *name)
    {
        for (const ControlRecord &r : dialog().cControls)
            if (r.Name == name)
                return r.Tag;
        return {};
    }
    std::string a, panel, b1, b2, sub, c1, z;
};

TEST_F(ControlsLists, FrontAndBackStayWithinTheListAndTakeTheContentAlong)
{
    struct Case
    {
        const char *name;
        bool (*command)(SurfaceRef);
        bool changed;
        const char *drawn; // back to front
        const char *panelList;
    };
    const Case cases[] = {
        {"b1", bringMenuControlToFront, true, "a,panel,b2,sub,c1,b1,z", "b2,sub,b1"},
        {"b1", sendMenuControlToBack, true, "a,panel,b1,b2,sub,c1,z", "b1,b2,sub"},
        {"sub", sendMenuControlToBack, true, "a,panel,sub,c1,b1,b2,z", "sub,b1,b2"},
        {"c1", bringMenuControlToFront, false, "a,panel,sub,c1,b1,b2,z", "sub,b1,b2"},
        {"panel", bringMenuControlToFront, true, "a,z,panel,sub,c1,b1,b2", "sub,b1,b2"},
        {"z", sendMenuControlToBack, true, "z,a,panel,sub,c1,b1,b2", "sub,b1,b2"},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(std::string(k.name) + " " + k.drawn);
        openMenuOnControl(ref(), tagOf(k.name), 10, 10);
        EXPECT_EQ(k.command(ref()), k.changed);
        EXPECT_EQ(drawnNames(), k.drawn);
        EXPECT_EQ(listNames(panel), k.panelList);
        EXPECT_EQ(record(c1).Group, sub); // nothing changes lists
    }
}

TEST_F(ControlsLists, TheOrderWindowShowsAndOrdersTheListOfItsControl)
{
    const auto &records = dialog().cControls;
    EXPECT_EQ(orderedListOf(records, b2), panel);
    EXPECT_EQ(orderedListOf(records, c1), sub);
    EXPECT_EQ(orderedListOf(records, panel), "");
    EXPECT_EQ(orderedListOf(records, ""), "");
    EXPECT_EQ(orderedListOf(records, "no such tag"), "");

    ControlOrderList list(records, panel);
    ASSERT_EQ(list.count(), 3u);
    EXPECT_EQ(list.entries()[2], (OrderEntry {"sub", 5}));
    list.setSelected(2, true);
    list.back();
    list.back();
    EXPECT_TRUE(applyControlOrder(ref(), list.tagsInOrder(records)));
    EXPECT_EQ(listNames(panel), "sub,b1,b2");
    EXPECT_EQ(listNames(""), "a,panel,z");
    EXPECT_EQ(drawnNames(), "a,panel,sub,c1,b1,b2,z");
    EXPECT_EQ(ControlOrderList(dialog().cControls).count(), 3u); // the dialog's own: a, panel, z
}

TEST_F(ControlsLists, AGroupIsCopiedWholeAndPastedUnderNewTagsIntoTheListAtItsCorner)
{
    struct Case
    {
        std::vector<std::string> picked;
        double x, y; // the paste point
        std::size_t pasted;
        std::string list; // the list the first pasted control joins
    };
    const Case cases[] = {
        {{panel}, 7200, 200, 5, ""},
        {{sub, b1}, 2000, 6000, 3, panel}, // sub's top-left falls inside panel
        {{c1}, 3200, 3200, 1, sub},
        // c1 comes with panel, which holds the copies pasted above by now
        {{c1, panel}, 7200, 6500, 8, ""},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(namesOf(k.picked));
        const std::vector<CopiedControl> copied = copyControls(ref(), k.picked);
        const std::size_t before = dialog().cControls.size();
        const GroupPaste paste = pasteControls(ref(), copied, k.x, k.y);
        ASSERT_EQ(paste.pasted.size(), k.pasted);
        ASSERT_TRUE(paste.problem.empty());
        for (std::size_t n = 0; n < k.pasted; ++n) {
            const ControlRecord &copy = dialog().cControls[before + n];
            const ControlRecord &original = copied[n].record;
            EXPECT_NE(copy.Tag, original.Tag);
            const auto holder = holderOf(dialog().cControls, copy);
            if (std::find(paste.dropped.begin(), paste.dropped.end(), before + n)
                != paste.dropped.end())
                continue;
            // Inside a pasted group: its offsets, under the pasted group's new tag.
            ASSERT_TRUE(holder);
            EXPECT_GE(*holder, before);
            EXPECT_EQ(copy.X, original.X);
            EXPECT_EQ(copy.Y, original.Y);
            const DrawnControl &shown = drawn(copy.Tag);
            EXPECT_DOUBLE_EQ(shown.left, k.x + copied[n].dx);
        }
        EXPECT_EQ(dialog().cControls[before].Group, k.list);
        const ScreenPoint at = screenPlace(dialog().cControls, dialog().cControls[before]);
        EXPECT_NEAR(at.x, k.x / kSurface.width, 2e-5);
    }
}

TEST_F(ControlsLists, DeleteTakesAGroupWithItsContent)
{
    struct Case
    {
        std::vector<std::string> picked;
        std::string focus;
        const char *left;
    };
    const Case cases[] = {
        {{panel}, c1, "a,z"},
        {{b1, sub}, "", "a,panel,b2,z"},
        {{}, sub, "a,panel,b1,b2,z"}, // the focused group goes whole
        {{}, c1, "a,panel,b1,b2,sub,z"},
    };
    const DialogContent start = set.content(0);
    for (const Case &k : cases) {
        SCOPED_TRACE(k.left);
        set.restoreContent(0, start);
        interaction.focusTag = k.focus;
        if (k.picked.empty())
            EXPECT_TRUE(deleteFocusedControl(ref()));
        else
            EXPECT_EQ(deletePickedControls(ref(), k.picked), k.picked.size());
        EXPECT_EQ(names(), k.left);
        EXPECT_TRUE(interaction.focusTag.empty());
        EXPECT_FALSE(drawnControls().isShown(c1) && !dialog().recordIndexByTag(c1));
    }
}

TEST_F(ControlsLists, PickedControlsAcrossGroups)
{
    const auto &records = dialog().cControls;
    EXPECT_EQ(namesOf(tagsWithContent(records, {sub, a})), "sub,c1,a");
    EXPECT_EQ(namesOf(tagsWithContent(records, {c1, panel, c1})), "panel,b1,b2,sub,c1");
    EXPECT_EQ(namesOf(outermostTags(dialog(), {c1, z, sub, b1})), "z,sub,b1");
    EXPECT_EQ(holdersFirst(records, {c1, a, sub, panel}), (std::vector<std::size_t> {1, 3, 2, 0}));

    // A picked control inside a picked group moves once, with it.
    EXPECT_TRUE(moveControls(ref(), {c1, panel}, {150, 300}));
    EXPECT_DOUBLE_EQ(drawn(c1).left, 3650);
    EXPECT_DOUBLE_EQ(drawn(c1).top, 3800);
    EXPECT_DOUBLE_EQ(drawn(panel).left, 1150);

    // c1, three levels in, lines up with a on the screen; its record holds the offset.
    EXPECT_TRUE(arrangeControls(ref(), {a, c1, panel}, ArrangeCommand::AlignLeft));
    EXPECT_DOUBLE_EQ(drawn(c1).left, 200);
    EXPECT_DOUBLE_EQ(drawn(panel).left, 200);
    EXPECT_NEAR(screenPlace(records, record(c1)).x, 200.0 / kSurface.width, 1e-5);
    EXPECT_NEAR(record(c1).X, (200.0 - 3150.0 + 1150.0 - 200.0) / kSurface.width, 1e-5);
}

} // namespace
