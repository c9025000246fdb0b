// The editor's fields as opening fills them from a record, and the record OK writes from them.
#include "model/creation_defaults.h"
#include "model/group_scroll_bars.h"
#include "model/number_text.h"
#include "props/editor_fields.h"
#include "props/form_look.h"
#include "props/property_check.h"
#include "props/record_save.h"
#include "props/style_text.h"

#include <gtest/gtest.h>

using namespace kovrin;

namespace {

ControlRecord record(ControlKind kind)
{
    ControlRecord r = defaultRecord(kind);
    r.Name = std::string(kindWord(kind)) + "1";
    r.Tag = "7";
    r.X = 0.125f;
    r.Width = 0.12345f;
    r.Font = "tahomaB36"; // the list spells it TahomaB36
    return r;
}

// What OK gives after the edit, starting from the fields opening fills in.
template<typename Edit>
ControlRecord saveAfter(const ControlRecord &r, Edit edit, char separator = '.')
{
    const EditorFields opened = fieldsFromRecord(r, separator);
    EditorFields now = opened;
    edit(now);
    return savedRecord(r, opened, now, kindFromWord(r.CtrlType));
}

Rgba texts(const char *r, const char *g, const char *b, const char *a)
{
    return Rgba {std::string(r), std::string(g), std::string(b), std::string(a)};
}

} // namespace

// Plain styles, the full one and both suffixes together are read and built by the editor's own
// tests below.
TEST(StyleText, SuffixesAreFoundAnywhereAndTheBaseIsTheTextBeforeTheFirstBlank)
{
    EXPECT_EQ(parseStyle("ST_LEFT + ST_SHADOW"), (StyleParts {"ST_LEFT", false, true}));
    EXPECT_EQ(parseStyle("ST_RIGHT+ST_SHADOW+ST_MULTI"),
              (StyleParts {"ST_RIGHT+ST_SHADOW+ST_MULTI", true, true}));
    EXPECT_EQ(parseStyle(" ST_LEFT"), (StyleParts {"", false, false}));
    EXPECT_EQ(buildStyle("ST_LEFT", true, false), "ST_LEFT + ST_MULTI + ST_NO_RECT");
}

TEST(EditorFields, OpeningShowsTheRecordInFullInTheUsersSeparator)
{
    ControlRecord r = record(ControlKind::Combo);
    r.IDC = 1500; // beyond what the IDc guard allows to type; shown as it is
    r.RowHeight = 1.0f / 3.0f;
    r.ForeColor = Rgba {0.5, std::string("0.25"), std::string("0,75"), 1.0};
    r.Text = "one\r\ntwo";
    r.Action = "hint \"x\";\r\nexit;";
    r.Enter = 2;
    EditorFields f = fieldsFromRecord(r, ',');
    EXPECT_EQ((std::vector {f.idc, f.width, f.height, f.fontSize, f.rowHeight, f.wholeHeight}),
              (std::vector<std::string> {"1500", "0,12345", "0,04", "0,025", "0,3333333", "0,3"}));
    EXPECT_EQ(f.colours[0], (ColourTexts {"0,5", "0.25", "0,75", "1"})); // texts stay as they are
    EXPECT_EQ(f.colours[2], ColourTexts {}); // ActiveColor absent: empty fields
    EXPECT_EQ(f.font, 8u);
    EXPECT_FALSE(f.enter); // only for 1
    EXPECT_EQ(f.text, "one\ntwo");
    EXPECT_EQ(f.action, "hint \"x\";\nexit;");
    EXPECT_EQ(f.lineSpacing, ""); // only a multi-line record shows its line spacing

    r = record(ControlKind::Text);
    r.Style = "ST_CENTER + ST_MULTI + ST_NO_RECT + ST_SHADOW";
    r.LineSpacing = 1.5f;
    r.Font = "Unknown";
    r.Enter = 1;
    f = fieldsFromRecord(r, ',');
    EXPECT_EQ(f.style, 1u);
    EXPECT_TRUE(f.multiline && f.shadow && f.enter);
    EXPECT_EQ(f.lineSpacing, "1,5");
    EXPECT_EQ(f.font, std::nullopt);
    r.CtrlType = "GIZMO"; // no kind: no style choices, nothing selected
    EXPECT_EQ(fieldsFromRecord(r, '.').style, std::nullopt);
}

