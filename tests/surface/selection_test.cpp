#include "surface/rubber_band.h"
#include "surface/selection.h"
#include "surface_fixture.h"

using namespace kovrin;
using namespace kovrin::test;

namespace {

TEST(Selection, KeepsPickingOrderAndTogglesOff)
{
    Selection s;
    s.add("3");
    s.toggle("1");
    s.add("3"); // already picked: stays where it was
    s.toggle("2");
    EXPECT_EQ(s.tags(), (std::vector<std::string> {"3", "1", "2"}));
    s.toggle("1");
    EXPECT_EQ(s.tags(), (std::vector<std::string> {"3", "2"}));
    EXPECT_FALSE(s.contains("1"));
    EXPECT_TRUE(s.contains("2"));
    EXPECT_TRUE(s.keepOnly([](const std::string &t) { return t != "3"; }));
    EXPECT_EQ(s.tags(), (std::vector<std::string> {"2"}));
    EXPECT_FALSE(s.contains("3"));
}

class Band : public SurfaceFixture
{
};

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

    Selection s;
    s.addAll({b, gone, a});
    EXPECT_TRUE(dropHiddenControls(s, drawnControls()));
    EXPECT_EQ(s.tags(), (std::vector<std::string> {b, a}));
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

} // namespace
