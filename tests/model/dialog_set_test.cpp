// The document: dialogs and their numbers, control creation, and the content an undo step keeps.
#include "model/content_change.h"
#include "model/creation_defaults.h"
#include "model/dialog_set.h"

#include <gtest/gtest.h>

#include <functional>

using namespace kovrin;

namespace {

constexpr SurfaceSize kSurface {12000, 9000};
using Names = std::vector<std::string>;
constexpr TwipRect kCorner {0, 0, 9, 9};
const RecordPlace kCornerPlace {0.125f, 0, {}, {}};

// One dialog with controls of the given kinds, created in order at growing places.
DialogSet withControls(std::initializer_list<ControlKind> kinds)
{
    DialogSet set;
    set.insertDialog();
    for (ControlKind kind : kinds)
        set.createControl(0, kind, 300, 300 + 300.0 * set.dialog(0).cControls.size(), kSurface);
    return set;
}

// A dialog of ten controls of mixed kinds, tags "1" to "10".
DialogSet tenControls()
{
    DialogSet set = withControls({});
    for (std::size_t i = 0; i < 10; ++i)
        set.createControl(0, kAllKinds[i % 9], 300.0 * i, 200.0 * i, kSurface);
    return set;
}

// A gesture on a copy of the set: the change between the states, and redo and undo of it.
void expectStep(const char *name, DialogSet set, std::size_t recordsTouched, bool belowATwip,
                const std::function<void(DialogSet &)> &make)
{
    SCOPED_TRACE(name);
    const DialogContent before = set.content(0);
    make(set);
    const ContentChange change = changeBetween(before, set.dialog(0));
    EXPECT_FALSE(change.empty());
    EXPECT_EQ(change.belowATwip(), belowATwip);
    // the longer side of the record stretch
    EXPECT_EQ(std::max(change.records.before.size(), change.records.after.size()), recordsTouched);
    DialogContent content = before;
    redoChange(content, change);
    EXPECT_EQ(content, set.content(0));
    undoChange(content, change);
    EXPECT_EQ(content, before);
}

// The drawn control of a tag reshaped while its record stays as it is.
void reshapeDrawn(DialogSet &s, const char *tag, const std::function<void(TwipRect &)> &change)
{
    TwipRect rect = s.drawnControls(0).findByTag(tag)->rect();
    change(rect);
    const ControlRecord &r = s.dialog(0).cControls.at(*s.dialog(0).recordIndexByTag(tag));
    s.setControlGeometry(0, tag, rect, {r.X, r.Y, std::nullopt, std::nullopt});
}

} // namespace

TEST(DialogSet, NumbersAndNamesAreNeverReusedAndTheGridStepIsCopied)
{
    DialogSet set = withControls({});
    set.setGridSize(0, 0.05f);
    set.insertDialog();
    set.insertDialog();
    set.setGridSize(0, 0.1f); // not the last dialog: no effect on the next insert
    EXPECT_TRUE(set.removeDialog(2));
    EXPECT_FALSE(set.removeDialog(2));
    set.insertDialog();
    Names names;
    for (const auto &d : set.cForms())
        names.push_back(d.Tag);
    EXPECT_EQ(names, (Names {"DIALOG1", "DIALOG3", "DIALOG4"}));
    EXPECT_EQ(set.dialog(2).FrmIndex, 4);
    EXPECT_EQ(set.dialog(2).GridSize, 0.05f);
}

TEST(DialogSet, DiscardAllReturnsToTheStartStateAndCountersStopAtTheirLimit)
{
    DialogSet set = withControls({ControlKind::Text});
    set.CurrentFile = "x.kvx";
    set.discardAll();
    EXPECT_EQ(set.count(), 0u);
    EXPECT_EQ(set.CurrentFile, "");
    EXPECT_FALSE(set.CloseScratch);
    set.insertDialog();
    set.createControl(0, ControlKind::Text, 0, 0, kSurface);
    EXPECT_EQ(set.dialog(0).Tag, "DIALOG1");
    EXPECT_EQ(set.dialog(0).cControls.at(0).Tag, "1");

    set.NextTag = 32767;
    EXPECT_FALSE(set.createControl(0, ControlKind::Button, 0, 0, kSurface));
    EXPECT_EQ(set.dialog(0).cControls.size(), 1u);
    EXPECT_EQ(set.NextTag, 32767);
    set.DialogCounter = 32767;
    const auto refused = set.insertDialog();
    EXPECT_FALSE(refused);
    EXPECT_FALSE(refused.message.empty());
    EXPECT_EQ(set.count(), 1u);
}

