#include "surface/drag.h"
#include "surface/input_state.h"
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

TEST(GrabZone, BandsAreEightyTwipsInsideEachEdge)
{
    EXPECT_EQ(handleAt(2400, 600, 10, 10), (DragHandle {Edge::Upper, Edge::Left}));
    EXPECT_EQ(handleAt(2400, 600, 10, 590), (DragHandle {Edge::Lower, Edge::Left}));
    EXPECT_EQ(handleAt(2400, 600, 10, 300), (DragHandle {Edge::Left}));
    EXPECT_EQ(handleAt(2400, 600, 2380, 10), (DragHandle {Edge::Upper, Edge::Right}));
    EXPECT_EQ(handleAt(2400, 600, 2380, 590), (DragHandle {Edge::Lower, Edge::Right}));
    EXPECT_EQ(handleAt(2400, 600, 2380, 300), (DragHandle {Edge::Right}));
    EXPECT_EQ(handleAt(2400, 600, 1200, 79), (DragHandle {Edge::Upper}));
    EXPECT_EQ(handleAt(2400, 600, 1200, 521), (DragHandle {Edge::Lower}));
    EXPECT_EQ(handleAt(2400, 600, 1200, 300), (DragHandle {}));
    // Exactly 80 twips from an edge lies in no band: a move grab.
    EXPECT_EQ(handleAt(2400, 600, 80, 300), (DragHandle {}));
    EXPECT_EQ(handleAt(2400, 600, 1200, 520), (DragHandle {}));
}

TEST(GrabZone, HoverPointerFollowsTheBands)
{
    EXPECT_EQ(hoverPointer(2400, 600, 10, 10), PointerShape::SizeNWSE);
    EXPECT_EQ(hoverPointer(2400, 600, 2390, 590), PointerShape::SizeNWSE);
    EXPECT_EQ(hoverPointer(2400, 600, 10, 590), PointerShape::SizeNESW);
    EXPECT_EQ(hoverPointer(2400, 600, 2390, 10), PointerShape::SizeNESW);
    EXPECT_EQ(hoverPointer(2400, 600, 10, 300), PointerShape::SizeWE);
    EXPECT_EQ(hoverPointer(2400, 600, 2390, 300), PointerShape::SizeWE);
    EXPECT_EQ(hoverPointer(2400, 600, 1200, 10), PointerShape::SizeNS);
    EXPECT_EQ(hoverPointer(2400, 600, 1200, 590), PointerShape::SizeNS);
    EXPECT_EQ(hoverPointer(2400, 600, 1200, 300), PointerShape::Arrow);
}

TEST_F(Drag, MoveChangesOnlyOnReleaseAndRoundsThePosition)
{
    pressControl(ref(), control, 1200, 300);
    EXPECT_EQ(interaction.drag.handle, (DragHandle {}));
    EXPECT_EQ(interaction.drag.GrabX, 1200);
    const TrackOutcome track = trackControl(ref(), control, 1500, 450, kLeft, KeyState::None);
    EXPECT_EQ(track.pointer, PointerShape::SizeAll);
    EXPECT_TRUE(interaction.lnMoving.visible);
    EXPECT_EQ(interaction.lnMoving.bars[0], (TwipRect {3300, 2150, 2400, 25}));
    EXPECT_EQ(interaction.lnMoving.bars[3], (TwipRect {3300, 2750, 2400, 25}));
    EXPECT_EQ(interaction.lnMoving.bars[1], (TwipRect {3300, 2150, 25, 600}));
    EXPECT_EQ(interaction.lnMoving.bars[2], (TwipRect {5700, 2150, 25, 600}));
    EXPECT_EQ(drawn(control).left, 3000); // not yet moved
    const float widthBefore = record(control).Width;

    const ReleaseOutcome end = releaseControl(ref(), control, 1500, 450);
    EXPECT_TRUE(end.changed);
    EXPECT_FALSE(interaction.lnMoving.visible);
    EXPECT_EQ(drawn(control).rect(), (TwipRect {3300, 2150, 2400, 600}));
    EXPECT_EQ(record(control).X, 0.275f);
    EXPECT_EQ(record(control).Y, 0.23889f); // 2150 / 9000 = 0.238888...
    EXPECT_EQ(record(control).Width, widthBefore);
    EXPECT_EQ(interaction.drag.GrabX, 1200); // kept
    EXPECT_EQ(interaction.drag.DragX, 0);
}

TEST_F(Drag, RightBandResizesTheWidthAndRewritesEveryFraction)
{
    pressControl(ref(), control, 2380, 300);
    EXPECT_EQ(interaction.drag.handle, (DragHandle {Edge::Right}));
    EXPECT_EQ(interaction.drag.DragX, 2400);
    trackControl(ref(), control, 3000, 300, kLeft, KeyState::None);
    releaseControl(ref(), control, 3000, 300);
    EXPECT_EQ(drawn(control).rect(), (TwipRect {3000, 2000, 3000, 600}));
    EXPECT_EQ(record(control).Width, 0.25f);
    EXPECT_EQ(record(control).Height, 0.06667f);
    EXPECT_EQ(record(control).X, 0.25f);
    EXPECT_EQ(record(control).Y, 0.22222f);
    EXPECT_EQ(interaction.drag.handle, (DragHandle {}));
}

