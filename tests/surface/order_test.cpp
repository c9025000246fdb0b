#include "surface/control_order.h"
#include "surface/surface_commands.h"
#include "surface_fixture.h"

using namespace kovrin;
using namespace kovrin::test;

namespace {

std::string listed(const ControlOrderList &list)
{
    std::string out;
    for (std::size_t i = 0; i < list.count(); ++i) {
        out += (i ? "," : "") + list.entries()[i].text;
        if (list.isSelected(i))
            out += "*";
    }
    return out;
}

class Order : public SurfaceFixture
{
protected:
    bool addThree()
    {
        for (const char *name : {"a", "b", "c"}) {
            addControl(ControlKind::Button, 0, 0, 1000, 400);
            editLastRecord([name](ControlRecord &r) { r.Name = name; });
        }
        return true;
    }
    bool added = addThree(); // before the list is made from the records
    ControlOrderList list {set.dialog(0).cControls};
};

TEST_F(Order, FrontAndBackMoveTheSelectedBlockAndStopAtTheEnds)
{
    EXPECT_EQ(list.entries()[2], (OrderEntry {"c", 3})); // names and opening positions
    struct Case
    {
        std::vector<std::size_t> selected;
        const char *moves; // F for Front, B for Back
        const char *after;
    };
    const Case cases[] = {
        {{}, "", "a,b,c"},        {{0, 1}, "F", "c,a*,b*"}, {{0, 1}, "FF", "c,a*,b*"},
        {{1, 2}, "F", "a,b*,c*"}, {{1, 2}, "B", "b*,c*,a"}, {{1, 2}, "BB", "b*,c*,a"},
        {{2}, "F", "a,b,c*"},     {{0}, "B", "a*,b,c"},     {{1}, "B", "b*,a,c"},
    };
    for (const Case &k : cases) {
        ControlOrderList fresh {dialog().cControls};
        for (std::size_t i : k.selected)
            fresh.setSelected(i, true);
        for (const char *m = k.moves; *m; ++m)
            *m == 'F' ? fresh.front() : fresh.back();
        EXPECT_EQ(listed(fresh), k.after) << k.moves;
    }
}

TEST_F(Order, OkPutsRecordsAndDrawnControlsInListOrder)
{
    // Drawn order c,a,b; records a,b,c: an unchanged list restacks the drawn controls.
    set.restackControl(0, dialog().cControls[2].Tag, dialog().cControls.size(),
                       DialogSet::StackEnd::Back);
    EXPECT_TRUE(applyControlOrder(ref(), list.tagsInOrder(dialog().cControls)));
    EXPECT_EQ(drawnNames(), "a,b,c");
    EXPECT_FALSE(applyControlOrder(ref(), list.tagsInOrder(dialog().cControls)));

    list.setSelected(1, true);
    list.back();
    EXPECT_TRUE(applyControlOrder(ref(), list.tagsInOrder(dialog().cControls)));
    EXPECT_EQ(names(), "b,a,c");
    EXPECT_EQ(drawnNames(), "b,a,c");
}

TEST_F(Order, ARecordWithoutADrawnControlIsReorderedByItsOwnTag)
{
    // A record of a kind unknown to the designer, as a file can hold: it has no drawn control.
    ControlRecord odd;
    odd.Name = "odd";
    odd.CtrlType = "GAUGE";
    odd.Tag = *set.issueTag();
    set.addControl(0, odd, 0, 0, kSurface);
    ControlOrderList four {dialog().cControls};
    four.setSelected(3, true);
    four.back();
    four.back();
    EXPECT_EQ(listed(four), "a,odd*,b,c");
    applyControlOrder(ref(), four.tagsInOrder(dialog().cControls));
    EXPECT_EQ(names(), "a,odd,b,c");
    EXPECT_EQ(drawnControls().size(), 3u);
}

TEST(OrderEmpty, AnEmptyDialogGivesAnEmptyListAndOkChangesNothing)
{
    DialogSet set;
    set.insertDialog();
    ControlOrderList list {set.dialog(0).cControls};
    EXPECT_EQ(list.count(), 0u);
    list.front();
    list.back();
    SurfaceInteraction interaction;
    EXPECT_FALSE(applyControlOrder({set, 0, kSurface, interaction},
                                   list.tagsInOrder(set.dialog(0).cControls)));
}

} // namespace