TEST(RecordSave, NothingChangedKeepsTheRecordAndUntouchedFieldsKeepTheirValues)
{
    ControlRecord r = record(ControlKind::Link);
    r.IDC = 65440; // read from a file, past what the IDc guard lets the user type
    r.Style = "ST_LEFT + ST_SHADOW + ST_MULTI"; // not the order the editor writes
    r.Text = "a\nb"; // a lone line feed
    r.Enter = 5;
    r.LineSpacing = 0.3f;
    r.Height = 16777217.0f / 100000000.0f; // needs more than seven digits to read back exactly
    EXPECT_EQ(saveAfter(r, [](EditorFields &) {}), r); // BackColor stays unset, too

    ControlRecord expected = r;
    expected.Name = "lnk";
    // Unset colours become four empty texts once something is written.
    expected.BackColor = expected.SelectionColor = expected.SelectionBGColor
        = texts("", "", "", "");
    EXPECT_EQ(saveAfter(r, [](EditorFields &f) { f.name = "lnk"; }), expected);
}

TEST(RecordSave, ChangedFieldsAreStoredAsTypedFontAndEnterOnlyWhereTheKindUsesThem)
{
    const ControlRecord r = record(ControlKind::Text);
    const ControlRecord saved = saveAfter(
        r,
        [](EditorFields &f) {
            f.width = "0,5", f.idc = "125", f.fontSize = "-", f.text = "one\ntwo";
            f.colours[0] = {"0,2", "1", "0", "-"};
        },
        ',');
    EXPECT_EQ(saved.Width, 0.5f);
    EXPECT_EQ(saved.IDC, 125);
    EXPECT_EQ(saved.ForeColor, texts("0,2", "1", "0", "0")); // a lone "-" is stored as 0
    EXPECT_EQ(saved.FontSize, 0.0f);
    EXPECT_EQ(saved.BackColor, r.BackColor); // numbers stay numbers
    EXPECT_EQ(saved.Text, "one\r\ntwo");
    const ControlRecord link = saveAfter(record(ControlKind::Link),
                                         [](EditorFields &f) { f.idc = "-", f.action = "a;\nb;"; });
    EXPECT_EQ(link.IDC, 0);
    EXPECT_EQ(link.Action, "a;\r\nb;");

    ControlRecord frame = record(ControlKind::Frame);
    frame.Enter = 1;
    const auto firstFontOtherEnter = [](EditorFields &f) {
        f.font = 0, f.enter = !f.enter;
    };
    EXPECT_EQ(saveAfter(frame, firstFontOtherEnter).Font, "tahomaB36");
    EXPECT_EQ(saveAfter(frame, firstFontOtherEnter).Enter, 1);
    const ControlRecord button = saveAfter(record(ControlKind::Button), firstFontOtherEnter);
    EXPECT_EQ(button.Font, "AudreysHandB48");
    EXPECT_EQ(button.Enter, 1);
}

TEST(RecordSave, StyleIsRebuiltWithBothSuffixesAndSettles)
{
    ControlRecord r = record(ControlKind::Text);
    r.LineSpacing = 0.7f;
    const EditorFields opened = fieldsFromRecord(r, '.');
    EditorFields now = opened;
    now.multiline = now.shadow = true;
    now.lineSpacing = "1.25";
    const ControlRecord first = savedRecord(r, opened, now, ControlKind::Text);
    EXPECT_EQ(first.Style, "ST_LEFT + ST_MULTI + ST_NO_RECT + ST_SHADOW");
    EXPECT_EQ(first.LineSpacing, 1.25f);
    // A second Apply goes on from the fields as the first one left them.
    EXPECT_EQ(savedRecord(first, now, now, ControlKind::Text), first);
    EditorFields renamed = now;
    renamed.name = "lbl";
    EXPECT_EQ(savedRecord(first, now, renamed, ControlKind::Text).Style, first.Style);
    // Unchecking multi-line drops the suffix and keeps the old line spacing.
    EditorFields single = now;
    single.multiline = false;
    const ControlRecord back = savedRecord(first, now, single, ControlKind::Text);
    EXPECT_EQ(back.Style, "ST_LEFT + ST_SHADOW");
    EXPECT_EQ(back.LineSpacing, 1.25f);

    r.Style = "ST_UPPERCASE"; // not offered: it keeps its base
    EXPECT_EQ(saveAfter(r, [](EditorFields &f) { f.shadow = true; }).Style,
              "ST_UPPERCASE + ST_SHADOW");
    EXPECT_EQ(saveAfter(r, [](EditorFields &f) { f.style = 2; }).Style, "ST_RIGHT");
}

