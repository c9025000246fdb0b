// Picking several controls and acting on them at once: the selection, the rubber band, Arrange,
// group moves and pastes, and the status bar's texts for them.
#include "model/number_text.h"
#include "surface/arrange.h"
#include "surface/drag_preview.h"
#include "surface/group_clipboard.h"
#include "surface/group_move.h"
#include "surface/rubber_band.h"
#include "surface/selection.h"
#include "surface/status_text.h"
#include "surface_fixture.h"

using namespace kovrin;
using namespace kovrin::test;

namespace {

using Band = SurfaceFixture;

TEST_F(Band, SelectsWhatItTouchesBackToFrontAndNothingHidden)
{
    const std::string a = addControl(ControlKind::Button, 1000, 1000, 1000, 500); // to 2000, 1500
    const std::string b = addControl(ControlKind::Text, 3000, 1000, 1000, 500);
    const std::string c = addControl(ControlKind::Input, 1000, 4000, 1000, 500);
    const std::string gone = addControl(ControlKind::Input, 1200, 1200, 100, 100);
    set.removeRecord(0, 3); // hides its drawn control

    struct Case
    {
        TwipRect band;
        std::vector<std::string> touched;
    };
    const Case cases[] = {
        {bandBetween(500, 500, 2500, 2500), {a}},
        {bandBetween(4500, 5000, 0, 0), {a, b, c}}, // corners in any order
        {bandBetween(2000, 1500, 2900, 3900), {a}}, // meeting a's corner counts
        {bandBetween(2001, 1501, 2999, 3999), {}},
        {bandBetween(1500, 1200, 1500, 4200), {a, c}}, // a line of no width
    };
    for (const Case &k : cases)
        EXPECT_EQ(controlsTouchedBy(drawnControls(), k.band), k.touched) << k.band.left;
    EXPECT_EQ(allShownControls(drawnControls()), (std::vector<std::string> {a, b, c}));

    // Picking keeps its order and toggles off; hidden controls are dropped from it.
    Selection s;
    s.addAll({b, gone, a});
    s.add(b); // already picked: stays where it was
    s.toggle(c);
    s.toggle(a);
    EXPECT_TRUE(s.contains(c) && !s.contains(a));
    EXPECT_TRUE(dropHiddenControls(s, drawnControls()));
    EXPECT_EQ(s.tags(), (std::vector<std::string> {b, c}));
    EXPECT_FALSE(dropHiddenControls(s, drawnControls()));
}

TEST_F(Band, ReleaseReplacesOrAddsAndAPlainClickLetsGo)
{
    const std::string a = addControl(ControlKind::Button, 1000, 1000, 1000, 500);
    const std::string b = addControl(ControlKind::Text, 3000, 1000, 1000, 500);
    Selection s;
    RubberBand band;
    const auto drag = [&](double x0, double x1, bool adds) {
        beginBand(band, x0, 0, adds);
        trackBand(band, x1, 2000);
        return endBand(band, s, drawnControls());
    };
    EXPECT_TRUE(drag(0, 1500, false));
    EXPECT_EQ(s.tags(), (std::vector<std::string> {a}));
    EXPECT_TRUE(drag(2500, 3500, false)); // replaces
    EXPECT_EQ(s.tags(), (std::vector<std::string> {b}));
    EXPECT_TRUE(drag(0, 1500, true)); // adds, after b
    EXPECT_EQ(s.tags(), (std::vector<std::string> {b, a}));
    beginBand(band, 500, 500, true); // a click that adds keeps them
    EXPECT_FALSE(endBand(band, s, drawnControls()));
    EXPECT_EQ(s.size(), 2u);
    EXPECT_FALSE(band.active);

    beginBand(band, 500, 500, false); // a plain click
    EXPECT_TRUE(endBand(band, s, drawnControls()));
    EXPECT_TRUE(s.empty());
}

using Rects = std::vector<TwipRect>;
using enum ArrangeCommand;

TEST(Arrange, EachCommandOnTheReferenceTheFirstPicked)
{
    // The reference, a wider one to its right and lower, a smaller one above.
    const Rects start {{1000, 1000, 2000, 600}, {4000, 3000, 3000, 900}, {2000, 200, 500, 301}};
    struct Case
    {
        ArrangeCommand command;
        Rects after;
    };
    const Case cases[] = {
        {AlignLeft, {{1000, 1000, 2000, 600}, {1000, 3000, 3000, 900}, {1000, 200, 500, 301}}},
        {AlignRight, {{1000, 1000, 2000, 600}, {0, 3000, 3000, 900}, {2500, 200, 500, 301}}},
        {AlignTop, {{1000, 1000, 2000, 600}, {4000, 1000, 3000, 900}, {2000, 1000, 500, 301}}},
        {AlignBottom, {{1000, 1000, 2000, 600}, {4000, 700, 3000, 900}, {2000, 1299, 500, 301}}},
        {AlignCentresHorizontally,
         {{1000, 1000, 2000, 600}, {500, 3000, 3000, 900}, {1750, 200, 500, 301}}},
        // 1000 + (600 - 301) / 2 = 1149.5, whole twips halves to even: 1150
        {AlignCentresVertically,
         {{1000, 1000, 2000, 600}, {4000, 850, 3000, 900}, {2000, 1150, 500, 301}}},
        {SameWidth, {{1000, 1000, 2000, 600}, {4000, 3000, 2000, 900}, {2000, 200, 2000, 301}}},
        {SameHeight, {{1000, 1000, 2000, 600}, {4000, 3000, 3000, 600}, {2000, 200, 500, 600}}},
        {SameSize, {{1000, 1000, 2000, 600}, {4000, 3000, 2000, 600}, {2000, 200, 2000, 600}}},
    };
    for (const Case &k : cases)
        EXPECT_EQ(arrangedRects(k.command, start), k.after) << static_cast<int>(k.command);
}

TEST(Arrange, DistributeMakesEqualGapsBetweenTheOutermost)
{
    // Picked out of order: the outermost by centre stay, the gaps become (9000 - 1000 - 3000) / 3.
    const Rects start {
        {5000, 0, 2000, 100}, {0, 0, 1000, 100}, {9000, 0, 1000, 100}, {1500, 50, 1000, 100}};
    const Rects after = arrangedRects(DistributeHorizontally, start);
    EXPECT_EQ(after[1], start[1]);
    EXPECT_EQ(after[2], start[2]);
    EXPECT_EQ(after[3].left, 1000 + 1667); // 1666.67 as whole twips
    EXPECT_EQ(after[0].left, 5333); // 2666.67 + 1000 + 1666.67
    EXPECT_EQ(after[3].top, 50); // the other axis stays

    const Rects column {{0, 0, 100, 100}, {0, 1000, 100, 300}, {0, 200, 100, 100}};
    EXPECT_EQ(arrangedRects(DistributeVertically, column)[2].top, 500); // gaps of 400

    // Too few controls change nothing.
    const Rects two {{0, 0, 100, 100}, {500, 500, 10, 10}};
    EXPECT_EQ(arrangedRects(DistributeHorizontally, two), two);
    EXPECT_EQ(arrangedRects(AlignLeft, Rects {{7, 7, 7, 7}}), (Rects {{7, 7, 7, 7}}));
    EXPECT_EQ(controlsNeeded(AlignLeft), 2u);
    EXPECT_EQ(controlsNeeded(DistributeVertically), 3u);
}

using ArrangeOnSurface = SurfaceFixture;

TEST_F(ArrangeOnSurface, RecordsTakeFractionsRoundedToFiveDecimalsAndShareThem)
{
    const std::string first = addControl(ControlKind::Button, 1001, 1000, 2400, 600);
    const std::string other = addControl(ControlKind::Text, 5000, 3000, 1000, 700);
    editRecord(0, [](ControlRecord &r) { r.X = 0.0834166f; }); // placed, so not yet rounded

    EXPECT_TRUE(arrangeControls(ref(), {first, other}, AlignLeft));
    EXPECT_EQ(drawn(other).left, 1001);
    EXPECT_EQ(drawn(first).left, 1001);
    EXPECT_EQ(record(other).X, 0.08342f); // 1001 / 12000 = 0.0834166...
    EXPECT_EQ(record(first).X, 0.08342f);
    EXPECT_FALSE(arrangeControls(ref(), {first, other}, AlignLeft)); // already lined up

    EXPECT_TRUE(arrangeControls(ref(), {other, first}, SameSize));
    EXPECT_EQ(drawn(first).rect(), (TwipRect {1001, 1000, 1000, 700}));
    EXPECT_EQ(record(first).Width, 0.08333f);
    EXPECT_EQ(record(first).Height, 0.07778f);
    EXPECT_FALSE(arrangeControls(ref(), {other, first}, SameSize)); // nothing left to change
}

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
    // Arrows step one pixel, or ten with Shift.
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
    const ControlRecord before = record(a);
    EXPECT_FALSE(endGroupDrag(drag, ref())); // a release without movement
    EXPECT_EQ(record(a), before);
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

TEST(StatusText, FractionsHaveFiveDecimalsInTheUsersSeparator)
{
    struct Case
    {
        double value;
        char separator;
        const char *text;
    };
    const Case cases[] = {
        {0.25, '.', "0.25000"},      {1.0 / 3, ',', "0,33333"}, {0.999996, '.', "1.00000"},
        {-0.000001, '.', "0.00000"}, {-0.5, '.', "-0.50000"},   {1.5, '.', "1.50000"},
    };
    for (const Case &k : cases)
        EXPECT_EQ(fixedText(k.value, 5, k.separator), k.text) << k.value;

    EXPECT_EQ(pointerStatusText(3000, 4500, {12000, 9000}, ','), "0,25000, 0,50000");

    // A control shows the given place and the record's own size unless a drag gives another.
    ControlRecord r;
    r.Name = "BUTTON1", r.CtrlType = "BUTTON", r.Width = 0.2f, r.Height = 0.04f;
    EXPECT_EQ(controlStatusText(r, {0.25f, 0.1f, std::nullopt, std::nullopt}, '.'),
              "BUTTON1 (BUTTON)  X 0.25000  Y 0.10000  Width 0.20000  Height 0.04000");
    EXPECT_EQ(controlStatusText(r, {0, 0, 0.5f, 0.125f}, '.'),
              "BUTTON1 (BUTTON)  X 0.00000  Y 0.00000  Width 0.50000  Height 0.12500");
}

TEST_F(Band, OnASafeZoneSurfaceTwipsStandForTheSafeZoneAndThePointerShowsBothForms)
{
    const std::string a = addControl(ControlKind::Button, 1000, 1000, 1000, 500);
    set.setLayout(0, DialogLayout::SafeZone);
    ASSERT_TRUE(set.followSurfaceFrame(0, kSurface));
    const ReferenceScreen screen = set.referenceScreen(); // 16:9 Normal
    const SurfaceSize surface(kSurface.width, kSurface.height, safeZoneFrame(screen));
    const SurfaceRef s {set, 0, surface, interaction};

    // The surface's corner is the safe zone's; half the surface is half the safe zone.
    const RecordPlace corner = placeOf({0, 0, 6000, 4500}, surface, true);
    EXPECT_EQ(corner.X, static_cast<float>(roundDecimals(screen.safezoneX(), 5)));
    EXPECT_EQ(corner.Y, static_cast<float>(roundDecimals(screen.safezoneY(), 5)));
    EXPECT_EQ(*corner.Width, static_cast<float>(roundDecimals(screen.safezoneW() / 2, 5)));
    EXPECT_EQ(pointerStatusText(3000, 4500, surface, '.'),
              "0.02381, 0.50000 (safe zone 0.25000, 0.50000)");

    // A paste lands where it is pasted, its record at the screen fraction of that place.
    const auto copied = copyControls(s, {a});
    const GroupPaste paste = pasteControls(s, copied, 6000, 3000);
    ASSERT_EQ(paste.pasted.size(), 1u);
    const ControlRecord &pasted = dialog().cControls[paste.pasted[0]];
    EXPECT_EQ(drawn(pasted.Tag).left, 6000);
    EXPECT_NEAR(pasted.X, 0.5, 1e-6);
}

} // namespace
