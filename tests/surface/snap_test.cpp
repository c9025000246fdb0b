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
};

// The nearest grid position (snapCoordinate's table), held on the surface as a move is.
TEST_F(Snap, LeftAndTopGoToTheNearestGridPositionHeldOnTheSurface)
{
    const std::tuple<double, double, double, double> cases[] = {
        {1000, 1000, 1200, 900},
        {-700, 1000, 0, 900},
        {11900, 1000, 9600, 900}, // 12000 - 2400
        {1000, 8800, 1200, 9000 - 600 - 200}, // the bottom is held 200 twips higher
    };
    for (const auto &[left, top, snappedLeft, snappedTop] : cases) {
        const std::string tag = addControl(ControlKind::Button, left, top, 2400, 600);
        interaction.menu.CtrlToPos = tag;
        EXPECT_TRUE(snapMenuControlToGrid(ref())) << left;
        EXPECT_EQ(drawn(tag).rect(), (TwipRect {snappedLeft, snappedTop, 2400, 600})) << left;
    }
    EXPECT_EQ(record(dialog().cControls.back().Tag).Y, 0.91111f); // the record follows
}

TEST(SnapCoordinate, WalksSumsOfTheStepAndFindsFarValuesByDivision)
{
    // 1e12 lies 400 past a multiple of 600; no step is no grid to walk along.
    const double cases[][3] = {{0, 600, 0},
                               {299, 600, 0},
                               {301, 600, 600},
                               {900, 600, 1200}, // a tie goes to the greater
                               {1.0e12, 600, 1.0e12 + 200},
                               {1.0e12 - 200, 600, 1.0e12 - 400},
                               {1.0e12 - 100, 600, 1.0e12 + 200}, // a tie goes to the greater
                               {1234, 0, 1234}};
    for (const auto &k : cases)
        EXPECT_EQ(snapCoordinate(k[0], k[1]), k[2]) << k[0];
}

class Nudge : public Snap
{
protected:
    std::string control = addControl(ControlKind::Input, 1000, 1000, 2400, 600);
    Nudge() { interaction.focusTag = control; }
};

TEST_F(Nudge, CtrlArrowSnapsThenStepsOneGridStepNotHeldOnTheSurface)
{
    EXPECT_TRUE(nudgeControl(ref(), NudgeKey::Left, KeyState::Ctrl));
    EXPECT_EQ(drawn(control).left, 600); // snapped to 1200, stepped by 600
    EXPECT_EQ(drawn(control).top, 900); // snapped only
    EXPECT_EQ(record(control).X, 0.05f);
    EXPECT_EQ(record(control).Y, 0.1f);
    EXPECT_EQ(interaction.menu.CtrlToPos, control);

    nudgeControl(ref(), NudgeKey::Left, KeyState::Ctrl);
    nudgeControl(ref(), NudgeKey::Left, KeyState::Ctrl);
    EXPECT_EQ(drawn(control).left, -600);
    nudgeControl(ref(), NudgeKey::Up, KeyState::Ctrl);
    EXPECT_EQ(drawn(control).left, 0); // the snap first brings it back to 0
    EXPECT_EQ(drawn(control).top, 900 - 450);
}

TEST_F(Nudge, OtherKeysOnlySnapAndNothingWithoutCtrlAGridOrAFocusedControl)
{
    EXPECT_FALSE(nudgeControl(ref(), NudgeKey::Left, KeyState::Ctrl | KeyState::Shift));
    EXPECT_FALSE(nudgeControl(ref(), NudgeKey::Left, KeyState::None));
    interaction.focusTag.clear();
    EXPECT_FALSE(nudgeControl(ref(), NudgeKey::Left, KeyState::Ctrl));
    interaction.focusTag = control;
    set.setGridSize(0, 0);
    EXPECT_FALSE(nudgeControl(ref(), NudgeKey::Left, KeyState::Ctrl));
    EXPECT_EQ(drawn(control).left, 1000);
    set.setGridSize(0, 0.05f);
    EXPECT_TRUE(nudgeControl(ref(), NudgeKey::Other, KeyState::Ctrl)); // Ctrl+A
    EXPECT_EQ(drawn(control).left, 1200);
}

// Lines at repeated sums of the step from the top left edge, below the outer size; none without
// a step, and at most ten thousand at the smallest.
TEST(GridLines, RepeatedSumsBelowTheOuterSizeAndAtMostTenThousand)
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

    for (float step : {0.0f, 0.00001f, -1.0f})
        EXPECT_TRUE(buildGridLines(step, {12000, 9000}).empty()) << step;
    const GridLines finest = buildGridLines(kSmallestGridStep, {12030, 7635});
    EXPECT_GE(finest.lnH.size(), 10000u);
    EXPECT_LE(finest.lnH.size(), 10001u);
    EXPECT_LE(finest.lnV.size(), 10001u);
    EXPECT_EQ(buildGridLines(1.0f, {12000, 9000}).lnH.size(), 1u);
}

TEST(EnteredGridStep, OnlyANumberAboveZeroIsAStep)
{
    for (const char *text : {"0", "-", ""})
        EXPECT_FALSE(enteredGridStep(text)) << text;
    EXPECT_EQ(enteredGridStep("0,1"), 0.1f);
    EXPECT_EQ(enteredGridStep("0.025"), 0.025f);
    // Without a digit the text is refused at once; "0" is taken and keeps the step.
    for (const char *text : {"", "-", ","})
        EXPECT_EQ(gridSizeProblems(text), "- You must enter a grid size!") << text;
    EXPECT_EQ(gridSizeProblems("0"), "");
}

} // namespace
