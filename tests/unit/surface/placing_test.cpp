#include "surface/kind_gestures.h"
#include "surface/surface_gestures.h"
#include "surface_fixture.h"

using namespace kovrin;
using namespace kovrin::test;

namespace {

class Placing : public SurfaceFixture
{
};

TEST_F(Placing, ArmedKindIsMadeAtThePointInItsDefaultSize)
{
    ASSERT_TRUE(placeArmedControl(ref(), ControlKind::Button, 3000, 1500));
    const ControlRecord &button = dialog().cControls.at(0);
    EXPECT_EQ(button.X, static_cast<float>(3000.0 / 12000));
    EXPECT_EQ(button.Y, static_cast<float>(1500.0 / 9000));
    const DrawnControl &drawn = drawnControls().stackingOrder().back();
    EXPECT_EQ(drawn.left, 3000);
    EXPECT_EQ(drawn.top, 1500);
    EXPECT_EQ(drawn.width, static_cast<double>(0.2f) * 12000);
    EXPECT_EQ(drawn.height, static_cast<double>(0.04f) * 9000);
}

TEST_F(Placing, FullCounterIsRefusedWithAMessage)
{
    setElementCounter(ControlKind::Text, 32767);
    const auto refused = placeArmedControl(ref(), ControlKind::Text, 0, 0);
    EXPECT_FALSE(refused);
    EXPECT_FALSE(refused.message.empty());
    EXPECT_TRUE(dialog().cControls.empty());
}

TEST_F(Placing, PressGivesTheKeyboardFocusToEveryKindButAFrame)
{
    const std::string frame = addControl(ControlKind::Frame, 0, 0, 5000, 5000);
    const std::string input = addControl(ControlKind::Input, 100, 100, 2000, 400);
    pressControl(ref(), input, 500, 200);
    EXPECT_EQ(interaction.focusTag, input);
    pressControl(ref(), frame, 2500, 2500);
    EXPECT_EQ(interaction.focusTag, input);
}

TEST_F(Placing, RightClickLeavesTheMenuStateAndHidesTheOutline)
{
    const std::string text = addControl(ControlKind::Text, 600, 300, 2000, 900);
    pressControl(ref(), text, 1000, 400);
    trackControl(ref(), text, 1200, 500, MouseButtons::Left, KeyState::None);
    ASSERT_TRUE(interaction.lnMoving.visible);
    openMenuOnControl(ref(), text, 200, 100);
    EXPECT_FALSE(interaction.lnMoving.visible);
    EXPECT_EQ(interaction.menu.CtrlToPos, text);
    EXPECT_EQ(interaction.menu.CtrlIndexToPos, 1);
    EXPECT_EQ(interaction.menu.CtrlToPosMouseX, 200);
    EXPECT_EQ(interaction.menu.CtrlToPosMouseY, 100);
}

TEST(TwoClicks, TheSecondClickWhilePendingOpensTheEditor)
{
    DragState drag;
    EXPECT_FALSE(registerClick(drag));
    EXPECT_TRUE(drag.ClickPending);
    EXPECT_TRUE(registerClick(drag)); // within the interval
    EXPECT_TRUE(drag.ClickPending); // left as it is
    expireClick(drag);
    EXPECT_FALSE(registerClick(drag)); // after it: a new first click
    EXPECT_TRUE(opensEditorOnTwoClicks(ControlKind::Slider));
    EXPECT_FALSE(opensEditorOnTwoClicks(ControlKind::Picture));
}

} // namespace
