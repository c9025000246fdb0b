// The context menu's commands, the clipboard and the "Organize controls" order.
#include "surface/control_order.h"
#include "surface/form_conversion.h"
#include "surface/surface_commands.h"
#include "surface/surface_gestures.h"
#include "surface_fixture.h"

using namespace kovrin;
using namespace kovrin::test;

namespace {

class Stacking : public SurfaceFixture
{
protected:
    Stacking()
    {
        for (const char *name : {"A", "B", "C"}) {
            tags.push_back(addControl(ControlKind::Text, 100, 100, 1000, 500));
            editLastRecord([name](ControlRecord &r) { r.Name = name; });
        }
    }
    std::vector<std::string> tags;
};

TEST_F(Stacking, BackAndFrontMoveTheRecordAndTheDrawnControlTogether)
{
    struct Case
    {
        std::size_t aim;
        bool (*command)(SurfaceRef);
        bool changed;
        const char *after;
    };
    const Case cases[] = {
        {2, bringMenuControlToFront, false, "A,B,C"}, // already the frontmost
        {2, sendMenuControlToBack, true, "C,A,B"},
        {0, bringMenuControlToFront, true, "C,B,A"},
        {0, sendMenuControlToBack, true, "A,C,B"},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.after);
        openMenuOnControl(ref(), tags[k.aim], 10, 10);
        const auto aimed = interaction.menu.CtrlIndexToPos;
        EXPECT_EQ(k.command(ref()), k.changed);
        EXPECT_EQ(names(), k.after);
        EXPECT_EQ(drawnNames(), k.after);
        EXPECT_EQ(interaction.menu.CtrlIndexToPos, aimed); // not updated to the new place
    }
}

TEST_F(Stacking, ConversionTakesThePickedControlsOrTheWholeDialogWhenNoneIsPicked)
{
    const auto safeZone = [this] {
        std::string out;
        for (const ControlRecord &r : dialog().cControls)
            out += r.Forms.allScreen() ? '-' : 'z';
        return out;
    };
    EXPECT_TRUE(convertControlForms(set, 0, {tags[1]}, DialogLayout::SafeZone));
    EXPECT_EQ(safeZone(), "-z-");
    EXPECT_FALSE(convertControlForms(set, 0, {tags[1]}, DialogLayout::SafeZone));
    EXPECT_TRUE(convertControlForms(set, 0, {}, DialogLayout::SafeZone));
    EXPECT_EQ(safeZone(), "zzz");
    EXPECT_TRUE(convertControlForms(set, 0, {tags[0], tags[2]}, DialogLayout::Screen));
    EXPECT_EQ(safeZone(), "-z-");
}

TEST_F(Stacking, TheOnlyControlStaysAndTheBackgroundMenuLeavesNoControlToActOn)
{
    DialogSet single;
    single.insertDialog();
    single.createControl(0, ControlKind::Button, 0, 0, kSurface);
    SurfaceRef s {single, 0, kSurface, interaction};
    openMenuOnControl(s, "1", 0, 0);
    sendMenuControlToBack(s);
    bringMenuControlToFront(s);
    ASSERT_EQ(single.dialog(0).cControls.size(), 1u);
    EXPECT_EQ(single.dialog(0).cControls[0].Tag, "1");
    EXPECT_EQ(single.drawnControls(0).size(), 1u);

    openMenuOnBackground(ref(), 3000, 2000);
    EXPECT_EQ(interaction.menu.CtrlToPos, "");
    EXPECT_EQ(interaction.menu.CtrlIndexToPos, -1);
    EXPECT_FALSE(bringMenuControlToFront(ref()));
    EXPECT_FALSE(snapMenuControlToGrid(ref()));
    ControlClipboard clip;
    EXPECT_FALSE(copyMenuControl(ref(), clip));
    EXPECT_EQ(names(), "A,B,C");
}

class Clipboard : public SurfaceFixture
{
protected:
    ControlClipboard clipboard;
};