TEST(Creation, NamesCountTheRecordsElementNumbersAreNotReusedAndNewControlsGoInFront)
{
    DialogSet set = withControls({ControlKind::Frame, ControlKind::Button});
    set.removeRecord(0, 0);
    const auto index = set.createControl(0, ControlKind::Frame, 450, 450, kSurface);
    EXPECT_EQ(set.dialog(0).cControls.at(*index).Name, "FRAME2");
    EXPECT_EQ(set.dialog(0).cControls.back().Tag, "3");
    EXPECT_EQ(set.drawnControls(0).findByTag("3")->element, 2);
    EXPECT_FALSE(set.drawnControls(0).findByTag("1")->visible);
    EXPECT_EQ(set.drawnControls(0).hitTest(700, 700)->tag, "3");

    Dialog dialog; // tags are whole texts, not prefixes
    dialog.cControls.resize(2);
    dialog.cControls[0].Tag = "10";
    dialog.cControls[1].Tag = "1";
    EXPECT_EQ(dialog.recordIndexByTag("1"), 1u);
    EXPECT_FALSE(dialog.recordIndexByTag("2"));
}

// The records' defaults of all nine kinds are held by the golden design file of the round trip;
// here, what the surface draws from them.
TEST(Creation, EveryKindOnAnEmptyDialog)
{
    using Colour = std::optional<Rgb8>;
    const Colour white = Rgb8 {255, 255, 255}, black = Rgb8 {0, 0, 0}, grey = Rgb8 {51, 51, 51},
                 lighter = Rgb8 {102, 102, 102}, none = std::nullopt;
    const std::pair<Colour, Colour> colours[] // Input, Text, Combo, Button, Frame, Link, List...
        = {{black, none}, {white, black},  {grey, lighter}, {none, none}, {black, lighter},
           {white, none}, {grey, lighter}, {none, none},    {none, none}, {none, black}};
    static_assert(std::size(colours) == kDefinitionKinds.size() + 1); // and the group
    DialogSet set = withControls({});
    for (std::size_t k = 0; k < std::size(colours); ++k) {
        const auto index = set.createControl(0, kAllKinds[k], 1500, 900, kSurface);
        const ControlRecord &r = set.dialog(0).cControls.at(*index);
        SCOPED_TRACE(r.Name);
        EXPECT_EQ(r.Name, std::string(kindWord(kAllKinds[k])) + std::to_string(k + 1));
        EXPECT_EQ(r.Tag, std::to_string(k + 1));
        EXPECT_EQ(r.X, 0.125f);
        EXPECT_EQ(r.Y, 0.1f);
        const DrawnControl &drawn = *set.drawnControls(0).findByTag(r.Tag);
        EXPECT_EQ(drawn.left, 1500);
        EXPECT_EQ(drawn.top, 900);
        EXPECT_EQ(drawn.element, 1);
        EXPECT_TRUE(drawn.visible);
        EXPECT_EQ(drawn.textColour, colours[k].first);
        EXPECT_EQ(drawn.backColour, colours[k].second);
    }
    const DrawnControl &text = *set.drawnControls(0).findByTag("2");
    EXPECT_NEAR(text.width, 2400, 0.001);
    EXPECT_NEAR(text.height, 900, 0.001);
}

TEST(DialogContent, RestoringPutsBackRecordsDrawnControlsAndGridStepButNotTheNameOrTags)
{
    DialogSet set = withControls({ControlKind::Button, ControlKind::Text, ControlKind::Button});
    const DialogContent kept = set.content(0);
    const Dialog before = set.dialog(0);
    set.setGridSize(0, 0.05f);
    set.moveRecord(0, 2, 0);
    set.restackControl(0, "3", set.dialog(0).cControls.size(), DialogSet::StackEnd::Back);
    set.removeRecord(0, 1);
    set.createControl(0, ControlKind::Button, 0, 0, kSurface);
    set.renameDialog(0, "MAIN");

    set.restoreContent(0, kept);
    EXPECT_EQ(set.content(0), kept);
    EXPECT_EQ(set.dialog(0).cControls, before.cControls);
    EXPECT_EQ(set.drawnControls(0).stackingOrder(), before.drawn.stackingOrder());
    EXPECT_EQ(set.drawnControls(0).nextElement(ControlKind::Button), 3);
    EXPECT_EQ(set.dialog(0).Tag, "MAIN");
    EXPECT_EQ(set.NextTag, 4); // tags are never issued twice, whatever was undone
}

