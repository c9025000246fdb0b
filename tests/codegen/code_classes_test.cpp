// The whole code of ordinary designs, each kind's base class and sections among it, is held by
// golden files (the worked example and the shipped examples); these are the cases they miss,
// controls groups among them.
#include "codegen/control_class.h"
#include "codegen/dialog_class.h"
#include "codegen/generate_code.h"
#include "model/code_page.h"
#include "model/creation_defaults.h"
#include "model/dialog_set.h"
#include "model/group_scroll_bars.h"
#include "model/line_breaks.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

using namespace kovrin;

namespace {

ControlRecord recordOf(ControlKind kind, std::string name)
{
    ControlRecord record = defaultRecord(kind);
    record.Name = std::move(name);
    return record;
}

ControlRecord frameRecord(std::string name, ColourValue back, float x)
{
    ControlRecord r = recordOf(ControlKind::Frame, std::move(name));
    r.BackColor = back;
    r.X = x;
    return r;
}

} // namespace

// Frames fill the background list and the first makes the background class, numbered by the
// dialog's place in the set; unknown kinds are left out; an empty dialog is eight lines.
TEST(DialogClass, ListsTheControlsAndMakesTheBackgroundClass)
{
    DialogSet set;
    for (int i = 0; i < 3; ++i)
        set.insertDialog();
    ASSERT_TRUE(set.removeDialog(1)); // the dialogs left carry FrmIndex 2 and 3
    ControlRecord odd = recordOf(ControlKind::Text, "a\r\nb");
    odd.CtrlType = "X\nY"; // kind words are compared exactly, and the comment stays one line
    ASSERT_TRUE(set.adoptControls(
        1,
        {frameRecord("A", colourOf(0, 0, 0, 0.5), 0.1f), recordOf(ControlKind::Text, "t1"),
         frameRecord("B", colourOf(1, 0, 0, 1), 0.7f), odd, recordOf(ControlKind::Slider, "s1"),
         recordOf(ControlKind::Input, "")},
        SurfaceSize {12030, 7575}));
    const std::string text = dialogClassesText(set);
    EXPECT_TRUE(text.starts_with("class DIALOG2\r\n{\r\n  idd = -1;\r\n  movingEnable = true;\r\n"
                                 "  controlsBackground[] = {};\r\n  objects[] = { };\r\n"
                                 "  controls[] = {};\r\n};\r\nclass DIALOG3\r\n"))
        << text;
    for (const char *lines :
         {"\r\n  controlsBackground[] = {DLG_BACK2, A, B};\r\n  objects[] = { };\r\n"
          "  controls[] = {t1, s1, };\r\n\r\n  class DLG_BACK2: RscText\r\n",
          "\r\n     colorBackground[] = {0, 0, 0, 0.5};\r\n", "\r\n     x = 0.1;\r\n",
          "\r\n class A : RscText\r\n", "\r\n class B : RscText\r\n",
          "\r\n  // control \"a  b\" left out: unknown kind \"X Y\"\r\n"})
        EXPECT_NE(text.find(lines), std::string::npos) << lines << "\n" << text;
    EXPECT_EQ(text.find("1, 0, 0, 1}"), text.rfind("1, 0, 0, 1}")); // in B's class only
    EXPECT_TRUE(text.ends_with("\r\n};\r\n"));
}

