// One field typed in the Properties panel: the editor's check and writing, and what the drawn
// control takes from it.
#include "model/creation_defaults.h"
#include "model/dialog_set.h"
#include "model/group_scroll_bars.h"
#include "model/number_text.h"
#include "props/panel_field.h"

#include <gtest/gtest.h>

using namespace kovrin;

namespace {

OtherProperties entries(std::vector<OtherProperty> list)
{
    return OtherProperties(std::move(list));
}

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
        // A kind's own values: written among the other properties, emptied away, or refused as
        // code that would end the entry.
        {ControlKind::ColumnList,
         {PanelField::KindValue, ColourGroup::Fore, 0},
         "0, 0.5",
         "",
         [](const ControlRecord &r) {
             EXPECT_EQ(r.Others, entries({{"columns[]", "{0, 0.5}"}}));
         }},
        {ControlKind::CheckBoxRow,
         {PanelField::KindValue, ColourGroup::Fore, 1},
         "2",
         "",
         [](const ControlRecord &r) {
             EXPECT_EQ(r.Others, entries({{"rows", "2"}}));
         }},
        {ControlKind::CheckBox,
         {PanelField::KindValue, ColourGroup::Fore, 0},
         "1; onLoad = 2",
         "- Checked: a value holds no \";\" or \"=\" outside quotes.\r\n",
         [](const ControlRecord &) {
         }},
        {ControlKind::ToolboxRow,
         {PanelField::KindValue, ColourGroup::Fore, 0},
         "\"a\", {\"b\"",
         "- Choices: the braces do not balance.\r\n",
         [](const ControlRecord &) {
         }},
        {ControlKind::StructuredText,
         {PanelField::KindValue, ColourGroup::Fore, 2},
         "say \"a; b = {\"",
         "",
         [](const ControlRecord &r) {
             EXPECT_EQ(r.Others,
                       entries({{"class Attributes", "{align = \"say \"\"a; b = {\"\"\";}"}}));
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

TEST(PanelField, KindValuesShowOnlyWhileEveryPickedKindOffersTheSameTable)
{
    const FieldPlace checked {PanelField::KindValue, ColourGroup::Fore, 0};
    const FieldPlace third {PanelField::KindValue, ColourGroup::Fore, 2};
    EXPECT_TRUE(isUsable(record(ControlKind::CheckBox), checked));
    EXPECT_FALSE(isUsable(record(ControlKind::CheckBox), third));
    EXPECT_FALSE(isUsable(record(ControlKind::Button), checked));
    EXPECT_EQ(stepName(checked, ControlKind::CheckBox), "Checked");
    EXPECT_EQ(stepName(third, ControlKind::ToolboxRow), "Columns");

    const std::optional<ControlKind> rows[] = {ControlKind::CheckBoxRow, ControlKind::ToolboxRow};
    EXPECT_EQ(sharedKindProperties(rows).size(), 3u);
    const std::optional<ControlKind> mixed[] = {ControlKind::CheckBox, ControlKind::CheckBoxRow};
    EXPECT_TRUE(sharedKindProperties(mixed).empty());
    const std::optional<ControlKind> withButton[] = {ControlKind::CheckBox, ControlKind::Button};
    EXPECT_TRUE(sharedKindProperties(withButton).empty());
    EXPECT_EQ(mostKindProperties(), 3u);

    // A record of a kind without the entry reads and compares as empty there.
    ControlRecord box = record(ControlKind::CheckBox);
    box.Others = entries({{"checked", "1"}});
    const EditorFields fields[]
        = {fieldsFromRecord(box, '.'), fieldsFromRecord(record(ControlKind::Button), '.')};
    EXPECT_EQ(fieldText(fields[0], checked), "1");
    EXPECT_EQ(fieldText(fields[1], checked), "");
    EXPECT_EQ(sharedText(std::span(fields).first(1), checked), "1");
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

    // A kind's own value redraws what the control shows of it, and nothing else.
    const ControlRecord list = record(ControlKind::ColumnList);
    const FieldPlace columns {PanelField::KindValue, ColourGroup::Fore, 0};
    DrawnControl listed = drawn;
    listed.kind = ControlKind::ColumnList;
    const DrawnControl listedBefore = listed;
    refreshTypedField(listed, ControlKind::ColumnList, typeIntoRecord(list, columns, "0, 0.4", '.'),
                      columns, surface);
    EXPECT_EQ(listed.detail.str(), "0\n0.4");
    listed.detail = listedBefore.detail;
    EXPECT_EQ(listed, listedBefore);
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

TEST(PanelField, AChoiceIsWrittenAsTheEditorWritesIt)
{
    struct Row
    {
        ControlKind kind;
        PanelChoice choice;
        std::string_view text;
        std::string style; // the record's style after
        std::string font;
        std::int16_t enter;
    };
    const Row rows[] = {
        {ControlKind::Button, PanelChoice::Style, "ST_RIGHT", "ST_RIGHT", "CourierNewB64", 0},
        // Multiline brings the record's line spacing, so the check passes.
        {ControlKind::Text, PanelChoice::Multiline, kChecked, "ST_LEFT + ST_MULTI + ST_NO_RECT",
         "tahomaB36", 0},
        {ControlKind::Text, PanelChoice::Shadow, kChecked, "ST_LEFT + ST_SHADOW", "tahomaB36", 0},
        {ControlKind::Button, PanelChoice::Font, "TahomaB24", "ST_CENTER", "TahomaB24", 0},
        {ControlKind::Link, PanelChoice::Enter, kChecked, "ST_LEFT", "tahomaB36", 1},
        // An entry the kind's list lacks writes nothing.
        {ControlKind::Frame, PanelChoice::Style, "ST_LEFT", "ST_FRAME", "", 0},
        {ControlKind::Text, PanelChoice::Multiline, "yes", "ST_LEFT", "tahomaB36", 0},
    };
    for (const Row &row : rows) {
        ControlRecord before = record(row.kind);
        before.LineSpacing = 1.5f;
        const TypedRecord typed = chooseIntoRecord(before, row.choice, row.text, '.');
        EXPECT_EQ(typed.problems, "") << row.text;
        EXPECT_EQ(typed.record.Style, row.style) << row.text;
        EXPECT_EQ(typed.record.Font, row.font) << row.text;
        EXPECT_EQ(typed.record.Enter, row.enter) << row.text;
        EXPECT_EQ(typed.record.LineSpacing, 1.5f) << row.text;
    }
    // A controls group's scroll bars are a box of their own.
    const TypedRecord bare
        = chooseIntoRecord(record(ControlKind::Group), PanelChoice::ScrollBars, kUnchecked, '.');
    EXPECT_EQ(bare.problems, "");
    EXPECT_FALSE(groupScrollBars(bare.record));
}

TEST(PanelField, SeveralKindsShareTheEntriesAndValuesTheyHaveInCommon)
{
    const std::optional<ControlKind> buttonText[] = {ControlKind::Button, ControlKind::Text};
    EXPECT_EQ(commonChoices(buttonText, PanelChoice::Style),
              (std::vector<std::string_view> {"ST_LEFT", "ST_CENTER", "ST_RIGHT"}));
    const std::optional<ControlKind> buttonFrame[] = {ControlKind::Button, ControlKind::Frame};
    EXPECT_TRUE(commonChoices(buttonFrame, PanelChoice::Style).empty());

    const EditorFields fields[] = {fieldsFromRecord(record(ControlKind::Link), '.'),
                                   fieldsFromRecord(record(ControlKind::Text), '.'),
                                   fieldsFromRecord(record(ControlKind::Frame), '.')};
    const std::optional<ControlKind> kinds[]
        = {ControlKind::Link, ControlKind::Text, ControlKind::Frame};
    EXPECT_EQ(sharedChoice(fields, kinds, PanelChoice::Style), std::nullopt);
    // The frame has no font: the link's and the text's are compared alone.
    EXPECT_EQ(sharedChoice(fields, kinds, PanelChoice::Font), "TahomaB36");
    EXPECT_EQ(sharedChoice(fields, kinds, PanelChoice::Multiline), std::string(kUnchecked));
    EXPECT_EQ(
        sharedChoice(std::span(fields).first(2), std::span(kinds).first(2), PanelChoice::Enter),
        std::string(kUnchecked));
}

TEST(PanelField, APickedColourWritesRedGreenAndBlueAndKeepsAlpha)
{
    const TypedRecord typed
        = typeIntoRecord(record(ControlKind::Text), ColourGroup::Back, {"1", "0.501", "0"}, '.');
    ASSERT_TRUE(typed.record.BackColor);
    const Rgba &back = *typed.record.BackColor;
    EXPECT_EQ(back[0], ColourComponent(std::string("1")));
    EXPECT_EQ(back[1], ColourComponent(std::string("0.501")));
    EXPECT_EQ(back[3], ColourComponent(std::string("0"))); // the default's alpha, as a text
    EXPECT_EQ(typed.record.ForeColor, record(ControlKind::Text).ForeColor);
}
