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
            const std::string tag = addControl(ControlKind::Text, 100, 100, 1000, 500);
            editLastRecord([name](ControlRecord &r) { r.Name = name; });
            tags.push_back(tag);
        }
    }
    void aimAt(std::size_t which) { openMenuOnControl(ref(), tags[which], 10, 10); }
    std::vector<std::string> tags;
};

TEST_F(Stacking, SendToBackMovesRecordAndDrawnControlTogether)
{
    aimAt(2);
    EXPECT_EQ(interaction.menu.CtrlIndexToPos, 3);
    EXPECT_TRUE(sendMenuControlToBack(ref()));
    EXPECT_EQ(names(), "C,A,B");
    EXPECT_EQ(drawnNames(), "C,A,B");
    EXPECT_EQ(interaction.menu.CtrlIndexToPos, 3); // not updated: it now names B
}

TEST_F(Stacking, BringToFrontMovesRecordAndDrawnControlTogether)
{
    aimAt(0);
    EXPECT_TRUE(bringMenuControlToFront(ref()));
    EXPECT_EQ(names(), "B,C,A");
    EXPECT_EQ(drawnNames(), "B,C,A");
}

TEST_F(Stacking, FrontOfTheFrontmostChangesNothing)
{
    aimAt(2);
    EXPECT_FALSE(bringMenuControlToFront(ref()));
    EXPECT_EQ(names(), "A,B,C");
}

TEST_F(Stacking, TheOnlyControlStaysTheOnlyRecord)
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
}

TEST_F(Stacking, BackgroundMenuLeavesNoControlToActOn)
{
    openMenuOnBackground(ref(), 3000, 2000);
    EXPECT_EQ(interaction.menu.CtrlToPos, "");
    EXPECT_EQ(interaction.menu.CtrlIndexToPos, -1);
    EXPECT_FALSE(bringMenuControlToFront(ref()));
    EXPECT_FALSE(snapMenuControlToGrid(ref()));
    ControlClipboard clip;
    EXPECT_FALSE(copyMenuControl(ref(), clip));
    EXPECT_TRUE(clip.empty());
    EXPECT_EQ(names(), "A,B,C");
}

class Clipboard : public SurfaceFixture
{
protected:
    ControlClipboard clipboard;
    // CopyCtrl as a copy of one record of the kind would leave it.
    void copyOfKind(const char *kind, const char *name)
    {
        ControlRecord record;
        record.CtrlType = kind;
        record.Name = name;
        clipboard.copyOne(record);
    }
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

    const ControlRecord &copy = set.dialog(1).cControls.at(*pasted);
    EXPECT_EQ(copy.Name, "BUTTON1_3");
    EXPECT_EQ(copy.X, static_cast<float>(3000.0 / 12000));
    EXPECT_EQ(copy.Y, static_cast<float>(2000.0 / 9000));
    EXPECT_EQ(copy.Width, source.Width);
    EXPECT_EQ(copy.Text, "Go");
    EXPECT_EQ(copy.Action, "closeDialog 0;");
    EXPECT_EQ(copy.Enter, 1);
    EXPECT_EQ(copy.IDC, 12);
    EXPECT_EQ(copy.ForeColor, source.ForeColor); // the typed texts unchanged
    EXPECT_EQ(copy.Tag, std::to_string(set.NextTag));

    const DrawnControl *drawnCopy = set.drawnControls(1).findByTag(copy.Tag);
    ASSERT_NE(drawnCopy, nullptr);
    EXPECT_EQ(drawnCopy->caption, "Go");
    EXPECT_EQ(drawnCopy->left, 3000);
    EXPECT_EQ(drawnCopy->top, 2000);
    EXPECT_EQ(drawnCopy->width, static_cast<double>(source.Width) * 12000);
    EXPECT_EQ(&set.drawnControls(1).stackingOrder().back(), drawnCopy); // in front
}

TEST_F(Clipboard, PasteOnAControlLandsAtTheRightClickedPoint)
{
    const std::string text = addControl(ControlKind::Text, 900, 600, 2000, 900);
    openMenuOnControl(ref(), text, 100, 50);
    copyMenuControl(ref(), clipboard);
    const auto pasted = pasteAtMenuPoint(ref(), clipboard);
    ASSERT_TRUE(pasted);
    const DrawnControl *copy = drawnControls().findByTag(dialog().cControls[*pasted].Tag);
    EXPECT_EQ(copy->left, 1000);
    EXPECT_EQ(copy->top, 650);
}

TEST_F(Clipboard, CopyIsASnapshotWithoutLineSpacing)
{
    const std::string text = addControl(ControlKind::Text, 0, 0, 2000, 900);
    editLastRecord([](ControlRecord &r) {
        r.Style = "ST_LEFT + ST_MULTI";
        r.LineSpacing = 1.5f;
    });
    openMenuOnControl(ref(), text, 10, 10);
    copyMenuControl(ref(), clipboard);
    EXPECT_EQ(clipboard.copyCtrl().LineSpacing, ControlRecord {}.LineSpacing); // CopyCtrl's own

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
}

TEST_F(Clipboard, EmptyClipboardIsRefusedWithoutRaisingTheTag)
{
    openMenuOnBackground(ref(), 0, 0);
    const auto refused = pasteAtMenuPoint(ref(), clipboard);
    EXPECT_FALSE(refused);
    EXPECT_EQ(refused.message, "No control in clipboard.");
    EXPECT_EQ(set.NextTag, 0);
    EXPECT_TRUE(dialog().cControls.empty());
}

TEST_F(Clipboard, FullCounterIsRefusedBeforeATagIsIssued)
{
    copyOfKind("BUTTON", "BUTTON1");
    setElementCounter(ControlKind::Button, 32767);
    openMenuOnBackground(ref(), 0, 0);
    const auto refused = pasteAtMenuPoint(ref(), clipboard);
    EXPECT_FALSE(refused);
    EXPECT_FALSE(refused.message.empty());
    EXPECT_EQ(set.NextTag, 0);
}

} // namespace