TEST(ControlClass, EachFieldIsWrittenInTheFormTheCodeReads)
{
    struct Case
    {
        ControlKind kind;
        void (*edit)(ControlRecord &);
        std::vector<std::string> lines; // whole lines found in the class text
        bool absent = false; // or not found
    };
    const Case cases[] = {
        // Numbers with a point and no semicolons, written as held: the generator validates nothing.
        {ControlKind::Slider,
         [](ControlRecord &r) { r.X = 1.0f / 3.0f, r.Width = 1.5f, r.IDC = -1; },
         {"\r\n  x = 0.3333333\r\n  y = 0\r\n  idc = -1\r\n  w = 1.5\r\n"}},
        // Quotes doubled in an action only; an unset colour that a kind reads is written as zeros.
        {ControlKind::Button,
         [](ControlRecord &r) { r.Action = r.Text = R"(hint "hi")", r.ForeColor.reset(); },
         {"\r\n action = \"hint \"\"hi\"\"\"\r\n", "\r\n text = \"hint \"hi\"\"\r\n",
          "\r\n  colorText[] = {0, 0, 0, 0};\r\n"}},
        // The game's whole 32-bit range.
        {ControlKind::Text,
         [](ControlRecord &r) { r.IDC = -2147483647 - 1; },
         {"\r\n  idc = -2147483648\r\n"}},
        {ControlKind::Link, [](ControlRecord &r) { r.Enter = 1; }, {"\r\n default = true\r\n"}},
        {ControlKind::Link, [](ControlRecord &r) { r.Enter = 0; }, {"\r\n default = false\r\n"}},
        {ControlKind::Link, [](ControlRecord &r) { r.Enter = -1; }, {"\r\n default = false\r\n"}},
        {ControlKind::Text,
         [](ControlRecord &r) {
             r.ForeColor = Rgba {std::string("0,25"), 0.25, 1.0, std::string("0.5")};
             r.Style = "ST_LEFT,1", r.Text = "one\ntwo\r\nthree\rfour";
         },
         {"\r\n  colorText[] = {0.25, 0.25, 1, 0.5};\r\n", "\r\n  style = ST_LEFT.1\r\n",
          "\r\n text = \"one\r\ntwo\r\nthree\r\nfour\"\r\n"}},
        // Line spacing follows the style line of a multi-line static text only.
        {ControlKind::Text,
         [](ControlRecord &r) {
             r.LineSpacing = 1.5f, r.Style = "ST_LEFT + ST_MULTI + ST_NO_RECT";
         },
         {"\r\n  style = ST_LEFT + ST_MULTI + ST_NO_RECT\r\n   linespacing = 1.5\r\n"}},
        {ControlKind::Text,
         [](ControlRecord &r) { r.Style = "ST_LEFT + st_multi"; },
         {"linespacing"},
         true},
        {ControlKind::Button,
         [](ControlRecord &r) { r.Style = "ST_CENTER + ST_MULTI"; },
         {"linespacing"},
         true},
    };
    for (const Case &c : cases) {
        ControlRecord r = defaultRecord(c.kind);
        r.Name = "c";
        c.edit(r);
        const std::string text = controlClassText(r);
        for (const std::string &lines : c.lines)
            EXPECT_EQ(text.find(lines) == std::string::npos, c.absent) << lines << "\n" << text;
    }
}

// Safe-zone fields as the definition spells them, expressions as written, screen fields as
// always; the frame's background class follows its forms too.
TEST(ControlClass, PositionFormsAreWrittenInTheirForms)
{
    DialogSet set;
    set.insertDialog();
    set.setLayout(0, DialogLayout::SafeZone);
    const SurfaceSize surface {12000, 9000};
    set.createControl(0, ControlKind::Frame, 1200, 900, surface);
    set.setLayout(0, DialogLayout::Screen);
    const auto button = set.createControl(0, ControlKind::Button, 6000, 4500, surface);
    ControlRecord r = set.dialog(0).cControls.at(*button);
    r.Forms.set(FormField::X, {PositionForm::Expression, 0, "(0.5 - 0.1) * safezoneW"});
    r.Forms.set(FormField::FontSize, {PositionForm::SafeZone, 0.025f, {}});
    set.writeRecord(0, *button, r);

    std::ifstream golden(KOVRIN_TEST_DATA "/codegen/forms_classes.txt", std::ios::binary);
    const std::string expected {std::istreambuf_iterator<char>(golden), {}};
    EXPECT_EQ(dialogClassesText(set), expected);
}

