// One field typed in the Properties panel: the editor's check and writing, and what the drawn
// control takes from it.
#include "model/creation_defaults.h"
#include "model/dialog_set.h"
#include "model/number_text.h"
#include "props/panel_field.h"

#include <gtest/gtest.h>

using namespace kovrin;

namespace {

ControlRecord record(ControlKind kind)
{
    ControlRecord r = defaultRecord(kind);
    r.Name = "ctl";
    r.Tag = "3";
    r.Width = 0.12345f;
    return r;
}

} // namespace

TEST(PanelField, ATypedTextIsCheckedAndWrittenAsTheEditorWritesIt)
{
    struct Row
    {
        ControlKind kind;
        FieldPlace place;
        std::string text;
        std::string problems;
        void (*expect)(const ControlRecord &);
    };
    const Row rows[] = {
        {ControlKind::Button,
         {PanelField::Width},
         "0.5",
         "",
         [](const ControlRecord &r) {
             EXPECT_EQ(r.Width, 0.5f);
             EXPECT_EQ(r.Name, "ctl");
         }},
        {ControlKind::Button,
         {PanelField::Name},
         "",
         "- You must enter a name.\r\n",
         [](const ControlRecord &r) {
             EXPECT_EQ(r.Name, "ctl");
         }},
        {ControlKind::Text,
         {PanelField::Idc},
         "-",
         "- You must enter an IDc or set it to -1.\r\n",
         [](const ControlRecord &) {
         }},
        {ControlKind::Text,
         {PanelField::Colour, ColourGroup::Back, 2},
         "0.25",
         "",
         [](const ControlRecord &r) {
             ASSERT_TRUE(r.BackColor);
             EXPECT_EQ((*r.BackColor)[2], ColourComponent(std::string("0.25")));
             EXPECT_EQ(r.Width, 0.12345f); // untouched fields keep their full value
         }},
        {ControlKind::Text,
         {PanelField::Text},
         "a\"b",
         "- The text cannot contain a double quote (\").\r\n",
         [](const ControlRecord &) {
         }},
    };
    for (const Row &row : rows) {
        const ControlRecord before = record(row.kind);
        const TypedRecord typed = typeIntoRecord(before, row.place, row.text, '.');
        EXPECT_EQ(typed.problems, row.problems) << row.text;
        if (row.problems.empty())
            row.expect(typed.record);
        else
            EXPECT_EQ(typed.record, before);
    }
}

TEST(PanelField, UsableFieldsAndSharedTexts)
{
    const ControlRecord text = record(ControlKind::Text);
    EditorFields fields = fieldsFromRecord(text, '.');
    EXPECT_FALSE(isUsable(ControlKind::Text, fields, {PanelField::LineSpacing}));
    fields.multiline = true;
    EXPECT_TRUE(isUsable(ControlKind::Text, fields, {PanelField::LineSpacing}));
    EXPECT_FALSE(isUsable(ControlKind::Button, fields, {PanelField::RowHeight}));
    EXPECT_FALSE(isUsable(ControlKind::Input, fields, {PanelField::Colour, ColourGroup::Back}));

    const EditorFields other = fieldsFromRecord(record(ControlKind::Button), '.');
    const EditorFields both[] = {fields, other};
    EXPECT_EQ(sharedText(both, {PanelField::Width}), fields.width);
    EXPECT_EQ(sharedText(both, {PanelField::Idc}), fields.idc);
    EXPECT_EQ(sharedText(both, {PanelField::Height}), std::nullopt);
    EXPECT_EQ(stepName({PanelField::Colour, ColourGroup::Select, 0}), "SelectColor");
}

TEST(PanelField, TheDrawnControlTakesOnlyWhatTheTypedFieldGives)
{
    const ControlRecord r = record(ControlKind::Text);
    DrawnControl drawn {ControlKind::Text, 1, "3", 30, 40, 1000, 500, true, "old", Rgb8 {1, 2, 3},
                        Rgb8 {4, 5, 6}};
    const SurfaceSize surface {10000, 8000};
    DrawnControl named = drawn;
    refreshTypedField(named, ControlKind::Text, typeIntoRecord(r, {PanelField::Name}, "n", '.'),
                      {PanelField::Name}, surface);
    EXPECT_EQ(named, drawn);

    DrawnControl wide = drawn;
    refreshTypedField(wide, ControlKind::Text, typeIntoRecord(r, {PanelField::Width}, "0.5", '.'),
                      {PanelField::Width}, surface);
    EXPECT_EQ(wide.width, 5000);
    EXPECT_EQ(wide.height, 500);
    EXPECT_EQ(wide.textColour, drawn.textColour);

    const FieldPlace red {PanelField::Colour, ColourGroup::Fore, 0};
    DrawnControl reddened = drawn;
    refreshTypedField(reddened, ControlKind::Text, typeIntoRecord(r, red, "1", '.'), red, surface);
    EXPECT_EQ(reddened.textColour->red, 255);
    EXPECT_EQ(reddened.backColour, drawn.backColour);
    EXPECT_EQ(reddened.width, drawn.width);
}

TEST(PanelField, ASafeZoneWidthTakesTheTypedFAndIsDrawnAtTheScreenValueItGives)
{
    constexpr SurfaceSize kSurface {12000, 9000};
    DialogSet set;
    set.insertDialog();
    set.setLayout(0, DialogLayout::SafeZone);
    set.createControl(0, ControlKind::Button, 1200, 900, kSurface);
    const FieldPlace width {PanelField::Width};
    TypedRecord typed = typeIntoRecord(set.dialog(0).cControls[0], width, "0.5", '.');
    set.writeRecord(0, 0, typed.record);
    typed.record = set.dialog(0).cControls[0];
    EXPECT_EQ(typed.record.Forms[FormField::Width].fraction, 0.5f);

    DrawnControl drawn = *set.drawnControls(0).findByTag(typed.record.Tag);
    refreshTypedField(drawn, ControlKind::Button, typed, width, kSurface);
    EXPECT_DOUBLE_EQ(drawn.width,
                     *parseTypedNumber(singleText(typed.record.Width, '.')) * kSurface.width);
}
