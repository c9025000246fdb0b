#include "model/creation_defaults.h"
#include "model/dialog_set.h"

#include <gtest/gtest.h>

using namespace kovrin;

namespace {
constexpr SurfaceSize kSurface {12000, 9000};

std::vector<std::string> names(const DialogSet &set)
{
    std::vector<std::string> out;
    for (const auto &d : set.cForms())
        out.push_back(d.Tag);
    return out;
}
} // namespace

TEST(DialogSet, InsertNumbersAndNamesDialogsAndCopiesTheGridStep)
{
    DialogSet set;
    set.insertDialog();
    set.setGridSize(0, 0.05f);
    set.insertDialog();
    set.insertDialog();
    EXPECT_EQ(names(set), (std::vector<std::string> {"DIALOG1", "DIALOG2", "DIALOG3"}));
    EXPECT_EQ(set.dialog(2).FrmIndex, 3);
    EXPECT_EQ(set.dialog(2).GridSize, 0.05f);

    set.setGridSize(0, 0.1f); // an earlier dialog does not affect the next insert
    set.insertDialog();
    EXPECT_EQ(set.dialog(3).GridSize, 0.05f);
}

TEST(DialogSet, RemovedNumbersAreNotReused)
{
    DialogSet set;
    for (int i = 0; i < 3; ++i)
        set.insertDialog();
    EXPECT_TRUE(set.removeDialog(2));
    EXPECT_FALSE(set.removeDialog(2));
    set.insertDialog();
    EXPECT_EQ(names(set), (std::vector<std::string> {"DIALOG1", "DIALOG3", "DIALOG4"}));
}

TEST(DialogSet, DiscardAllReturnsToTheStartState)
{
    DialogSet set;
    set.insertDialog();
    set.createControl(0, ControlKind::Text, 0, 0, kSurface);
    set.CurrentFile = "x.kvx";
    set.discardAll();
    EXPECT_EQ(set.count(), 0u);
    EXPECT_EQ(set.NextTag, 0);
    EXPECT_EQ(set.DialogCounter, 0);
    EXPECT_EQ(set.CurrentFile, "");
    EXPECT_FALSE(set.CloseScratch);
    set.insertDialog();
    EXPECT_EQ(set.dialog(0).Tag, "DIALOG1");
    EXPECT_EQ(set.dialog(0).cControls.size(), 0u);
    set.createControl(0, ControlKind::Text, 0, 0, kSurface);
    EXPECT_EQ(set.dialog(0).cControls[0].Tag, "1");
}

TEST(DialogSet, CountersStopAtTheirLimitWithAMessage)
{
    DialogSet set;
    set.DialogCounter = 32767;
    const auto refused = set.insertDialog();
    EXPECT_FALSE(refused);
    EXPECT_FALSE(refused.message.empty());
    EXPECT_EQ(set.count(), 0u);

    set.DialogCounter = 0;
    set.insertDialog();
    set.NextTag = 32767;
    EXPECT_FALSE(set.createControl(0, ControlKind::Button, 0, 0, kSurface));
    EXPECT_EQ(set.dialog(0).cControls.size(), 0u);
    EXPECT_EQ(set.NextTag, 32767);
}

TEST(Creation, TextOnAnEmptyDialog)
{
    DialogSet set;
    set.insertDialog();
    const auto index = set.createControl(0, ControlKind::Text, 1500, 900, kSurface);
    ASSERT_TRUE(index);
    const ControlRecord &r = set.dialog(0).cControls[*index];
    EXPECT_EQ(r.Name, "TEXT1");
    EXPECT_EQ(r.Tag, "1");
    EXPECT_EQ(r.X, 0.125f);
    EXPECT_EQ(r.Y, 0.1f);
    EXPECT_EQ(r.Width, 0.2f);
    EXPECT_EQ(r.Height, 0.1f);
    const DrawnControl *drawn = set.dialog(0).surface.findByTag("1");
    ASSERT_NE(drawn, nullptr);
    EXPECT_NEAR(drawn->width, 2400, 0.001);
    EXPECT_NEAR(drawn->height, 900, 0.001);
    EXPECT_EQ(drawn->left, 1500);
    EXPECT_EQ(drawn->top, 900);
    EXPECT_EQ(drawn->element, 1);
    EXPECT_TRUE(drawn->visible);
    EXPECT_EQ(drawn->textColour, (Rgb8 {255, 255, 255}));
    EXPECT_EQ(drawn->backColour, (Rgb8 {0, 0, 0}));
}

