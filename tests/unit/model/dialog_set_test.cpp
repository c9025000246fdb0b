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
    const DrawnControl *drawn = set.drawnControls(0).findByTag("1");
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
    EXPECT_EQ(set.drawnControls(0).findByTag("3")->element, 2);
    EXPECT_FALSE(set.drawnControls(0).findByTag("1")->visible);
}

TEST(Creation, NewControlsGoToTheFrontAndTheEndOfTheRecords)
{
    DialogSet set;
    set.insertDialog();
    set.createControl(0, ControlKind::Frame, 0, 0, kSurface);
    set.createControl(0, ControlKind::Input, 100, 100, kSurface);
    EXPECT_EQ(set.drawnControls(0).hitTest(150, 150)->tag, "2");
    EXPECT_EQ(set.dialog(0).cControls.back().Name, "INPUT2");
}

// The records' defaults of all nine kinds are held by the golden design file of the round trip;
// here, what the surface draws from them.
TEST(Creation, DrawnColoursOfEveryKind)
{
    const std::pair<std::optional<Rgb8>, std::optional<Rgb8>> colours[] = {
        {Rgb8 {0, 0, 0}, std::nullopt}, // Input
        {Rgb8 {255, 255, 255}, Rgb8 {0, 0, 0}}, // Text
        {Rgb8 {51, 51, 51}, Rgb8 {102, 102, 102}}, // Combo
        {std::nullopt, std::nullopt}, // Button
        {Rgb8 {0, 0, 0}, Rgb8 {102, 102, 102}}, // Frame
        {Rgb8 {255, 255, 255}, std::nullopt}, // Link
        {Rgb8 {51, 51, 51}, Rgb8 {102, 102, 102}}, // List
        {std::nullopt, std::nullopt}, // Picture
        {std::nullopt, std::nullopt}, // Slider
    };
    DialogSet set;
    set.insertDialog();
    for (std::size_t k = 0; k < std::size(kAllKinds); ++k) {
        const auto index = set.createControl(0, kAllKinds[k], 600, 300, kSurface);
        const ControlRecord &r = set.dialog(0).cControls[*index];
        EXPECT_EQ(r.Name, std::string(kindWord(kAllKinds[k])) + std::to_string(k + 1));
        const DrawnControl *drawn = set.drawnControls(0).findByTag(r.Tag);
        EXPECT_EQ(drawn->textColour, colours[k].first) << r.Name;
        EXPECT_EQ(drawn->backColour, colours[k].second) << r.Name;
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
    set.restackControl(0, "3", set.dialog(0).cControls.size(), DialogSet::StackEnd::Back);
    set.removeRecord(0, 1);
    set.createControl(0, ControlKind::Button, 0, 0, kSurface);
    set.renameDialog(0, "MAIN");
    ASSERT_NE(set.content(0), kept);

    set.restoreContent(0, kept);
    EXPECT_EQ(set.content(0), kept);
    EXPECT_EQ(set.dialog(0).cControls, before.cControls);
    EXPECT_EQ(set.drawnControls(0).stackingOrder(), before.drawn.stackingOrder());
    EXPECT_EQ(set.drawnControls(0).nextElement(ControlKind::Button), 3);
    EXPECT_EQ(set.dialog(0).GridSize, 0.0f);
    EXPECT_EQ(set.dialog(0).Tag, "MAIN");
    EXPECT_EQ(set.NextTag, 4); // tags are never issued twice, whatever was undone
}
