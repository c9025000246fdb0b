// Position forms of a record: how they follow gestures, the editor, creation, conversion and the
// reference screen.
#include "model/content_change.h"
#include "model/dialog_set.h"
#include "model/form_rules.h"

#include <gtest/gtest.h>

using namespace kovrin;

namespace {

constexpr SurfaceSize kSurface {12000, 9000};
constexpr ReferenceScreen kWide {}; // 16:9 Normal, the set's own
constexpr ReferenceScreen kSquare {ScreenAspect::Ratio4x3, InterfaceSize::Small};

FieldForm safeZone(float fraction)
{
    return {PositionForm::SafeZone, fraction, {}};
}

FieldForm expression(std::string text)
{
    return {PositionForm::Expression, 0, std::move(text)};
}

// One button in a dialog of the layout; X safe zone, Y an expression, Width screen, Height safe
// zone, FontSize an expression.
DialogSet mixedControl(DialogLayout layout = DialogLayout::Screen)
{
    DialogSet set;
    set.insertDialog();
    set.setLayout(0, layout);
    set.createControl(0, ControlKind::Button, 1200, 900, kSurface);
    if (layout == DialogLayout::Screen) {
        ControlRecord record = set.dialog(0).cControls[0];
        record.Forms.set(FormField::X, safeZone(0.35f));
        record.X = static_cast<float>(screenFromSafeZone(0.35, PositionAxis::X, kWide));
        record.Forms.set(FormField::Y, expression("0.1 + 0.002"));
        record.Forms.set(FormField::FontSize, expression("0.02 * 1.25"));
        record.Forms.set(FormField::Height, safeZone(0.25f));
        record.Height = static_cast<float>(screenFromSafeZone(0.25, PositionAxis::Height, kWide));
        // Through the editor's write, which leaves forms of unchanged values alone.
        set.writeRecord(0, 0, record);
    }
    return set;
}

const ControlRecord &only(const DialogSet &set)
{
    return set.dialog(0).cControls.at(0);
}

// The field is a safe-zone fraction whose F gives its screen value.
void expectSafeZoneAt(const ControlRecord &r, FormField field, float screen)
{
    SCOPED_TRACE(static_cast<int>(field));
    ASSERT_EQ(r.Forms[field].form, PositionForm::SafeZone);
    EXPECT_NEAR(screenValue(r, field), screen, 0.5e-5);
    EXPECT_FLOAT_EQ(
        static_cast<float>(screenFromSafeZone(r.Forms[field].fraction, axisOf(field), kWide)),
        screenValue(r, field));
}

} // namespace

TEST(FormRules, ChangedScreenValuesTakeSafeZoneFormsAndUnchangedOnesKeepTheirs)
{
    struct Row
    {
        const char *how;
        void (*change)(DialogSet &);
        float x, y; // the new screen values of X and Y
    };
    const Row rows[] = {
        {"gesture",
         [](DialogSet &set) {
             set.setControlGeometry(0, only(set).Tag, {2400, 1800, 100, 100},
                                    RecordPlace {0.2f, 0.2f, {}, {}});
         },
         0.2f, 0.2f},
        {"editor",
         [](DialogSet &set) {
             ControlRecord typed = only(set);
             typed.X = 0.3f;
             typed.Y = 0.4f;
             set.writeRecord(0, 0, typed);
         },
         0.3f, 0.4f},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.how);
        DialogSet set = mixedControl();
        const ControlRecord before = only(set);
        row.change(set);
        const ControlRecord &after = only(set);
        expectSafeZoneAt(after, FormField::X, row.x);
        expectSafeZoneAt(after, FormField::Y, row.y); // the expression left where the user put it
        EXPECT_EQ(after.Forms[FormField::Height], before.Forms[FormField::Height]);
        EXPECT_EQ(after.Height, before.Height);
        EXPECT_EQ(after.Forms[FormField::Width].form, PositionForm::Screen);
        EXPECT_EQ(after.Forms[FormField::FontSize], before.Forms[FormField::FontSize]);
    }
}

TEST(FormRules, AFractionTypedInTheEditorMovesItsScreenValueAndKeepsItsOwnF)
{
    DialogSet set = mixedControl();
    ControlRecord typed = only(set);
    typed.Forms.set(FormField::Height, safeZone(0.125f));
    typed.Height = 0.9f; // what the editor leaves there does not count
    set.writeRecord(0, 0, typed);
    EXPECT_EQ(only(set).Forms[FormField::Height], safeZone(0.125f));
    EXPECT_EQ(only(set).Height,
              static_cast<float>(screenFromSafeZone(0.125, PositionAxis::Height, kWide)));
    EXPECT_EQ(only(set).X, typed.X);
}