TEST(Creation, NamesCountTheRecordsSoTheyCanRepeat)
{
    DialogSet set;
    set.insertDialog();
    set.createControl(0, ControlKind::Text, 0, 0, kSurface);
    set.createControl(0, ControlKind::Button, 0, 0, kSurface);
    set.removeRecord(0, 0);
    const auto index = set.createControl(0, ControlKind::Button, 0, 0, kSurface);
    EXPECT_EQ(set.dialog(0).cControls[*index].Name, "BUTTON2");
    EXPECT_EQ(set.dialog(0).cControls[*index].Tag, "3");
    // The element numbers of a kind are never reused on a surface.
    EXPECT_EQ(set.dialog(0).surface.findByTag("3")->element, 2);
    EXPECT_FALSE(set.dialog(0).surface.findByTag("1")->visible);
}

TEST(Creation, NewControlsGoToTheFrontAndTheEndOfTheRecords)
{
    DialogSet set;
    set.insertDialog();
    set.createControl(0, ControlKind::Frame, 0, 0, kSurface);
    set.createControl(0, ControlKind::Input, 100, 100, kSurface);
    EXPECT_EQ(set.dialog(0).surface.hitTest(150, 150)->tag, "2");
    EXPECT_EQ(set.dialog(0).cControls.back().Name, "INPUT2");
}

TEST(Creation, DefaultsOfEveryKind)
{
    struct Expect
    {
        ControlKind kind;
        float width, height;
        const char *style, *font;
        float fontSize;
        bool fore, back, active, selection, selectionBg;
        float rowHeight, wholeHeight;
        std::optional<Rgb8> text, background;
    };
    const Expect table[] = {
        {ControlKind::Input, 0.4f, 0.04f, "ST_LEFT", "tahomaB36", 0.02f, true, false, false, true,
         false, 0, 0, Rgb8 {0, 0, 0}, std::nullopt},
        {ControlKind::Text, 0.2f, 0.1f, "ST_LEFT", "tahomaB36", 0.04f, true, true, false, false,
         false, 0, 0, Rgb8 {255, 255, 255}, Rgb8 {0, 0, 0}},
        {ControlKind::Combo, 0.2f, 0.04f, "ST_LEFT", "CourierNewB64", 0.025f, true, true, false,
         true, true, 0.04f, 0.3f, Rgb8 {51, 51, 51}, Rgb8 {102, 102, 102}},
        {ControlKind::Button, 0.2f, 0.04f, "ST_CENTER", "CourierNewB64", 0.025f, true, false, false,
         false, false, 0, 0, std::nullopt, std::nullopt},
        {ControlKind::Frame, 0.6f, 0.7f, "ST_FRAME", "", 0.025f, true, true, false, false, false, 0,
         0, Rgb8 {0, 0, 0}, Rgb8 {102, 102, 102}},
        {ControlKind::Link, 0.2f, 0.05f, "ST_LEFT", "tahomaB36", 0.04f, true, false, true, false,
         false, 0, 0, Rgb8 {255, 255, 255}, std::nullopt},
        {ControlKind::List, 0.2f, 0.15f, "ST_LEFT", "CourierNewB64", 0.025f, true, true, false,
         true, true, 0.04f, 0, Rgb8 {51, 51, 51}, Rgb8 {102, 102, 102}},
        {ControlKind::Picture, 0.2f, 0.1f, "ST_PICTURE", "tahomaB36", 0.04f, true, true, false,
         false, false, 0, 0, std::nullopt, std::nullopt},
        {ControlKind::Slider, 0.5f, 0.04f, "ST_HPOS", "", 0.025f, true, false, false, false, false,
         0, 0, std::nullopt, std::nullopt},
    };
    for (const Expect &e : table) {
        DialogSet set;
        set.insertDialog();
        const auto index = set.createControl(0, e.kind, 600, 300, kSurface);
        const ControlRecord &r = set.dialog(0).cControls[*index];
        SCOPED_TRACE(r.CtrlType);
        EXPECT_EQ(r.CtrlType, kindWord(e.kind));
        EXPECT_EQ(r.Name, std::string(kindWord(e.kind)) + "1");
        EXPECT_EQ(r.IDC, -1);
        EXPECT_EQ(r.Width, e.width);
        EXPECT_EQ(r.Height, e.height);
        EXPECT_EQ(r.Style, e.style);
        EXPECT_EQ(r.Font, e.font);
        EXPECT_EQ(r.FontSize, e.fontSize);
        EXPECT_EQ(r.Text, "");
        EXPECT_EQ(r.ForeColor.has_value(), e.fore);
        EXPECT_EQ(r.BackColor.has_value(), e.back);
        EXPECT_EQ(r.ActiveColor.has_value(), e.active);
        EXPECT_EQ(r.SelectionColor.has_value(), e.selection);
        EXPECT_EQ(r.SelectionBGColor.has_value(), e.selectionBg);
        EXPECT_EQ(r.RowHeight, e.rowHeight);
        EXPECT_EQ(r.WholeHeight, e.wholeHeight);
        EXPECT_EQ(r.Enter, 0);
        EXPECT_EQ(r.LineSpacing, 0.0f);
        const DrawnControl *drawn = set.dialog(0).surface.findByTag(r.Tag);
        EXPECT_EQ(drawn->textColour, e.text);
        EXPECT_EQ(drawn->backColour, e.background);
    }
}

