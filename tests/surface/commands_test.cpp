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

} // namespace
