#include "surface/arrange.h"
#include "surface_fixture.h"

using namespace kovrin;
using namespace kovrin::test;

namespace {

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
}

TEST(Arrange, TooFewControlsChangeNothing)
{
    const Rects two {{0, 0, 100, 100}, {500, 500, 10, 10}};
    EXPECT_EQ(arrangedRects(DistributeHorizontally, two), two);
    EXPECT_EQ(arrangedRects(AlignLeft, Rects {{7, 7, 7, 7}}), (Rects {{7, 7, 7, 7}}));
    EXPECT_EQ(controlsNeeded(AlignLeft), 2u);
    EXPECT_EQ(controlsNeeded(DistributeVertically), 3u);
}

class ArrangeOnSurface : public SurfaceFixture
{
};

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

} // namespace
