#include "surface/drag.h"
#include "surface/input_state.h"
#include "surface/kind_gestures.h"
#include "surface/move_limits.h"
#include "surface/surface_gestures.h"
#include "surface_fixture.h"

using namespace kovrin;
using namespace kovrin::test;

namespace {

constexpr int kLeft = MouseButtons::Left;

class Drag : public SurfaceFixture
{
protected:
    // The 2400 x 600 control of the examples, at (3000, 2000).
    std::string control = addControl(ControlKind::Button, 3000, 2000, 2400, 600);

    ReleaseOutcome drag(double pressX, double pressY, double toX, double toY,
                        int keys = KeyState::None)
    {
        pressControl(ref(), control, pressX, pressY);
        trackControl(ref(), control, toX, toY, kLeft, keys);
        return releaseControl(ref(), control, toX, toY);
    }
};

TEST(GrabZone, BandsAreEightyTwipsInsideEachEdgeAndSetThePointer)
{
    using enum PointerShape;
    struct Case
    {
        double x, y;
        DragHandle handle;
        PointerShape pointer;
    };
    const Case cases[] = {
        {10, 10, {Edge::Upper, Edge::Left}, SizeNWSE},
        {2390, 590, {Edge::Lower, Edge::Right}, SizeNWSE},
        {10, 590, {Edge::Lower, Edge::Left}, SizeNESW},
        {2380, 10, {Edge::Upper, Edge::Right}, SizeNESW},
        {10, 300, {Edge::Left}, SizeWE},
        {2380, 300, {Edge::Right}, SizeWE},
        {1200, 79, {Edge::Upper}, SizeNS},
        {1200, 521, {Edge::Lower}, SizeNS},
        {1200, 300, {}, Arrow},
        {80, 300, {}, Arrow},
        {1200, 520, {}, Arrow}, // exactly 80 inside: a move grab
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(testing::Message() << k.x << ", " << k.y);
        EXPECT_EQ(handleAt(2400, 600, k.x, k.y), k.handle);
        EXPECT_EQ(hoverPointer(2400, 600, k.x, k.y), k.pointer);
    }
}

TEST_F(Drag, ReleasePlacesTheControlAsTheGrabAndTheLimitsSay)
{
    struct Case
    {
        double pressX, pressY, toX, toY;
        TwipRect after;
    };
    const Case cases[] = {
        {1200, 300, 1500, 450, {3300, 2150, 2400, 600}}, // a move
        {80, 300, 380, 300, {3300, 2000, 2400, 600}}, // 80 inside is still a move
        {2380, 300, 3000, 300, {3000, 2000, 3000, 600}}, // the right band
        {10, 10, 2390, 590, {5375, 2575, 25, 25}}, // a corner stops 25 twips short
        {2380, 300, -500, 300, {3000, 2000, 25, 600}}, // past the left edge
        {10, 590, 300, 8000, {3300, 2000, 2100, 8000}}, // nor is a corner's
        {2380, 300, 20000, 300, {3000, 2000, 20000, 600}}, // a resize is not held on the surface
        {1200, 300, -3800, -4700, {0, 0, 2400, 600}}, // a move is
        {1200, 300, 21200, 20300, {9600, 8200, 2400, 600}}, // with the bottom 200 higher
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(testing::Message() << k.pressX << ", " << k.pressY << " to " << k.toX);
        placeDrawn(control, {3000, 2000, 2400, 600});
        EXPECT_TRUE(drag(k.pressX, k.pressY, k.toX, k.toY).changed);
        EXPECT_EQ(drawn(control).rect(), k.after);
        EXPECT_EQ(record(control).X, roundedFraction(k.after.left, 12000));
        EXPECT_EQ(record(control).Y, roundedFraction(k.after.top, 9000));
        EXPECT_EQ(record(control).Width, roundedFraction(k.after.width, 12000));
        EXPECT_EQ(record(control).Height, roundedFraction(k.after.height, 9000));
        EXPECT_TRUE(interaction.drag.handle.isMove());
    }
}

TEST_F(Drag, HoverTouchesNoStateAndTheOutlineMovesBeforeTheControl)
{
    EXPECT_EQ(trackControl(ref(), control, 10, 300, MouseButtons::None, KeyState::None).pointer,
              PointerShape::SizeWE);
    EXPECT_FALSE(interaction.lnMoving.visible);
    pressControl(ref(), control, 1200, 300);
    EXPECT_TRUE(interaction.drag.handle.isMove());
    EXPECT_EQ(trackControl(ref(), control, 1500, 450, kLeft, KeyState::None).pointer,
              PointerShape::SizeAll);
    EXPECT_TRUE(interaction.lnMoving.visible);
    const TwipRect bars[] = {{3300, 2150, 2400, 25},
                             {3300, 2150, 25, 600},
                             {5700, 2150, 25, 600},
                             {3300, 2750, 2400, 25}};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(interaction.lnMoving.bars[i], bars[i]) << i;
    EXPECT_EQ(drawn(control).left, 3000);
    releaseControl(ref(), control, 1500, 450);
    EXPECT_FALSE(interaction.lnMoving.visible);
    EXPECT_EQ(record(control).Y, 0.23889f); // 2150 / 9000 = 0.238888...
}

TEST_F(Drag, ReleasesWithoutATrackedMoveChangeNothing)
{
    drag(1200, 300, 1500, 450); // an earlier drag leaves its values behind
    // A fractional width would be rounded to whole twips, and the record with it, by a change.
    TwipRect placed = drawn(control).rect();
    placed.width = 2400.4;
    placeDrawn(control, placed);
    const ControlRecord before = record(control);

    EXPECT_FALSE(drag(1200, 300, 1200, 300).changed); // still
    pressControl(ref(), control, 2390, 300); // a band
    EXPECT_FALSE(releaseControl(ref(), control, 2390, 300).changed);
    EXPECT_TRUE(interaction.drag.handle.isMove());
    pressControl(ref(), control, 1200, 300);
    EXPECT_FALSE(trackControl(ref(), control, 1600, 500, kLeft, KeyState::Shift).frameMoved);
    EXPECT_FALSE(interaction.lnMoving.visible);
    trackControl(ref(), control, 1700, 700, MouseButtons::Middle, KeyState::None);
    trackControl(ref(), control, 1800, 800, kLeft, KeyState::Ctrl);
    EXPECT_FALSE(releaseControl(ref(), control, 1800, 800).changed);
    EXPECT_EQ(drawn(control).rect(), placed);
    EXPECT_EQ(record(control), before);
}

TEST(Fractions, RoundToFiveDecimalsWithHalvesToEven)
{
    EXPECT_EQ(roundedFraction(1.5, 12000), 0.00012f); // 0.000125
    EXPECT_EQ(roundedFraction(4.5, 12000), 0.00038f); // 0.000375
    EXPECT_EQ(roundedFraction(3000, 12030), 0.24938f); // 0.2493765...
}

TEST_F(Drag, UndoLetsGoOfControlsNoLongerShownAndOfADrag)
{
    const DialogContent kept = set.content(0);
    const std::string input = addControl(ControlKind::Input, 1200, 900, 1000, 300);
    interaction.focusTag = interaction.menu.CtrlToPos = input;
    interaction.menu.CtrlIndexToPos = 2;
    interaction.drag.tracked = interaction.lnMoving.visible = true;

    set.restoreContent(0, kept);
    interaction.letGoAfterRestore(set.drawnControls(0));
    EXPECT_EQ(interaction.focusTag, "");
    EXPECT_EQ(interaction.menu.CtrlToPos, "");
    EXPECT_EQ(interaction.menu.CtrlIndexToPos, -1);
    EXPECT_FALSE(interaction.drag.tracked);
    EXPECT_FALSE(interaction.lnMoving.visible);

    interaction.focusTag = control; // still shown: kept
    interaction.letGoAfterRestore(set.drawnControls(0));
    EXPECT_EQ(interaction.focusTag, control);
}

using Placing = SurfaceFixture;

TEST_F(Placing, ArmedKindIsMadeAtThePointAndAFullCounterRefused)
{
    ASSERT_TRUE(placeArmedControl(ref(), ControlKind::Button, 3000, 1500));
    const ControlRecord &button = dialog().cControls.at(0);
    EXPECT_EQ(button.X, static_cast<float>(3000.0 / 12000));
    EXPECT_EQ(button.Y, static_cast<float>(1500.0 / 9000));
    EXPECT_EQ(drawn(button.Tag).rect(),
              (TwipRect {3000, 1500, static_cast<double>(button.Width) * 12000,
                         static_cast<double>(button.Height) * 9000}));

    setElementCounter(ControlKind::Text, 32767);
    const auto refused = placeArmedControl(ref(), ControlKind::Text, 0, 0);
    EXPECT_FALSE(refused);
    EXPECT_FALSE(refused.message.empty());
    EXPECT_EQ(dialog().cControls.size(), 1u);
}

TEST_F(Placing, PressFocusesEveryKindButAFrameAndRightClickKeepsTheMenuState)
{
    const std::string frame = addControl(ControlKind::Frame, 0, 0, 5000, 5000);
    const std::string input = addControl(ControlKind::Input, 100, 100, 2000, 400);
    pressControl(ref(), input, 500, 200);
    EXPECT_EQ(interaction.focusTag, input);
    pressControl(ref(), frame, 2500, 2500);
    EXPECT_EQ(interaction.focusTag, input);

    pressControl(ref(), input, 1000, 200);
    trackControl(ref(), input, 1200, 300, kLeft, KeyState::None);
    ASSERT_TRUE(interaction.lnMoving.visible);
    openMenuOnControl(ref(), input, 200, 100);
    EXPECT_FALSE(interaction.lnMoving.visible);
    EXPECT_EQ(interaction.menu.CtrlToPos, input);
    EXPECT_EQ(interaction.menu.CtrlIndexToPos, 2);
    EXPECT_EQ(interaction.menu.CtrlToPosMouseX, 200);
    EXPECT_EQ(interaction.menu.CtrlToPosMouseY, 100);
}

TEST(TwoClicks, TheSecondClickOnTheSameControlWhilePendingOpensTheEditor)
{
    DragState drag;
    EXPECT_FALSE(registerClick(drag, "1"));
    EXPECT_TRUE(registerClick(drag, "1")); // within the interval
    EXPECT_TRUE(drag.ClickPending); // left as it is
    expireClick(drag);
    EXPECT_FALSE(registerClick(drag, "1")); // after it: a new first click
    EXPECT_FALSE(registerClick(drag, "2")); // another control: its own first click
    EXPECT_TRUE(registerClick(drag, "2"));
    // Picking into the selection never counts, and ends what was pending.
    EXPECT_FALSE(registerClick(drag, "2", KeyState::Ctrl));
    EXPECT_FALSE(registerClick(drag, "2", KeyState::Shift));
    EXPECT_FALSE(drag.ClickPending);
    EXPECT_TRUE(opensEditorOnTwoClicks(ControlKind::Slider));
    EXPECT_FALSE(opensEditorOnTwoClicks(ControlKind::Picture));
}

} // namespace