TEST(ContentChange, RedoAndUndoTurnOneStateIntoTheOtherForEveryGesture)
{
    using End = DialogSet::StackEnd;
    const DialogSet ten = tenControls();
    EXPECT_TRUE(changeBetween(ten.content(0), ten.dialog(0)).empty());
    expectStep("place", ten, 1, false,
               [](DialogSet &s) { s.createControl(0, ControlKind::Button, 900, 900, kSurface); });
    expectStep("move", ten, 1, false,
               [](DialogSet &s) { s.setControlGeometry(0, "4", kCorner, kCornerPlace); });
    expectStep("delete", ten, 1, false, [](DialogSet &s) { s.removeRecord(0, 5); });
    expectStep("front", ten, 3, false,
               [](DialogSet &s) { s.restackControl(0, "8", 7, End::Front); });
    expectStep("back", ten, 2, false, [](DialogSet &s) { s.restackControl(0, "2", 1, End::Back); });
    expectStep("order reversed", ten, 10, false, [](DialogSet &s) {
        for (std::size_t i = 0; i < 10; ++i)
            s.moveRecord(0, 9, i);
    });
    expectStep("grid step", ten, 0, false, [](DialogSet &s) { s.setGridSize(0, 0.05f); });
    expectStep("dialog properties", ten, 0, false, [](DialogSet &s) {
        s.setDialogProperties(0, OtherProperties(std::vector<OtherProperty> {{"onLoad", "\"f\""}}));
    });
    expectStep("a record alone", ten, 1, false, [](DialogSet &s) { s.writeRecord(0, 0, {}); });
    expectStep("a whole twip", ten, 0, false,
               [](DialogSet &s) { reshapeDrawn(s, "3", [](TwipRect &r) { r.width += 1; }); });
    expectStep("below a twip", ten, 0, true, [](DialogSet &s) {
        reshapeDrawn(s, "3", [](TwipRect &r) { r.width += 0.25; });
        reshapeDrawn(s, "5", [](TwipRect &r) { r.top -= 0.999; });
    });
    expectStep("below a twip and a caption", ten, 0, false, [](DialogSet &s) {
        reshapeDrawn(s, "3", [](TwipRect &r) { r.left += 0.5; });
        DrawnControl captioned = *s.drawnControls(0).findByTag("3");
        captioned.caption = "Start";
        s.refreshDrawnControl(0, captioned);
    });

    // Equal records side by side make the head and tail overlap; the stretch must not.
    DialogSet same = withControls({});
    for (int i = 0; i < 3; ++i)
        same.addControl(0, ControlRecord {}, 0, 0, kSurface);
    expectStep("repeated neighbours", same, 1, false, [](DialogSet &s) { s.removeRecord(0, 1); });
}

// A loaded design holds each text once: the caption drawn is the record's text itself, and a
// caption changed later leaves the record's text as it was.
TEST(DialogSet, TheCaptionSharesItsRecordsText)
{
    DialogSet set;
    set.insertDialog();
    ControlRecord button = defaultRecord(ControlKind::Button);
    button.Tag = "1";
    button.Text = std::string(1000, 'x');
    ASSERT_TRUE(set.adoptControls(0, {button}, kSurface));
    const ControlRecord &record = set.dialog(0).cControls.at(0);
    DrawnControl drawn = *set.drawnControls(0).findByTag(record.Tag);
    EXPECT_EQ(drawn.caption.str().data(), record.Text.str().data());

    drawn.caption = "Start";
    set.refreshDrawnControl(0, drawn);
    EXPECT_EQ(set.drawnControls(0).findByTag(record.Tag)->caption, "Start");
    EXPECT_EQ(set.dialog(0).cControls.at(0).Text, std::string(1000, 'x'));

    // A surface draws only a caption's start, cut between characters ("\u20AC" is 3 bytes).
    std::string euros;
    for (int i = 0; i < 2000; ++i)
        euros += "\xE2\x82\xAC";
    drawn.caption = SharedText(euros);
    EXPECT_EQ(drawnCaption(drawn), std::string_view(euros).substr(0, kDrawnCaptionBytes - 1));
    drawn.caption = "Start";
    EXPECT_EQ(drawnCaption(drawn), "Start");
}