TEST(Creation, ExactFloatValuesAndNumberComponents)
{
    const ControlRecord frame = defaultRecord(ControlKind::Frame);
    EXPECT_EQ(static_cast<double>(frame.Width), 0.60000002384185791015625);
    const Rgba &back = *frame.BackColor;
    EXPECT_EQ(std::get<double>(back[3]), 0.75);
    EXPECT_EQ(std::get<double>(back[0]), 0.4);
    EXPECT_EQ(static_cast<double>(defaultRecord(ControlKind::Text).Width), 0.20000000298023223877);
}

TEST(Creation, TagsAreWholeTextsNotPrefixes)
{
    Dialog dialog;
    ControlRecord a;
    a.Tag = "10";
    ControlRecord b;
    b.Tag = "1";
    dialog.cControls = {a, b};
    EXPECT_EQ(dialog.recordIndexByTag("1"), 1u);
    EXPECT_EQ(dialog.recordIndexByTag("10"), 0u);
    EXPECT_FALSE(dialog.recordIndexByTag("2"));
}

TEST(DialogContent, PutsBackRecordsDrawnControlsCountersAndGridStepButNotTheName)
{
    DialogSet set;
    set.insertDialog();
    set.createControl(0, ControlKind::Button, 600, 300, kSurface);
    set.createControl(0, ControlKind::Text, 1200, 900, kSurface);
    set.createControl(0, ControlKind::Button, 2400, 1500, kSurface);
    const DialogContent kept = set.content(0);
    const Dialog before = set.dialog(0);

    set.setGridSize(0, 0.05f);
    set.moveRecord(0, 2, 0);
    set.surface(0).sendToBack("3");
    set.removeRecord(0, 1);
    set.createControl(0, ControlKind::Button, 0, 0, kSurface);
    set.renameDialog(0, "MAIN");
    ASSERT_NE(set.content(0), kept);

    set.restoreContent(0, kept);
    EXPECT_EQ(set.content(0), kept);
    EXPECT_EQ(set.dialog(0).cControls, before.cControls);
    EXPECT_EQ(set.dialog(0).surface.stackingOrder(), before.surface.stackingOrder());
    EXPECT_EQ(set.dialog(0).surface.lastElement(ControlKind::Button), 3);
    EXPECT_EQ(set.dialog(0).GridSize, 0.0f);
    EXPECT_EQ(set.dialog(0).Tag, "MAIN");
    EXPECT_EQ(set.NextTag, 4); // tags are never issued twice, whatever was undone
}

TEST(DialogContent, RestoringLetsGoOfControlsNoLongerShownAndOfADrag)
{
    DialogSet set;
    set.insertDialog();
    set.createControl(0, ControlKind::Button, 600, 300, kSurface);
    const DialogContent kept = set.content(0);
    set.createControl(0, ControlKind::Input, 1200, 900, kSurface);
    SurfaceState &surface = set.surface(0);
    surface.focusTag = "2";
    surface.menu.CtrlToPos = "2";
    surface.menu.CtrlIndexToPos = 2;
    surface.drag.tracked = true;
    surface.lnMoving.visible = true;

    set.restoreContent(0, kept);
    EXPECT_EQ(surface.focusTag, "");
    EXPECT_EQ(surface.menu.CtrlToPos, "");
    EXPECT_EQ(surface.menu.CtrlIndexToPos, -1);
    EXPECT_FALSE(surface.drag.tracked);
    EXPECT_FALSE(surface.lnMoving.visible);

    surface.focusTag = "1"; // still shown: kept
    set.restoreContent(0, kept);
    EXPECT_EQ(surface.focusTag, "1");
}
