#include "surface/drag_preview.h"
#include "surface/group_clipboard.h"
#include "surface/group_move.h"
#include "surface/selection.h"
#include "surface_fixture.h"

using namespace kovrin;
using namespace kovrin::test;

namespace {

TEST(GroupMove, LimitsHoldTheBoundingBoxAsAMoveHoldsOneControl)
{
    const TwipRect box = boundingBox({{1000, 1000, 500, 500}, {3000, 2000, 1000, 1000}});
    EXPECT_EQ(box, (TwipRect {1000, 1000, 3000, 2000}));
    struct Case
    {
        TwipOffset wanted;
        TwipOffset held;
    };
    const Case cases[] = {
        {{300, 150}, {300, 150}}, {{-5000, -5000}, {-1000, -1000}}, // the box's corner at 0, 0
        {{10000, 0}, {8000, 0}}, // its right at 12000
        {{0, 6001}, {0, 5800}}, // past the bottom: 200 higher than the edge
        {{0, 6000}, {0, 6000}}, // exactly at the bottom is no pass
    };
    for (const Case &k : cases)
        EXPECT_EQ(limitGroupOffset(box, k.wanted, kSurface), k.held) << k.wanted.dx << k.wanted.dy;
}

TEST(GroupMove, ArrowsStepOneOrTenPixels)
{
    EXPECT_EQ(nudgeOffset(NudgeKey::Left, false), (TwipOffset {-15, 0}));
    EXPECT_EQ(nudgeOffset(NudgeKey::Down, true), (TwipOffset {0, 150}));
    EXPECT_EQ(nudgeOffset(NudgeKey::Other, true), (TwipOffset {}));
}

class GroupOnSurface : public SurfaceFixture
{
protected:
    GroupOnSurface()
    {
        a = addControl(ControlKind::Button, 1000, 1000, 2400, 600);
        b = addControl(ControlKind::Text, 4000, 2000, 1000, 500);
        c = addControl(ControlKind::Input, 8000, 8000, 1000, 500); // not picked
        picked.addAll({b, a});
    }
    std::string a, b, c;
    Selection picked;
};

TEST_F(GroupOnSurface, DragMovesEveryPickedControlByOneHeldOffset)
{
    GroupDrag drag;
    beginGroupDrag(drag, drawnControls(), picked, a, 1200, 1300);
    EXPECT_EQ(drag.tags, (std::vector<std::string> {b, a}));
    trackGroupDrag(drag, 1200 + 300, 1300 - 5000, kSurface, std::nullopt);
    EXPECT_EQ(drag.offset, (TwipOffset {300, -1000})); // a's top stops at 0
    EXPECT_EQ(groupOutline(drag)[0], (TwipRect {4300, 1000, 1000, 500}));

    EXPECT_TRUE(endGroupDrag(drag, ref()));
    EXPECT_FALSE(drag.active);
    EXPECT_EQ(drawn(a).rect(), (TwipRect {1300, 0, 2400, 600}));
    EXPECT_EQ(drawn(b).rect(), (TwipRect {4300, 1000, 1000, 500}));
    EXPECT_EQ(record(b).X, 0.35833f); // 4300 / 12000 rounded to 5 decimals
    EXPECT_EQ(record(b).Y, 0.11111f);
    EXPECT_EQ(drawn(c).left, 8000);
}

TEST_F(GroupOnSurface, SnappingPutsTheGrabbedControlOnTheGridAndTheOthersFollow)
{
    GroupDrag drag;
    beginGroupDrag(drag, drawnControls(), picked, a, 1200, 1300);
    trackGroupDrag(drag, 1200 + 130, 1300 + 100, kSurface, 0.05f); // steps of 600 and 450
    EXPECT_EQ(drag.offset, (TwipOffset {200, -100})); // a to 1200, 900
    trackGroupDrag(drag, 1200 + 130, 1300 + 100, kSurface, 0.0f); // no grid: no snap
    EXPECT_EQ(drag.offset, (TwipOffset {130, 100}));
}

TEST_F(GroupOnSurface, AReleaseWithoutMovementChangesNothing)
{
    GroupDrag drag;
    beginGroupDrag(drag, drawnControls(), picked, a, 1200, 1300);
    const ControlRecord before = record(a);
    EXPECT_FALSE(endGroupDrag(drag, ref()));
    EXPECT_EQ(record(a), before);
}

TEST_F(GroupOnSurface, PasteKeepsTheOffsetsFromTheFirstPicked)
{
    const auto copied = copyControls(ref(), picked.tags());
    ASSERT_EQ(copied.size(), 2u);
    EXPECT_EQ(copied[1].dx, -3000);
    EXPECT_EQ(copied[1].dy, -1000);

    const GroupPaste paste = pasteControls(ref(), copied, 6000, 3000);
    ASSERT_EQ(paste.pasted.size(), 2u);
    EXPECT_EQ(paste.problem, "");
    const ControlRecord &first = dialog().cControls[paste.pasted[0]];
    const ControlRecord &second = dialog().cControls[paste.pasted[1]];
    EXPECT_EQ(first.Name, record(b).Name + "_4");
    EXPECT_EQ(second.Name, record(a).Name + "_5");
    EXPECT_EQ(drawn(first.Tag).left, 6000);
    EXPECT_EQ(drawn(first.Tag).top, 3000);
    EXPECT_EQ(drawn(second.Tag).left, 3000);
    EXPECT_EQ(drawn(second.Tag).top, 2000);
    EXPECT_EQ(second.X, static_cast<float>(3000.0 / kSurface.width));
}

TEST_F(GroupOnSurface, ReleasePreviewAndSnappedResize)
{
    DragState drag;
    beginDrag(drag, drawn(a).rect(), 2390, 300); // the right band
    EXPECT_EQ(rectOnRelease(drag, drawn(a).rect(), kSurface), std::nullopt);
    MovingFrame frame;
    trackDrag(drag, frame, drawn(a).rect(), 2800, 300, MouseButtons::Left, KeyState::None);
    const TwipRect widened {1000, 1000, 2800, 600};
    EXPECT_EQ(rectOnRelease(drag, drawn(a).rect(), kSurface), widened);
    // The right edge at 3800 goes to the grid line at 3600; the left stays.
    EXPECT_EQ(snapDraggedRect(widened, DragHandle {Edge::Right}, kSurface, 0.05f),
              (TwipRect {1000, 1000, 2600, 600}));
    // The upper-left corner at 1000, 1000 goes to 1200, 900, the other edges stay.
    EXPECT_EQ(snapDraggedRect(widened, DragHandle {Edge::Upper, Edge::Left}, kSurface, 0.05f),
              (TwipRect {1200, 900, 2600, 700}));
    // A right edge snapped onto the left keeps the smallest size.
    EXPECT_EQ(snapDraggedRect({1250, 0, 30, 30}, DragHandle {Edge::Right}, kSurface, 0.05f).width,
              25);
    EXPECT_EQ(snapDraggedRect(widened, DragHandle {}, kSurface, 0.05f).left,
              1200); // a move: snap command
}

} // namespace