TEST(FormRules, NewControlsOfASafeZoneDialogTakeTheSafeZoneFormInAllFiveFields)
{
    const DialogSet set = mixedControl(DialogLayout::SafeZone);
    const ControlRecord &r = only(set);
    // Clicked at a tenth of a surface that shows the safe zone: a tenth of the safe zone.
    EXPECT_FLOAT_EQ(r.Forms[FormField::X].fraction, 0.1f);
    EXPECT_FLOAT_EQ(r.Forms[FormField::Y].fraction, 0.1f);
    for (FormField field : kAllFormFields)
        expectSafeZoneAt(r, field, screenValue(r, field));

    DialogSet screen = mixedControl(DialogLayout::Screen);
    screen.createControl(0, ControlKind::Text, 0, 0, kSurface);
    EXPECT_TRUE(screen.dialog(0).cControls.back().Forms.allScreen());
}

TEST(FormRules, ConversionKeepsWhereControlsStandAndReportsWhetherAnythingChanged)
{
    DialogSet set = mixedControl();
    const ControlRecord before = only(set);
    EXPECT_TRUE(set.convertForms(0, {0}, DialogLayout::SafeZone));
    for (FormField field : kAllFormFields)
        expectSafeZoneAt(only(set), field, screenValue(before, field));
    EXPECT_FALSE(set.convertForms(0, {0}, DialogLayout::SafeZone));

    EXPECT_TRUE(set.convertForms(0, {0}, DialogLayout::Screen));
    EXPECT_TRUE(only(set).Forms.allScreen());
    for (FormField field : kAllFormFields)
        EXPECT_NEAR(screenValue(only(set), field), screenValue(before, field), 0.5e-5);
    EXPECT_FALSE(set.convertForms(0, {0}, DialogLayout::Screen));
}

TEST(FormRules, AnotherReferenceScreenMovesSafeZoneFieldsAndExpressionsAndTheirDrawnControls)
{
    DialogSet set = mixedControl();
    const ControlRecord before = only(set);
    const double leftBefore = set.drawnControls(0).findByTag(before.Tag)->left;

    EXPECT_TRUE(set.setReferenceScreen(kSquare, kSurface));
    const ControlRecord &after = only(set);
    EXPECT_EQ(after.Forms, before.Forms); // F never changes
    EXPECT_FLOAT_EQ(after.X,
                    static_cast<float>(screenFromSafeZone(0.35, PositionAxis::X, kSquare)));
    EXPECT_FLOAT_EQ(after.Height,
                    static_cast<float>(screenFromSafeZone(0.25, PositionAxis::Height, kSquare)));
    EXPECT_FLOAT_EQ(after.Y, 0.102f); // "0.1 + 0.002", its value on any screen
    EXPECT_EQ(after.Width, before.Width);
    EXPECT_FLOAT_EQ(after.FontSize, 0.025f); // "0.02 * 1.25"
    // The dialog uses the safe zone: its surface shows the new screen's.
    const double leftAfter = set.drawnControls(0).findByTag(after.Tag)->left;
    EXPECT_NE(leftAfter, leftBefore);
    const SurfaceSize onSafeZone(kSurface.width, kSurface.height, safeZoneFrame(kSquare));
    EXPECT_DOUBLE_EQ(leftAfter, twipsFromScreen(after.X, PositionAxis::X, onSafeZone));

    EXPECT_FALSE(set.setReferenceScreen(kSquare, kSurface));
    EXPECT_EQ(set.referenceScreen(), kSquare);
}

TEST(FormRules, FormsTakePartInUndoAndCostNothingWhenAllScreen)
{
    const DialogSet set = mixedControl();
    ControlRecord screenOnly = only(set);
    ASSERT_FALSE(screenOnly.Forms.allScreen());
    for (FormField field : kAllFormFields)
        screenOnly.Forms.set(field, {PositionForm::Screen, 0.5f, "ignored"});
    EXPECT_TRUE(screenOnly.Forms.allScreen()); // the block is let go
    EXPECT_FALSE(screenOnly == only(set));

    DialogSet changed = set;
    ControlRecord edited = only(set);
    edited.Forms.set(FormField::Y, expression("0.2"));
    changed.writeRecord(0, 0, edited);
    EXPECT_FALSE(changeBetween(set.content(0), changed.dialog(0)).empty());
    EXPECT_EQ(sizeof(ControlForms), sizeof(void *));
}
