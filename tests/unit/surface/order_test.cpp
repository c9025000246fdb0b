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
    bool added = addThree();
    ControlOrderList list {set.dialog(0).cControls};
};

TEST_F(Order, ListHoldsNamesAndOpeningPositionsWithNothingSelected)
{
    EXPECT_EQ(listed(list), "a,b,c");
    EXPECT_EQ(list.entries()[2], (OrderEntry {"c", 3}));
}

TEST_F(Order, FrontMovesASelectedBlockTogether)
{
    list.setSelected(0, true);
    list.setSelected(1, true);
    list.front();
    EXPECT_EQ(listed(list), "c,a*,b*");
    list.front(); // the block now stands at the end
    EXPECT_EQ(listed(list), "c,a*,b*");
}

TEST_F(Order, ASelectedBlockAtTheEdgeStaysPut)
{
    list.setSelected(1, true);
    list.setSelected(2, true);
    list.front();
    EXPECT_EQ(listed(list), "a,b*,c*");
    list.back();
    EXPECT_EQ(listed(list), "b*,c*,a");
    list.back();
    EXPECT_EQ(listed(list), "b*,c*,a");
}

TEST_F(Order, SingleEntriesStopAtTheEnds)
{
    list.setSelected(2, true);
    list.front();
    EXPECT_EQ(listed(list), "a,b,c*");
    list.setSelected(2, false);
    list.setSelected(0, true);
    list.back();
    EXPECT_EQ(listed(list), "a*,b,c");
}

TEST_F(Order, OkAfterBackOnTheSecondPutsRecordsAndDrawnControlsInListOrder)
{
    list.setSelected(1, true);
    list.back();
    EXPECT_EQ(listed(list), "b*,a,c");
    EXPECT_TRUE(applyControlOrder(ref(), list.tagsInOrder(dialog().cControls)));
    EXPECT_EQ(names(), "b,a,c");
    EXPECT_EQ(drawnNames(), "b,a,c");
}

TEST_F(Order, OkWithoutChangesRestacksTheDrawnControlsInRecordOrder)
{
    // Drawn order c,a,b; records a,b,c.
    set.restackControl(0, dialog().cControls[2].Tag, dialog().cControls.size(),
                       DialogSet::StackEnd::Back);
    EXPECT_TRUE(applyControlOrder(ref(), list.tagsInOrder(dialog().cControls)));
    EXPECT_EQ(names(), "a,b,c");
    EXPECT_EQ(drawnNames(), "a,b,c");
    EXPECT_FALSE(applyControlOrder(ref(), list.tagsInOrder(dialog().cControls)));
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