TEST_F(Clipboard, PasteInAnotherDialogTakesNameNumberPointAndEveryCopiedField)
{
    const std::string button = addControl(ControlKind::Button, 500, 500, 2400, 360);
    editLastRecord([](ControlRecord &r) {
        r.Text = "Go";
        r.Action = "closeDialog 0;";
        r.Enter = 1;
        r.IDC = 12;
        r.ForeColor = Rgba {std::string("0,2"), std::string("0.4"), 1.0, 1.0};
        r.Base = "RscButtonMenu";
    });
    const ControlRecord &source = dialog().cControls.back();
    openMenuOnControl(ref(), button, 100, 50);
    ASSERT_TRUE(copyMenuControl(ref(), clipboard));

    set.insertDialog();
    SurfaceRef second {set, 1, kSurface, interaction};
    set.createControl(1, ControlKind::Text, 0, 0, kSurface);
    set.createControl(1, ControlKind::Input, 0, 0, kSurface);
    openMenuOnBackground(second, 3000, 2000);
    const auto pasted = pasteAtMenuPoint(second, clipboard);
    ASSERT_TRUE(pasted);

    ControlRecord expected = source;
    expected.Name = "BUTTON1_3";
    expected.X = static_cast<float>(3000.0 / 12000);
    expected.Y = static_cast<float>(2000.0 / 9000);
    expected.Tag = std::to_string(set.NextTag);
    EXPECT_EQ(set.dialog(1).cControls.at(*pasted), expected); // the typed colour texts too

    const DrawnControl *drawnCopy = set.drawnControls(1).findByTag(expected.Tag);
    ASSERT_NE(drawnCopy, nullptr);
    EXPECT_EQ(drawnCopy->caption, "Go");
    EXPECT_EQ(drawnCopy->rect(),
              (TwipRect {3000, 2000, static_cast<double>(source.Width) * 12000,
                         static_cast<double>(source.Height) * 9000}));
    EXPECT_EQ(&set.drawnControls(1).stackingOrder().back(), drawnCopy); // in front
}

TEST_F(Clipboard, CopyIsASnapshotWithoutLineSpacingPastedAtTheRightClickedPoint)
{
    const std::string text = addControl(ControlKind::Text, 900, 600, 2000, 900);
    editLastRecord([](ControlRecord &r) {
        r.Style = "ST_LEFT + ST_MULTI";
        r.LineSpacing = 1.5f;
    });
    openMenuOnControl(ref(), text, 10, 10);
    copyMenuControl(ref(), clipboard);
    EXPECT_EQ(clipboard.copyCtrl().LineSpacing, ControlRecord {}.LineSpacing); // CopyCtrl's own
    const ControlRecord copied = clipboard.copyCtrl();

    set.removeRecord(0, 0); // deleting the original does not touch the copy
    openMenuOnBackground(ref(), 0, 0);
    const auto first = pasteAtMenuPoint(ref(), clipboard);
    const auto second = pasteAtMenuPoint(ref(), clipboard);
    ASSERT_TRUE(first && second);
    const ControlRecord &a = dialog().cControls[*first];
    const ControlRecord &b = dialog().cControls[*second];
    EXPECT_EQ(a.Style, "ST_LEFT + ST_MULTI");
    EXPECT_EQ(a.LineSpacing, 0);
    EXPECT_EQ(a.Name, "TEXT1_1");
    EXPECT_EQ(b.Name, "TEXT1_2");
    EXPECT_NE(a.Tag, b.Tag);

    openMenuOnControl(ref(), a.Tag, 100, 50); // on a control: at the point clicked
    const auto onControl = pasteAtMenuPoint(ref(), clipboard);
    ASSERT_TRUE(onControl);
    const DrawnControl &third = drawn(dialog().cControls[*onControl].Tag);
    EXPECT_EQ(third.left, 100);
    EXPECT_EQ(third.top, 50);
    EXPECT_EQ(clipboard.copyCtrl(), copied); // pasting leaves the clipboard alone
}

TEST_F(Clipboard, EmptyClipboardOrFullCounterIsRefusedWithoutRaisingTheTag)
{
    openMenuOnBackground(ref(), 0, 0);
    const auto empty = pasteAtMenuPoint(ref(), clipboard);
    EXPECT_FALSE(empty);
    EXPECT_EQ(empty.message, "No control in clipboard.");

    ControlRecord button;
    button.CtrlType = "BUTTON";
    button.Name = "BUTTON1";
    clipboard.copyOne(button);
    setElementCounter(ControlKind::Button, 32767);
    const auto full = pasteAtMenuPoint(ref(), clipboard);
    EXPECT_FALSE(full);
    EXPECT_FALSE(full.message.empty());
    EXPECT_EQ(set.NextTag, 0);
    EXPECT_TRUE(dialog().cControls.empty());
}

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

} // namespace