// One "- " line ended by CR LF per problem, in a fixed order; each named here by a word of it.
TEST(PropertyCheck, OneLinePerProblemInAFixedOrder)
{
    using Edit = void (*)(EditorFields &);
    const std::tuple<ControlKind, Edit, std::vector<const char *>> cases[] = {
        // Every usable colour group and both heights; the line spacing comes last.
        {ControlKind::Combo,
         [](EditorFields &f) {
             f.name = f.idc = f.width = f.height = f.fontSize = f.rowHeight = f.wholeHeight = "";
             f.colours.fill(ColourTexts {}), f.multiline = true;
         },
         {"a name", "IDc", "width", "height", "foreground", "background color", "size for the font",
          "selection color", "selection background color", "row height", "whole height",
          "linespacing"}},
        // One empty component fails its group (ActiveColor alpha), only where usable (BackColor).
        {ControlKind::Link,
         [](EditorFields &f) { f.colours[2][3] = "", f.colours[1] = {}; },
         {"color for the active selection"}},
        {ControlKind::Text, [](EditorFields &f) { f.multiline = true; }, {"linespacing"}},
        // A number field holding only a sign or a separator holds no number.
        {ControlKind::Text,
         [](EditorFields &f) {
             f.width = "-", f.height = ",", f.colours[0][1] = "-.", f.idc = "-1";
         },
         {"width", "height", "foreground/font color"}},
        // What the design file cannot read back, after the thirteen.
        {ControlKind::Button,
         [](EditorFields &f) { // quotes in actions are stored encoded
             f.name = "a\"b", f.text = "say \"hi\"", f.action = "hint \"fine\";", f.idc = "";
         },
         {"IDc", "name cannot contain a double quote", "text cannot contain a double quote"}},
        {ControlKind::Button,
         [](EditorFields &f) { f.name = f.text = f.action = "###"; },
         {"name cannot be ###", "text cannot be ###", "action cannot be ###"}},
        {ControlKind::Button, [](EditorFields &f) { f.text = "x\n###"; }, {}}, // not a whole value
        {ControlKind::Input, [](EditorFields &f) { f.text = f.action = "###"; }, {}}, // not its own
    };
    for (const auto &[kind, edit, words] : cases) {
        EditorFields f = fieldsFromRecord(record(kind), '.');
        edit(f);
        const std::string report = checkFields(f, kind);
        std::size_t at = 0;
        for (const char *word : words) {
            at = report.find(word, at);
            EXPECT_NE(at, std::string::npos) << word << "\n" << report;
        }
        EXPECT_EQ(std::pair(std::count(report.begin(), report.end(), '\r'),
                            std::count(report.begin(), report.end(), '\n')),
                  std::pair(std::ssize(words), std::ssize(words)))
            << report;
        EXPECT_TRUE(report.empty() || report.starts_with("- ")) << report;
    }
    for (ControlKind kind : kAllKinds)
        EXPECT_EQ(checkFields(fieldsFromRecord(record(kind), '.'), kind), "") << kindWord(kind);
}

