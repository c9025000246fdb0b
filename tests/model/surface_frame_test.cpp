// What a surface stands for: the screen area, or the reference screen's safe zone once its dialog
// uses it; screen fractions to twips and back, and how the drawn controls follow the frame.
#include "model/content_change.h"
#include "model/dialog_set.h"
#include "model/form_rules.h"
#include "model/surface_frame.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kovrin;

namespace {

constexpr SurfaceSize kSurface {12000, 9000};
constexpr ReferenceScreen kWide {}; // 16:9 Normal, the set's own
constexpr ReferenceScreen kSquare {ScreenAspect::Ratio4x3, InterfaceSize::Small};

SurfaceSize onSafeZone(const ReferenceScreen &screen)
{
    return {kSurface.width, kSurface.height, safeZoneFrame(screen)};
}

TwipRect rectOf(const DialogSet &set, std::size_t record)
{
    return set.drawnControls(0).findByTag(set.dialog(0).cControls.at(record).Tag)->rect();
}

TwipRect expectedRect(const ControlRecord &r, const SurfaceSize &surface)
{
    return {twipsFromScreen(r.X, PositionAxis::X, surface),
            twipsFromScreen(r.Y, PositionAxis::Y, surface),
            twipsFromScreen(r.Width, PositionAxis::Width, surface),
            twipsFromScreen(r.Height, PositionAxis::Height, surface)};
}

// A screen dialog with a button and a text box placed by clicks.
DialogSet screenDialog()
{
    DialogSet set;
    set.insertDialog();
    set.createControl(0, ControlKind::Button, 1200, 900, kSurface);
    set.createControl(0, ControlKind::Text, 6000, 4500, kSurface);
    return set;
}

} // namespace

TEST(SurfaceFrame, TheSafeZoneFillsTheSurfaceAndTheScreenAreaLiesWithinIt)
{
    const ReferenceScreen screens[] = {
        {ScreenAspect::Ratio4x3, InterfaceSize::Normal},
        {ScreenAspect::Ratio4x3, InterfaceSize::VeryLarge},
        {ScreenAspect::Ratio16x9, InterfaceSize::Small},
        {ScreenAspect::Ratio16x9, InterfaceSize::VeryLarge},
    };
    for (const ReferenceScreen &screen : screens) {
        SCOPED_TRACE(referenceScreenText(screen));
        const SurfaceSize s = onSafeZone(screen);
        // The safe zone's edges on the surface's edges.
        EXPECT_NEAR(twipsFromScreen(screen.safezoneX(), PositionAxis::X, s), 0, 1e-9);
        EXPECT_NEAR(twipsFromScreen(screen.safezoneY(), PositionAxis::Y, s), 0, 1e-9);
        EXPECT_NEAR(twipsFromScreen(screen.safezoneX() + screen.safezoneW(), PositionAxis::X, s),
                    s.width, 1e-6);
        EXPECT_NEAR(twipsFromScreen(screen.safezoneH(), PositionAxis::Height, s), s.height, 1e-6);
        // The screen area, centred, the size the safe zone leaves it.
        const TwipRect area = screenAreaRect(s);
        EXPECT_NEAR(area.width, s.width / screen.safezoneW(), 1e-6);
        EXPECT_NEAR(area.height, s.height / screen.safezoneH(), 1e-6);
        EXPECT_NEAR(area.left + area.width / 2, s.width / 2, 1e-6);
        EXPECT_NEAR(area.top + area.height / 2, s.height / 2, 1e-6);
        // Back: a place and a length give the fractions they came from; the share of the
        // surface is the fraction of the safe zone.
        const double left = twipsFromScreen(0.3, PositionAxis::X, s);
        EXPECT_NEAR(screenFromTwips(left, PositionAxis::X, s), 0.3, 1e-12);
        EXPECT_NEAR(
            screenFromTwips(twipsFromScreen(0.2, PositionAxis::Height, s), PositionAxis::Height, s),
            0.2, 1e-12);
        EXPECT_NEAR(surfaceShare(left, PositionAxis::X, s),
                    safeZoneFromScreen(0.3, PositionAxis::X, screen), 1e-5);
    }
}

TEST(SurfaceFrame, OnTheScreenAreaItIsTheDefinitionsArithmeticToTheLastBit)
{
    for (const double fraction : {0.1, 0.123456789, 1.0 / 3, -0.25, -0.0, 7.5}) {
        SCOPED_TRACE(fraction);
        for (const PositionAxis axis :
             {PositionAxis::X, PositionAxis::Y, PositionAxis::Width, PositionAxis::Height}) {
            const double base = isAcross(axis) ? kSurface.width : kSurface.height;
            const double twips = twipsFromScreen(fraction, axis, kSurface);
            EXPECT_EQ(twips, fraction * base);
            EXPECT_EQ(std::signbit(twips), std::signbit(fraction * base));
            const double back = screenFromTwips(fraction * 1000, axis, kSurface);
            EXPECT_EQ(back, fraction * 1000 / base);
            EXPECT_EQ(std::signbit(back), std::signbit(fraction));
        }
    }
    EXPECT_EQ(screenAreaRect(kSurface), (TwipRect {0, 0, kSurface.width, kSurface.height}));
}