TEST_F(Drag, UpperLeftCornerStopsTwentyFiveTwipsShort)
{
    pressControl(ref(), control, 10, 10);
    EXPECT_EQ(interaction.drag.handle, (DragHandle {Edge::Upper, Edge::Left}));
    trackControl(ref(), control, 2390, 590, kLeft, KeyState::None);
    EXPECT_EQ(interaction.drag.DragX, 2375);
    EXPECT_EQ(interaction.drag.DragY, 575);
    EXPECT_EQ(interaction.lnMoving.bars[0], (TwipRect {5375, 2575, 25, 25}));
    releaseControl(ref(), control, 2390, 590);
    EXPECT_EQ(drawn(control).rect(), (TwipRect {5375, 2575, 25, 25}));
    EXPECT_EQ(record(control).X, roundedFraction(5375, 12000));
    EXPECT_EQ(record(control).Y, roundedFraction(2575, 9000));
}

TEST_F(Drag, RightBandDraggedPastTheLeftEdgeKeepsTwentyFiveTwips)
{
    drag(2380, 300, -500, 300);
    EXPECT_EQ(drawn(control).rect(), (TwipRect {3000, 2000, 25, 600}));
    drag(10, 590, 300, 5000); // lower-left corner down past the control: height grows freely
    EXPECT_EQ(drawn(control).height, 5000);
    EXPECT_EQ(drawn(control).width, 25); // left edge held 25 short of the right
}

TEST_F(Drag, ResizeIsNotHeldInsideTheSurface)
{
    drag(2380, 300, 20000, 300);
    EXPECT_EQ(drawn(control).width, 20000);
}

TEST_F(Drag, MoveLimitsKeepTheControlOnTheSurfaceButTheBottomSitsHigher)
{
    drag(1200, 300, 1200 - 5000, 300 - 5000); // up and left past the edges
    EXPECT_EQ(drawn(control).left, 0);
    EXPECT_EQ(drawn(control).top, 0);
    drag(1200, 300, 1200 + 20000, 300 + 20000);
    EXPECT_EQ(drawn(control).left, 12000 - 2400);
    EXPECT_EQ(drawn(control).top, 9000 - 600 - 200);
    EXPECT_EQ(record(control).Y, 0.91111f);
}

TEST_F(Drag, ModifierKeysStopTheOutlineAndAStillReleaseChangesNothing)
{
    pressControl(ref(), control, 1200, 300);
    const TrackOutcome shifted = trackControl(ref(), control, 1600, 500, kLeft, KeyState::Shift);
    EXPECT_FALSE(shifted.frameMoved);
    EXPECT_FALSE(interaction.lnMoving.visible);

    const ControlRecord before = record(control);
    EXPECT_FALSE(drag(1200, 300, 1200, 300).changed);
    EXPECT_EQ(drawn(control).rect(), (TwipRect {3000, 2000, 2400, 600}));
    EXPECT_EQ(record(control), before);
}

TEST_F(Drag, ReleaseAfterAGrabWithoutTrackedMovementLeavesTheControl)
{
    drag(1200, 300, 1500, 450); // an earlier drag leaves its values behind
    const TwipRect placed = drawn(control).rect();
    const ControlRecord before = record(control);

    pressControl(ref(), control, 1200, 300);
    trackControl(ref(), control, 1700, 700, MouseButtons::Middle, KeyState::None);
    trackControl(ref(), control, 1800, 800, kLeft, KeyState::Ctrl);
    EXPECT_FALSE(releaseControl(ref(), control, 1800, 800).changed);
    EXPECT_EQ(drawn(control).rect(), placed);
    EXPECT_EQ(record(control), before);
}

TEST_F(Drag, BandPressAndReleaseWithoutMovementChangesNothing)
{
    // A fractional width would otherwise be rounded to whole twips and the record re-rounded.
    TwipRect fractional = drawn(control).rect();
    fractional.width = 2400.4;
    placeDrawn(control, fractional);
    const ControlRecord before = record(control);
    pressControl(ref(), control, 2390, 300);
    EXPECT_FALSE(releaseControl(ref(), control, 2390, 300).changed);
    EXPECT_EQ(drawn(control).width, 2400.4);
    EXPECT_EQ(record(control), before);
    EXPECT_EQ(interaction.drag.handle, (DragHandle {}));
}

TEST_F(Drag, PressExactlyEightyTwipsInsideIsAMoveGrab)
{
    drag(80, 300, 380, 300);
    EXPECT_EQ(drawn(control).rect(), (TwipRect {3300, 2000, 2400, 600}));
}

TEST_F(Drag, HoverShowsThePointerAndTouchesNoState)
{
    const DragState before = interaction.drag;
    EXPECT_EQ(trackControl(ref(), control, 10, 300, MouseButtons::None, KeyState::None).pointer,
              PointerShape::SizeWE);
    EXPECT_EQ(interaction.drag.handle, before.handle);
    EXPECT_FALSE(interaction.lnMoving.visible);
}

TEST(Fractions, RoundToFiveDecimalsWithHalvesToEven)
{
    EXPECT_EQ(roundedFraction(1.5, 12000), 0.00012f); // 0.000125
    EXPECT_EQ(roundedFraction(4.5, 12000), 0.00038f); // 0.000375
    EXPECT_EQ(roundedFraction(3000, 12030), 0.24938f); // 0.2493765...
    EXPECT_EQ(roundedFraction(763.5, 9000), 0.08483f);
}

TEST_F(Drag, UndoLetsGoOfControlsNoLongerShownAndOfADrag)
{
    const DialogContent kept = set.content(0);
    const std::string input = addControl(ControlKind::Input, 1200, 900, 1000, 300);
    interaction.focusTag = input;
    interaction.menu.CtrlToPos = input;
    interaction.menu.CtrlIndexToPos = 2;
    interaction.drag.tracked = true;
    interaction.lnMoving.visible = true;

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

} // namespace