TEST(EditorFields, SizesShowTheirFormsAndATypedSafeZoneSizeIsItsF)
{
    ControlRecord r = record(ControlKind::Text);
    r.Forms.set(FormField::Width, FieldForm {PositionForm::SafeZone, 0.25f, {}});
    r.Forms.set(FormField::Height, FieldForm {PositionForm::Expression, 0, "safezoneH"});
    const EditorFields opened = fieldsFromRecord(r, ',');
    EXPECT_EQ(opened.width, "0,25");
    EXPECT_EQ(opened.height, "safezoneH");
    EXPECT_EQ(opened.fontSize, singleText(r.FontSize, ','));
    EXPECT_EQ(checkFields(opened, ControlKind::Text), ""); // an expression needs no digit

    const ControlRecord typed = saveAfter(
        r,
        [](EditorFields &now) {
            now.width = "0,5";
            now.height = "0,3"; // cannot be typed; kept all the same
            now.fontSize = "0,05";
        },
        ',');
    EXPECT_EQ(typed.Forms[FormField::Width], (FieldForm {PositionForm::SafeZone, 0.5f, {}}));
    EXPECT_EQ(typed.Width, r.Width); // the set gives it the screen value of F
    EXPECT_EQ(typed.Forms[FormField::Height], r.Forms[FormField::Height]);
    EXPECT_EQ(typed.Height, r.Height);
    EXPECT_EQ(typed.FontSize, 0.05f);
    EXPECT_EQ(typed.Forms[FormField::FontSize].form, PositionForm::Screen);
}

TEST(FormLook, TheWordsBesideASizeNameItsFormAndSeveralRecordsShareOnlyWhatTheyAgreeOn)
{
    const ReferenceScreen screen;
    ControlRecord r = record(ControlKind::Text);
    r.Forms.set(FormField::Width, FieldForm {PositionForm::SafeZone, 0.25f, {}});
    r.Forms.set(FormField::Height, FieldForm {PositionForm::Expression, 0, "0.1 + 0.2"});
    const FormLook safeZone = formLook(r, FormField::Width, screen, ',');
    const FormLook expression = formLook(r, FormField::Height, screen, ',');
    const FormLook plain = formLook(r, FormField::FontSize, screen, ',');
    EXPECT_EQ(safeZone.beside, "\u00d7 safe zone width");
    EXPECT_TRUE(safeZone.takesTyping());
    EXPECT_EQ(expression.beside, "= 0,3 of the screen");
    EXPECT_FALSE(expression.takesTyping());
    EXPECT_EQ(plain, FormLook {});

    ControlRecord other = r;
    other.Width = 0.5f; // another place, so another hint
    other.Forms.set(FormField::Height, FieldForm {PositionForm::Expression, 0, "0.2"});
    struct Row
    {
        std::vector<FormLook> looks;
        std::string beside;
        bool typing;
    };
    const Row rows[] = {
        {{safeZone, safeZone}, safeZone.beside, true},
        {{safeZone, formLook(other, FormField::Width, screen, ',')}, safeZone.beside, true},
        {{plain, plain}, "", true},
        {{expression, formLook(other, FormField::Height, screen, ',')}, "expressions", false},
        {{plain, safeZone}, "mixed forms", false},
        {{expression, plain}, "mixed forms", false},
    };
    for (const Row &row : rows) {
        const FormLook shared = sharedFormLook(row.looks);
        EXPECT_EQ(shared.beside, row.beside);
        EXPECT_EQ(shared.takesTyping(), row.typing) << row.beside;
    }
}

TEST(RecordSave, AGroupsScrollBarsFollowTheirCheckBoxAndOtherKindsHaveNone)
{
    const ControlRecord group = record(ControlKind::Group);
    EXPECT_TRUE(fieldsFromRecord(group, '.').scrollBars);
    const ControlRecord bare = saveAfter(group, [](EditorFields &f) { f.scrollBars = false; });
    EXPECT_FALSE(groupScrollBars(bare));
    EXPECT_FALSE(fieldsFromRecord(bare, '.').scrollBars);
    EXPECT_TRUE(groupScrollBars(saveAfter(bare, [](EditorFields &f) { f.scrollBars = true; })));

    const ControlRecord button = record(ControlKind::Button);
    EXPECT_FALSE(fieldsFromRecord(button, '.').scrollBars);
    EditorFields opened = fieldsFromRecord(button, '.');
    opened.scrollBars = true;
    EditorFields now = opened;
    now.scrollBars = false;
    EXPECT_TRUE(savedRecord(button, opened, now, ControlKind::Button).Others.list().empty());
}
