#include "model/content_change.h"
#include "model/dialog_set.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace kovrin;

namespace {

constexpr SurfaceSize kSurface {12000, 9000};

// A dialog of ten controls of mixed kinds, tags "1" to "10".
DialogSet tenControls()
{
    DialogSet set;
    set.insertDialog();
    for (int i = 0; i < 10; ++i)
        set.createControl(0, kAllKinds[static_cast<std::size_t>(i) % 9], 300.0 * i, 200.0 * i,
                          kSurface);
    return set;
}

// The drawn control of a tag reshaped while its record stays as it is.
void reshapeDrawn(DialogSet &s, const char *tag, const std::function<void(TwipRect &)> &change)
{
    TwipRect rect = s.drawnControls(0).findByTag(tag)->rect();
    change(rect);
    const ControlRecord &r = s.dialog(0).cControls.at(*s.dialog(0).recordIndexByTag(tag));
    s.setControlGeometry(0, tag, rect, {r.X, r.Y, std::nullopt, std::nullopt});
}

struct Gesture
{
    const char *name;
    std::function<void(DialogSet &)> make;
    std::size_t recordsTouched; // the longer side of the record stretch
};

const Gesture kGestures[] = {
    {"place", [](DialogSet &s) { s.createControl(0, ControlKind::Button, 900, 900, kSurface); }, 1},
    {"move",
     [](DialogSet &s) {
         TwipRect rect = s.drawnControls(0).findByTag("4")->rect();
         rect.left += 300;
         s.setControlGeometry(0, "4", rect, {0.125f, s.dialog(0).cControls[3].Y, {}, {}});
     },
     1},
    {"delete", [](DialogSet &s) { s.removeRecord(0, 5); }, 1},
    {"front", [](DialogSet &s) { s.restackControl(0, "8", 7, DialogSet::StackEnd::Front); }, 3},
    {"back", [](DialogSet &s) { s.restackControl(0, "2", 1, DialogSet::StackEnd::Back); }, 2},
    {"order reversed",
     [](DialogSet &s) {
         for (std::size_t i = 0; i < 10; ++i)
             s.moveRecord(0, 9, i);
     },
     10},
    {"grid step", [](DialogSet &s) { s.setGridSize(0, 0.05f); }, 0},
};

} // namespace

TEST(ContentChange, RedoAndUndoTurnOneStateIntoTheOtherForEveryGesture)
{
    for (const Gesture &gesture : kGestures) {
        SCOPED_TRACE(gesture.name);
        DialogSet set = tenControls();
        const DialogContent before = set.content(0);
        gesture.make(set);
        const DialogContent after = set.content(0);

        const ContentChange change = changeBetween(before, set.dialog(0));
        EXPECT_FALSE(change.empty());
        EXPECT_EQ(std::max(change.records.before.size(), change.records.after.size()),
                  gesture.recordsTouched);

        DialogContent content = before;
        redoChange(content, change);
        EXPECT_EQ(content, after);
        undoChange(content, change);
        EXPECT_EQ(content, before);
    }
}

TEST(ContentChange, NothingChangedIsAnEmptyChange)
{
    DialogSet set = tenControls();
    EXPECT_TRUE(changeBetween(set.content(0), set.dialog(0)).empty());

    DialogSet none;
    none.insertDialog();
    EXPECT_TRUE(changeBetween(none.content(0), none.dialog(0)).empty());
}

TEST(ContentChange, RepeatedNeighboursAreKeptWhole)
{
    // Equal records side by side make the head and tail overlap; the stretch must not.
    DialogSet set;
    set.insertDialog();
    ControlRecord same;
    same.Tag = "1";
    for (int i = 0; i < 3; ++i)
        set.addControl(0, same, 0, 0, kSurface);
    const DialogContent before = set.content(0);
    set.removeRecord(0, 1);
    const ContentChange change = changeBetween(before, set.dialog(0));
    DialogContent content = before;
    redoChange(content, change);
    EXPECT_EQ(content, set.content(0));
    undoChange(content, change);
    EXPECT_EQ(content, before);
}

TEST(ContentChange, OnlyPlacesAndSizesWithinATwipAreBelowATwip)
{
    const auto changed = [](const std::function<void(DialogSet &)> &make) {
        DialogSet set = tenControls();
        const DialogContent before = set.content(0);
        make(set);
        return changeBetween(before, set.dialog(0));
    };
    EXPECT_TRUE(changed([](DialogSet &s) {
                    reshapeDrawn(s, "3", [](TwipRect &r) { r.width += 0.25; });
                    reshapeDrawn(s, "5", [](TwipRect &r) { r.top -= 0.999; });
                }).belowATwip());
    EXPECT_FALSE(changed([](DialogSet &s) {
                     reshapeDrawn(s, "3", [](TwipRect &r) { r.width += 1; });
                 }).belowATwip());
    EXPECT_FALSE(changed([](DialogSet &s) {
                     reshapeDrawn(s, "3", [](TwipRect &r) { r.left += 0.5; });
                     DrawnControl captioned = *s.drawnControls(0).findByTag("3");
                     captioned.caption = "Start";
                     s.refreshDrawnControl(0, captioned);
                 }).belowATwip());
    EXPECT_FALSE(changed([](DialogSet &s) {
                     ControlRecord r = s.dialog(0).cControls[0];
                     r.Width = 0.5f;
                     s.writeRecord(0, 0, r);
                 }).belowATwip());
    EXPECT_FALSE(changed([](DialogSet &s) { s.removeRecord(0, 0); }).belowATwip());
    EXPECT_FALSE(changed([](DialogSet &s) { s.setGridSize(0, 0.1f); }).belowATwip());
}
