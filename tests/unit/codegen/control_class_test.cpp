#include "code_lines.h"
#include "codegen/control_class.h"

#include <gtest/gtest.h>

using namespace kovrin;
using kovrin::test::crlfLines;
using kovrin::test::recordOf;

namespace {

using Lines = std::vector<std::string>;

Lines classLines(const ControlRecord &record)
{
    return crlfLines(controlClassText(record));
}

// What each line after the head sets: the text before " =" with the indent removed.
Lines memberKeys(const ControlRecord &record)
{
    const Lines lines = classLines(record);
    Lines keys;
    for (std::size_t i = 8; i + 1 < lines.size(); ++i) {
        const auto begin = lines[i].find_first_not_of(' ');
        keys.push_back(lines[i].substr(begin, lines[i].find(" =") - begin));
    }
    return keys;
}

std::string lineStarting(const Lines &lines, std::string_view start)
{
    for (const auto &line : lines) {
        if (line.starts_with(start))
            return line;
    }
    return "(no line starting with '" + std::string(start) + "')";
}

} // namespace

TEST(ControlClass, EachKindWritesItsBaseAndSectionsInOrder)
{
    struct Expected
    {
        ControlKind kind;
        std::string head;
        Lines keys;
    };
    const Expected table[] = {
        {ControlKind::Input,
         " class c : RscEdit",
         {"colorText[]", "font", "SizeEX", "colorSelect[]"}},
        {ControlKind::Text,
         " class c : RscText",
         {"colorText[]", "colorBackground[]", "font", "SizeEX", "text"}},
        {ControlKind::Combo,
         " class c : RscCombo",
         {"colorText[]", "colorBackground[]", "font", "SizeEX", "colorSelect[]",
          "colorSelectBackGround[]", "RowHeight", "wholeHeight"}},
        {ControlKind::Button,
         " class c : RscButton",
         {"colorText[]", "font", "SizeEX", "text", "action", "default"}},
        {ControlKind::Frame,
         " class c : RscText",
         {"colorText[]", "colorBackground[]", "SizeEX", "text"}},
        {ControlKind::Link,
         " class c : RscActiveText",
         {"colorText[]", "font", "SizeEX", "text", "colorActive[]", "action", "default"}},
        {ControlKind::List,
         " class c : RscListBox",
         {"colorText[]", "colorBackground[]", "font", "SizeEX", "colorSelect[]",
          "colorSelectBackGround[]", "RowHeight"}},
        {ControlKind::Picture,
         " class c : RscText",
         {"colorText[]", "colorBackground[]", "font", "SizeEX", "text"}},
        {ControlKind::Slider, " class c : RscSliderH", {"colorText[]", "SizeEX"}},
    };
    for (const auto &expected : table) {
        const ControlRecord record = recordOf(expected.kind, "c");
        const Lines lines = classLines(record);
        ASSERT_GT(lines.size(), 9u);
        EXPECT_EQ(lines[0], expected.head);
        EXPECT_EQ(lines[1], " {");
        EXPECT_EQ(lines.back(), "  };");
        EXPECT_EQ(memberKeys(record), expected.keys) << record.CtrlType;
    }
}

TEST(ControlClass, HeadWritesNumbersWithAPointAndNoSemicolons)
{
    ControlRecord r = recordOf(ControlKind::Slider, "s");
    r.X = 1.0f / 3.0f;
    r.Y = 0;
    r.Width = 1.5f; // written as held: the generator validates nothing
    r.Height = 0.05f;
    r.IDC = -1;
    r.Style = "ST_HPOS";
    r.FontSize = 0.025f;
    EXPECT_EQ(classLines(r),
              (Lines {" class s : RscSliderH", " {", "  x = 0.3333333", "  y = 0", "  idc = -1",
                      "  w = 1.5", "  h = 0.05", "  style = ST_HPOS",
                      "  colorText[] = {0.2, 0.2, 0.2, 1};", "  SizeEX = 0.025", "  };"}));
}

TEST(ControlClass, EachFieldIsWrittenInTheFormTheCodeReads)
{
    struct Case
    {
        ControlKind kind;
        void (*edit)(ControlRecord &);
        const char *start;
        const char *line;
    };
    const Case cases[] = {
        {ControlKind::Button, [](ControlRecord &r) { r.Action = R"(hint "hi")"; }, " action",
         R"( action = "hint ""hi""")"},
        {ControlKind::Button, [](ControlRecord &r) { r.Text = R"(hint "hi")"; }, " text",
         R"( text = "hint "hi"")"},
        {ControlKind::Link, [](ControlRecord &r) { r.Enter = 1; }, " default", " default = true"},
        {ControlKind::Link, [](ControlRecord &r) { r.Enter = 0; }, " default", " default = false"},
        {ControlKind::Link, [](ControlRecord &r) { r.Enter = -1; }, " default", " default = false"},
        {ControlKind::Text,
         [](ControlRecord &r) {
             r.ForeColor = Rgba {std::string("0,25"), 0.25, 1.0, std::string("0.5")};
         },
         "  colorText", "  colorText[] = {0.25, 0.25, 1, 0.5};"},
        {ControlKind::Text, [](ControlRecord &r) { r.BackColor = colourOf(0.5, 0, 1, 0.75); },
         "  colorBackground", "  colorBackground[] = {0.5, 0, 1, 0.75};"},
        // An unset colour that a kind reads is written as zeros.
        {ControlKind::Button, [](ControlRecord &r) { r.ForeColor.reset(); }, "  colorText",
         "  colorText[] = {0, 0, 0, 0};"},
        {ControlKind::Text, [](ControlRecord &r) { r.Style = "ST_LEFT,1"; }, "  style",
         "  style = ST_LEFT.1"},
    };
    for (const Case &c : cases) {
        ControlRecord r = recordOf(c.kind, "c");
        c.edit(r);
        EXPECT_EQ(lineStarting(classLines(r), c.start), c.line);
    }
}

TEST(ControlClass, LineSpacingFollowsTheStyleLineOnlyForMultiLineStyles)
{
    ControlRecord r = recordOf(ControlKind::Text, "t");
    r.LineSpacing = 1.5f;
    r.Style = "ST_LEFT + ST_MULTI + ST_NO_RECT";
    Lines lines = classLines(r);
    EXPECT_EQ(lines[7], "  style = ST_LEFT + ST_MULTI + ST_NO_RECT");
    EXPECT_EQ(lines[8], "   linespacing = 1.5");

    r.Style = "ST_LEFT";
    EXPECT_EQ(lineStarting(classLines(r), "   linespacing"),
              "(no line starting with '   linespacing')");
    r.Style = "ST_LEFT + st_multi";
    EXPECT_EQ(lineStarting(classLines(r), "   linespacing"),
              "(no line starting with '   linespacing')");

    ControlRecord button = recordOf(ControlKind::Button, "b"); // only TEXT has the line
    button.Style = "ST_CENTER + ST_MULTI";
    EXPECT_EQ(lineStarting(classLines(button), "   linespacing"),
              "(no line starting with '   linespacing')");
}

TEST(ControlClass, LineBreaksInsideTextsAreWrittenCrlf)
{
    ControlRecord r = recordOf(ControlKind::Text, "t");
    r.Text = "one\ntwo\r\nthree\rfour";
    const std::string text = controlClassText(r);
    EXPECT_NE(text.find(" text = \"one\r\ntwo\r\nthree\r\nfour\"\r\n"), std::string::npos);
    const Lines lines = crlfLines(text); // fails on any lone CR or LF left in a line
    for (const auto &line : lines)
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
}