// Kept idd, movingEnable and objects[] stand in place of the fixed lines; the other properties
// follow the dialog's lists and each control's own lines, one a line.
TEST(OtherProperties, AreWrittenBackInTheirClassAfterItsOwnLines)
{
    DialogSet set;
    set.insertDialog();
    set.setDialogProperties(0,
                            OtherProperties({{"IDD", "65440"},
                                             {"onLoad", "\"[] call f\""},
                                             {"class Mine", "{a = 1;}"},
                                             {"movingEnable", "false"}}));
    const auto made = set.createControl(0, ControlKind::Slider, 0, 0, SurfaceSize {12000, 9000});
    ControlRecord r = set.dialog(0).cControls.at(*made);
    r.Name = "s";
    r.Others = OtherProperties({{"onSliderPosChanged", "\"hint str (_this # 1)\""},
                                {"sliderRange[] +", "{0, 10}"},
                                {"class RscText", ""}});
    set.writeRecord(0, *made, r);
    const std::string text = dialogClassesText(set);
    EXPECT_TRUE(text.starts_with("class DIALOG1\r\n{\r\n  IDD = 65440;\r\n"
                                 "  movingEnable = false;\r\n  controlsBackground[] = {};\r\n"
                                 "  objects[] = { };\r\n  controls[] = {s};\r\n"
                                 "  onLoad = \"[] call f\";\r\n  class Mine {a = 1;};\r\n"
                                 " class s : RscSliderH\r\n"))
        << text;
    EXPECT_TRUE(
        text.ends_with("  SizeEX = 0.025\r\n  onSliderPosChanged = \"hint str (_this # 1)\";\r\n"
                       "  sliderRange[] += {0, 10};\r\n  class RscText;\r\n  };\r\n};\r\n"))
        << text;
    set.setDialogProperties(0, OtherProperties({{"objects[]", "{o1}"}, {"class o1", "{}"}}));
    EXPECT_NE(dialogClassesText(set).find("  movingEnable = true;\r\n  controlsBackground[] = {};"
                                          "\r\n  objects[] = {o1};\r\n  controls[] = {s};\r\n"
                                          "  class o1 {};\r\n"),
              std::string::npos);
}

// Texts far larger than the pieces code is handed on in come out as if written whole, wherever a
// piece ends: no character and no CRLF is cut in two, and an action's quotes are all doubled.
TEST(GenerateCode, CodeEncodedAsItIsMadeIsTheWholeCodeEncoded)
{
    const std::string pattern = "ab\r\n\xE2\x82\xAC\"\n\r\xC3\xA9\xD0\x96"; // 14 bytes
    for (std::size_t shift = 0; shift < pattern.size(); ++shift) {
        SCOPED_TRACE(shift);
        std::string text(shift, 'x');
        while (text.size() < 200000)
            text += pattern;
        DialogSet set;
        set.insertDialog();
        ControlRecord button = recordOf(ControlKind::Button, "b");
        button.Tag = "1";
        button.Text = text;
        button.Action = text;
        // Every other time inside a group, whose lines stand deeper but whose texts do not.
        ControlRecord group = recordOf(ControlKind::Group, "g");
        group.Tag = "2";
        if (shift % 2)
            button.Group = group.Tag;
        ASSERT_TRUE(set.adoptControls(0, {button, group}, SurfaceSize {12000, 9000}));

        const std::string code = generateCode(set);
        const std::string crlf = withCrlfLineBreaks(text);
        std::string doubled;
        for (char c : crlf)
            doubled += c == '"' ? std::string(2, c) : std::string(1, c);
        EXPECT_NE(code.find(" text = \"" + crlf + "\"\r\n"), std::string::npos);
        EXPECT_NE(code.find(" action = \"" + doubled + "\"\r\n"), std::string::npos);
        EncodingSink sink;
        writeCode(set, sink);
        const EncodedText whole = encodeCp1252(code);
        EXPECT_TRUE(sink.bytes() == whole.bytes);
        EXPECT_EQ(sink.replaced(), whole.replaced);
    }
}

