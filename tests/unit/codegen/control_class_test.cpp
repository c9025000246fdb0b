// Each kind's base class and sections, and the numbers and colours of ordinary records, are held
// by the golden code of the shipped examples; these are the forms a field can take besides.
#include "codegen/control_class.h"
#include "model/creation_defaults.h"

#include <gtest/gtest.h>

using namespace kovrin;

TEST(ControlClass, EachFieldIsWrittenInTheFormTheCodeReads)
{
    struct Case
    {
        ControlKind kind;
        void (*edit)(ControlRecord &);
        std::string lines; // whole lines, found in the class text, or not when absent
        bool absent = false;
    };
    const Case cases[] = {
        // Numbers with a point and no semicolons, written as held: the generator validates nothing.
        {ControlKind::Slider,
         [](ControlRecord &r) {
             r.X = 1.0f / 3.0f;
             r.Width = 1.5f;
             r.IDC = -1;
         },
         "\r\n  x = 0.3333333\r\n  y = 0\r\n  idc = -1\r\n  w = 1.5\r\n"},
        {ControlKind::Button, [](ControlRecord &r) { r.Action = R"(hint "hi")"; },
         "\r\n action = \"hint \"\"hi\"\"\"\r\n"},
        {ControlKind::Button, [](ControlRecord &r) { r.Text = R"(hint "hi")"; },
         "\r\n text = \"hint \"hi\"\"\r\n"},
        {ControlKind::Link, [](ControlRecord &r) { r.Enter = 1; }, "\r\n default = true\r\n"},
        {ControlKind::Link, [](ControlRecord &r) { r.Enter = 0; }, "\r\n default = false\r\n"},
        {ControlKind::Link, [](ControlRecord &r) { r.Enter = -1; }, "\r\n default = false\r\n"},
        {ControlKind::Text,
         [](ControlRecord &r) {
             r.ForeColor = Rgba {std::string("0,25"), 0.25, 1.0, std::string("0.5")};
         },
         "\r\n  colorText[] = {0.25, 0.25, 1, 0.5};\r\n"},
        // An unset colour that a kind reads is written as zeros.
        {ControlKind::Button, [](ControlRecord &r) { r.ForeColor.reset(); },
         "\r\n  colorText[] = {0, 0, 0, 0};\r\n"},
        {ControlKind::Text, [](ControlRecord &r) { r.Style = "ST_LEFT,1"; },
         "\r\n  style = ST_LEFT.1\r\n"},
        {ControlKind::Text, [](ControlRecord &r) { r.Text = "one\ntwo\r\nthree\rfour"; },
         "\r\n text = \"one\r\ntwo\r\nthree\r\nfour\"\r\n"},
        // Line spacing follows the style line of a multi-line static text only.
        {ControlKind::Text,
         [](ControlRecord &r) {
             r.LineSpacing = 1.5f;
             r.Style = "ST_LEFT + ST_MULTI + ST_NO_RECT";
         },
         "\r\n  style = ST_LEFT + ST_MULTI + ST_NO_RECT\r\n   linespacing = 1.5\r\n"},
        {ControlKind::Text, [](ControlRecord &r) { r.Style = "ST_LEFT + st_multi"; }, "linespacing",
         true},
        {ControlKind::Button, [](ControlRecord &r) { r.Style = "ST_CENTER + ST_MULTI"; },
         "linespacing", true},
    };
    for (const Case &c : cases) {
        ControlRecord r = defaultRecord(c.kind);
        r.Name = "c";
        c.edit(r);
        const std::string text = controlClassText(r);
        EXPECT_EQ(text.find(c.lines) == std::string::npos, c.absent) << c.lines << "\n" << text;
    }
}
