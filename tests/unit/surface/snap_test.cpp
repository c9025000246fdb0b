#include "surface/grid_lines.h"
#include "surface/grid_step.h"
#include "surface/snap.h"
#include "surface/surface_commands.h"
#include "surface/surface_gestures.h"
#include "surface_fixture.h"

using namespace kovrin;
using namespace kovrin::test;

namespace {

class Snap : public SurfaceFixture
{
protected:
    Snap() { set.setGridSize(0, 0.05f); } // 600 twips across, 450 down

    double snappedLeft(double left, double width = 2400)
    {
        const std::string tag = addControl(ControlKind::Button, left, 1000, width, 600);
        interaction.menu.CtrlToPos = tag;
        snapMenuControlToGrid(ref());
        return drawn(tag).left;
    }
};

TEST_F(Snap, LeftGoesToTheNearestGridPositionAndTiesGoToTheGreater)
{
    EXPECT_EQ(snappedLeft(1000), 1200);
    EXPECT_EQ(snappedLeft(900), 1200); // as near to 600 as to 1200
    EXPECT_EQ(snappedLeft(290), 0);
    EXPECT_EQ(snappedLeft(-700), 0);
}

TEST_F(Snap, ResultIsHeldInsideTheSurface)
{
    EXPECT_EQ(snappedLeft(11900), 9600); // snaps to 12000, held at 12000 - 2400
}

TEST_F(Snap, BottomIsHeldTwoHundredTwipsHigherAndTheRecordFollows)
{
    const std::string tag = addControl(ControlKind::Button, 1000, 8800, 2400, 600);
    interaction.menu.CtrlToPos = tag;
    EXPECT_TRUE(snapMenuControlToGrid(ref()));
    EXPECT_EQ(drawn(tag).rect(), (TwipRect {1200, 9000 - 600 - 200, 2400, 600}));
    EXPECT_EQ(record(tag).X, 0.1f);
    EXPECT_EQ(record(tag).Y, 0.91111f);
}

TEST_F(Snap, NoGridOrATinyStepFromAFileDoesNothing)
{
    for (float step : {0.0f, 0.00009f, 1e-30f, -0.05f}) {
        set.setGridSize(0, step);
        const std::string tag = addControl(ControlKind::Button, 1000, 1000, 2400, 600);
        interaction.menu.CtrlToPos = tag;
        const ControlRecord before = record(tag);
        EXPECT_FALSE(snapMenuControlToGrid(ref())) << step;
        EXPECT_EQ(drawn(tag).left, 1000);
        EXPECT_EQ(record(tag), before);
    }
}

TEST(SnapCoordinate, WalksSumsOfTheStepAndFindsFarValuesByDivision)
{
    EXPECT_EQ(snapCoordinate(0, 600), 0);
    EXPECT_EQ(snapCoordinate(299, 600), 0);
    EXPECT_EQ(snapCoordinate(301, 600), 600);
    // 1e12 lies 400 past a multiple of 600: far values are found by division.
    EXPECT_EQ(snapCoordinate(1.0e12, 600), 1.0e12 + 200);
    EXPECT_EQ(snapCoordinate(1.0e12 - 200, 600), 1.0e12 - 400);
    EXPECT_EQ(snapCoordinate(1.0e12 - 100, 600), 1.0e12 + 200); // a tie goes to the greater
    EXPECT_EQ(snapCoordinate(1234, 0), 1234); // no step: no grid to walk along
}

class Nudge : public Snap
{
protected:
    std::string control = addControl(ControlKind::Input, 1000, 1000, 2400, 600);
    Nudge() { interaction.focusTag = control; }
};

TEST_F(Nudge, CtrlLeftSnapsThenStepsOneGridStep)
{
    EXPECT_TRUE(nudgeControl(ref(), NudgeKey::Left, KeyState::Ctrl));
    EXPECT_EQ(drawn(control).left, 600); // snapped to 1200, stepped by 600
    EXPECT_EQ(drawn(control).top, 900); // snapped only
    EXPECT_EQ(record(control).X, 0.05f);
    EXPECT_EQ(record(control).Y, 0.1f);
    EXPECT_EQ(interaction.menu.CtrlToPos, control);
}

TEST_F(Nudge, StepsAreNotHeldInsideTheSurface)
{
    TwipRect atLeftEdge = drawn(control).rect();
    atLeftEdge.left = 0;
    placeDrawn(control, atLeftEdge);
    nudgeControl(ref(), NudgeKey::Left, KeyState::Ctrl);
    EXPECT_EQ(drawn(control).left, -600);
    nudgeControl(ref(), NudgeKey::Up, KeyState::Ctrl);
    EXPECT_EQ(drawn(control).left, -600 + 600); // the snap first brings it back to 0
    EXPECT_EQ(drawn(control).top, 900 - 450);
}

TEST_F(Nudge, OtherKeysOnlySnapAndOtherKeyStatesDoNothing)
{
    EXPECT_TRUE(nudgeControl(ref(), NudgeKey::Other, KeyState::Ctrl)); // Ctrl+A
    EXPECT_EQ(drawn(control).left, 1200);

    TwipRect offGrid = drawn(control).rect();
    offGrid.left = 1000;
    placeDrawn(control, offGrid);
    EXPECT_FALSE(nudgeControl(ref(), NudgeKey::Left, KeyState::Ctrl | KeyState::Shift));
    EXPECT_FALSE(nudgeControl(ref(), NudgeKey::Left, KeyState::None));
    set.setGridSize(0, 0);
    EXPECT_FALSE(nudgeControl(ref(), NudgeKey::Left, KeyState::Ctrl));
    EXPECT_EQ(drawn(control).left, 1000);
}

TEST_F(Nudge, NothingWithoutAFocusedControl)
{
    interaction.focusTag.clear();
    EXPECT_FALSE(nudgeControl(ref(), NudgeKey::Left, KeyState::Ctrl));
    EXPECT_EQ(drawn(control).left, 1000);
}

TEST(GridLines, RepeatedSumsFromTheTopLeftEdgeBelowTheOuterSize)
{
    const GridLines grid = buildGridLines(0.1f, {12000, 9000});
    ASSERT_GE(grid.lnH.size(), 10u);
    ASSERT_LE(grid.lnH.size(), 11u);
    EXPECT_EQ(grid.lnH[0], (GridLine {0, 0, 0, 9000, true}));
    float sum = 0;
    for (const GridLine &line : grid.lnH) {
        EXPECT_EQ(line.X1, static_cast<double>(sum));
        EXPECT_EQ(line.X2, line.X1);
        EXPECT_LT(line.X1, 12000);
        sum += 1200.0f;
    }
    EXPECT_EQ(grid.lnV[1], (GridLine {0, 900, 12000, 900, true}));
    EXPECT_LE(grid.lnV.size(), 11u);
}

TEST(GridLines, NoLinesWithoutAStepAndAtMostTenThousandAtTheSmallest)
{
    EXPECT_TRUE(buildGridLines(0.0f, {12000, 9000}).empty());
    EXPECT_TRUE(buildGridLines(0.00001f, {12000, 9000}).empty());
    EXPECT_TRUE(buildGridLines(-1.0f, {12000, 9000}).empty());
    const GridLines finest = buildGridLines(kSmallestGridStep, {12030, 7635});
    EXPECT_GE(finest.lnH.size(), 10000u);
    EXPECT_LE(finest.lnH.size(), 10001u);
    EXPECT_LE(finest.lnV.size(), 10001u);
    const GridLines whole = buildGridLines(1.0f, {12000, 9000});
    EXPECT_EQ(whole.lnH.size(), 1u);
}

class GridStep : public SurfaceFixture
{
};

TEST(EnteredGridStep, OnlyANumberAboveZeroIsAStep)
{
    EXPECT_FALSE(enteredGridStep("0"));
    EXPECT_FALSE(enteredGridStep("-"));
    EXPECT_FALSE(enteredGridStep(""));
    EXPECT_EQ(enteredGridStep("0,1"), 0.1f);
    EXPECT_EQ(enteredGridStep("0.025"), 0.025f);
}

} // namespace