// A group's controls stand in its class Controls, two blanks deeper for each group around them;
// its lines end with semicolons; texts inside keep their line breaks as they are; the base class
// comes after the preamble only when a design holds a group.
TEST(GroupClass, NestedGroupsWriteTheirControlsInClassControlsDeeperEachLevel)
{
    DialogSet set;
    set.insertDialog();
    ControlRecord outer = recordOf(ControlKind::Group, "outer");
    outer.Tag = "1";
    outer.X = 0.1f;
    outer.Y = 0.2f;
    ControlRecord inner = recordOf(ControlKind::Group, "inner");
    inner.Tag = "2";
    inner.Group = "1";
    inner.IDC = 7;
    setGroupScrollBars(inner, false);
    ControlRecord text = recordOf(ControlKind::Text, "t");
    text.Tag = "3";
    text.Group = "2";
    text.Text = "a\nb";
    ControlRecord frame = recordOf(ControlKind::Frame, "f");
    frame.Tag = "4";
    // Listed first, written after its group.
    ASSERT_TRUE(set.adoptControls(0, {text, outer, inner, frame}, SurfaceSize {12000, 9000}));
    const std::string code = dialogClassText(set.dialog(0), 1);
    const std::string head = "  controlsBackground[] = {DLG_BACK1, f};\r\n"
                             "  objects[] = { };\r\n"
                             "  controls[] = {outer};\r\n";
    EXPECT_NE(code.find(head), std::string::npos) << code;
    const std::string groups = " class outer: KovrinControlsGroup\r\n"
                               " {\r\n"
                               "  idc = -1;\r\n"
                               "  x = 0.1;\r\n"
                               "  y = 0.2;\r\n"
                               "  w = 0.4;\r\n"
                               "  h = 0.3;\r\n"
                               "  colorBackground[] = {0, 0, 0, 0};\r\n"
                               "  class Controls\r\n"
                               "  {\r\n"
                               "   class inner: KovrinControlsGroup\r\n"
                               "   {\r\n"
                               "    idc = 7;\r\n"
                               "    x = 0;\r\n"
                               "    y = 0;\r\n"
                               "    w = 0.4;\r\n"
                               "    h = 0.3;\r\n"
                               "    colorBackground[] = {0, 0, 0, 0};\r\n"
                               "    class VScrollbar {width = 0;};\r\n"
                               "    class HScrollbar {height = 0;};\r\n"
                               "    class Controls\r\n"
                               "    {\r\n"
                               "     class t : RscText\r\n"
                               "     {\r\n";
    EXPECT_NE(code.find(groups), std::string::npos) << code;
    const std::string closing = "     text = \"a\r\nb\"\r\n"
                                "      };\r\n"
                                "    };\r\n"
                                "    };\r\n"
                                "  };\r\n"
                                "  };\r\n"
                                " class f : RscText\r\n";
    EXPECT_NE(code.find(closing), std::string::npos) << code;

    EXPECT_NE(generateCode(set).find("\r\n};\r\n\r\n#define CT_CONTROLS_GROUP 15\r\n\r\nclass "
                                     "KovrinControlsGroup\r\n"),
              std::string::npos);
    set.removeRecord(0, 0);
    set.removeRecord(0, 0);
    set.removeRecord(0, 0);
    EXPECT_EQ(generateCode(set).find("KovrinControlsGroup"), std::string::npos);
}

// A control deriving from a class of the game names it as its base, and the code declares each
// such class once, after the preamble; a class the preamble defines is not declared again, and
// a design naming none has nothing between the preamble and its dialogs.
TEST(GameBases, AreDeclaredOnceAfterThePreambleAndNamedByTheirControls)
{
    DialogSet set;
    set.insertDialog();
    EXPECT_EQ(generateCode(set), preambleText() + dialogClassesText(set));
    const struct
    {
        ControlKind kind;
        const char *name;
        const char *base;
        const char *head;
    } rows[] = {
        {ControlKind::Button, "b1", "RscButtonMenu", " class b1 : RscButtonMenu\r\n"},
        {ControlKind::Button, "b2", "rscButtonMenu", " class b2 : rscButtonMenu\r\n"},
        {ControlKind::Text, "t", "IGUIBack", " class t : IGUIBack\r\n"},
        {ControlKind::Frame, "f", "RscFrame", " class f : RscFrame\r\n"},
        {ControlKind::Input, "e", "", " class e : RscEdit\r\n"},
    };
    std::vector<ControlRecord> records;
    for (const auto &row : rows) {
        records.push_back(recordOf(row.kind, row.name));
        records.back().Base = row.base;
        records.back().Tag = row.name;
    }
    ASSERT_TRUE(set.adoptControls(0, records, SurfaceSize {12000, 9000}));
    const std::string code = generateCode(set);
    const std::string preamble = preambleText();
    ASSERT_TRUE(code.starts_with(preamble));
    EXPECT_TRUE(code.substr(preamble.size())
                    .starts_with("import RscButtonMenu;\r\nimport IGUIBack;\r\n\r\nclass DIALOG1"))
        << code.substr(preamble.size(), 80);
    for (const auto &row : rows)
        EXPECT_NE(code.find(row.head), std::string::npos) << row.head;
}