TEST(SurfaceFrame, ASurfaceTurnsToTheSafeZoneWithItsDialogAndBack)
{
    struct Row
    {
        const char *how;
        void (*use)(DialogSet &); // makes the dialog use the safe zone
        void (*stop)(DialogSet &); // and no longer
    };
    const Row rows[] = {
        {"layout", [](DialogSet &set) { set.setLayout(0, DialogLayout::SafeZone); },
         [](DialogSet &set) {
             set.setLayout(0, DialogLayout::Screen);
         }},
        {"one control's forms",
         [](DialogSet &set) { set.convertForms(0, {1}, DialogLayout::SafeZone); },
         [](DialogSet &set) {
             set.convertForms(0, {1}, DialogLayout::Screen);
         }},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.how);
        DialogSet set = screenDialog();
        const TwipRect asDrawn = rectOf(set, 0);
        EXPECT_FALSE(set.followSurfaceFrame(0, kSurface));

        row.use(set);
        const ControlRecord button = set.dialog(0).cControls[0];
        EXPECT_TRUE(set.followSurfaceFrame(0, kSurface));
        EXPECT_EQ(set.drawnControls(0).frame, safeZoneFrame(kWide));
        EXPECT_EQ(set.dialog(0).cControls[0], button); // no record moves
        EXPECT_EQ(rectOf(set, 0), expectedRect(button, onSafeZone(kWide)));
        EXPECT_LT(rectOf(set, 0).width, asDrawn.width); // the safe zone is wider than the area
        EXPECT_FALSE(set.followSurfaceFrame(0, kSurface));

        row.stop(set);
        EXPECT_TRUE(set.followSurfaceFrame(0, kSurface));
        EXPECT_EQ(set.drawnControls(0).frame, SurfaceFrame {});
        EXPECT_EQ(rectOf(set, 0), expectedRect(set.dialog(0).cControls[0], kSurface));
    }
}

TEST(SurfaceFrame, AnotherReferenceScreenRedrawsASafeZoneSurfaceAndNoScreenOne)
{
    DialogSet set = screenDialog();
    set.insertDialog(); // a second dialog, the safe-zone one
    set.setLayout(1, DialogLayout::SafeZone);
    set.createControl(1, ControlKind::Button, 1200, 900, kSurface);
    // A screen control pasted into it, with an expression of the screen's width for its X.
    ControlRecord pasted = set.dialog(0).cControls[1];
    pasted.Tag = *set.issueTag();
    pasted.Forms.set(FormField::X, {PositionForm::Expression, 0, "safezoneX + 0.1"});
    pasted.X = static_cast<float>(kWide.safezoneX() + 0.1);
    set.addControl(1, pasted, 0, 0, kSurface);
    const DialogSet before = set;

    EXPECT_TRUE(set.setReferenceScreen(kSquare, kSurface));
    // The screen dialog is untouched, byte for byte.
    EXPECT_EQ(set.content(0), before.content(0));
    // The safe-zone dialog: F and the texts stay, values follow, every control is redrawn.
    const Dialog &now = set.dialog(1);
    EXPECT_EQ(now.drawn.frame, safeZoneFrame(kSquare));
    EXPECT_EQ(now.cControls[0].Forms, before.dialog(1).cControls[0].Forms);
    EXPECT_FLOAT_EQ(now.cControls[1].X, static_cast<float>(kSquare.safezoneX() + 0.1));
    EXPECT_EQ(now.cControls[1].Y, before.dialog(1).cControls[1].Y);
    for (std::size_t i = 0; i < now.cControls.size(); ++i) {
        const DrawnControl *drawn = now.drawn.findByTag(now.cControls[i].Tag);
        EXPECT_EQ(drawn->rect(), expectedRect(now.cControls[i], onSafeZone(kSquare))) << i;
    }
}

TEST(SurfaceFrame, UndoPutsBackTheFrameTheDrawnControlsStoodOn)
{
    DialogSet set = screenDialog();
    const DialogContent before = set.content(0);
    set.convertForms(0, {0}, DialogLayout::SafeZone);
    set.followSurfaceFrame(0, kSurface);
    const DialogContent after = set.content(0);

    const ContentChange change = changeBetween(before, set.dialog(0));
    EXPECT_FALSE(change.empty());
    EXPECT_FALSE(change.belowATwip());
    DialogContent replayed = before;
    redoChange(replayed, change);
    EXPECT_EQ(replayed, after);
    undoChange(replayed, change);
    EXPECT_EQ(replayed, before);

    // Content kept on another reference screen takes this one's values when it comes back.
    set.setReferenceScreen(kSquare, kSurface);
    set.restoreContent(0, after);
    EXPECT_TRUE(set.followSurfaceFrame(0, kSurface));
    const ControlRecord &button = set.dialog(0).cControls[0];
    EXPECT_FLOAT_EQ(button.X,
                    static_cast<float>(screenFromSafeZone(button.Forms[FormField::X].fraction,
                                                          PositionAxis::X, kSquare)));
    EXPECT_EQ(rectOf(set, 0), expectedRect(button, onSafeZone(kSquare)));
}
