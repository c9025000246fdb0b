#include "props/editor_fields.h"

#include "model/creation_defaults.h"

#include <gtest/gtest.h>

using namespace kovrin;

TEST(EditorFields, NumbersAreShownInFullInTheUsersSeparator)
{
    ControlRecord r = defaultRecord(ControlKind::Combo);
    r.Width = 0.12345f;
    r.IDC = 1500; // beyond what the IDc guard allows to type; shown as it is
    r.RowHeight = 1.0f / 3.0f;
    EditorFields f = fieldsFromRecord(r, '.');
    EXPECT_EQ(f.width, "0.12345");
    EXPECT_EQ(f.idc, "1500");
    EXPECT_EQ(f.height, "0.04");
    EXPECT_EQ(f.rowHeight, "0.3333333");
    EXPECT_EQ(f.wholeHeight, "0.3");
    f = fieldsFromRecord(r, ',');
    EXPECT_EQ(f.width, "0,12345");
    EXPECT_EQ(f.fontSize, "0,025");
}

TEST(EditorFields, ColourNumbersUseTheSeparatorTextsStayAsTheyAre)
{
    ControlRecord r = defaultRecord(ControlKind::Input);
    r.ForeColor = Rgba {0.5, std::string("0.25"), std::string("0,75"), 1.0};
    const EditorFields f = fieldsFromRecord(r, ',');
    EXPECT_EQ(f.colours[0], (ColourTexts {"0,5", "0.25", "0,75", "1"}));
    EXPECT_EQ(f.colours[3], (ColourTexts {"0,5", "0,5", "0,5", "1"})); // SelectionColor numbers
    EXPECT_EQ(f.colours[1], ColourTexts {}); // BackColor absent: empty fields
}

TEST(EditorFields, StyleFontAndLineSpacingFromTheRecord)
{
    ControlRecord r = defaultRecord(ControlKind::Text);
    r.Style = "ST_CENTER + ST_MULTI + ST_NO_RECT + ST_SHADOW";
    r.LineSpacing = 1.5f;
    EditorFields f = fieldsFromRecord(r, '.');
    EXPECT_EQ(f.style, 1u);
    EXPECT_TRUE(f.multiline);
    EXPECT_TRUE(f.shadow);
    EXPECT_EQ(f.lineSpacing, "1.5");
    EXPECT_EQ(f.font, 8u); // "tahomaB36" finds "TahomaB36"

    r.Style = "ST_LEFT";
    r.Font = "Unknown";
    f = fieldsFromRecord(r, '.');
    EXPECT_FALSE(f.multiline);
    EXPECT_EQ(f.lineSpacing, ""); // only a multi-line record shows its line spacing
    EXPECT_EQ(f.font, std::nullopt);

    r.CtrlType = "GIZMO"; // no kind: no style choices, nothing selected
    EXPECT_EQ(fieldsFromRecord(r, '.').style, std::nullopt);
}

TEST(EditorFields, EnterIsCheckedOnlyForOne)
{
    ControlRecord r = defaultRecord(ControlKind::Button);
    r.Enter = 1;
    EXPECT_TRUE(fieldsFromRecord(r, '.').enter);
    r.Enter = 2;
    EXPECT_FALSE(fieldsFromRecord(r, '.').enter);
}

TEST(EditorFields, LineBreaksBetweenRecordAndWidget)
{
    ControlRecord r = defaultRecord(ControlKind::Link);
    r.Text = "one\r\ntwo";
    r.Action = "hint \"x\";\r\nexit;";
    const EditorFields f = fieldsFromRecord(r, '.');
    EXPECT_EQ(f.text, "one\ntwo");
    EXPECT_EQ(f.action, "hint \"x\";\nexit;");
}
