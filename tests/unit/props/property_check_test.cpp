#include "model/creation_defaults.h"
#include "props/property_check.h"

#include <gtest/gtest.h>

using namespace kovrin;

namespace {

EditorFields filled(ControlKind kind)
{
    ControlRecord r = defaultRecord(kind);
    r.Name = "ctl";
    return fieldsFromRecord(r, '.');
}

EditorFields emptied(ControlKind kind)
{
    EditorFields f = filled(kind);
    f.name = f.idc = f.width = f.height = f.fontSize = f.rowHeight = f.wholeHeight = "";
    f.colours.fill(ColourTexts {});
    return f;
}

} // namespace

TEST(PropertyCheck, OneLinePerProblemInAFixedOrder)
{
    using Edit = void (*)(EditorFields &);
    const std::tuple<ControlKind, Edit, std::string> cases[] = {
        // Every usable colour group and both heights; the line spacing comes last.
        {ControlKind::Combo,
         [](EditorFields &f) {
             f = emptied(ControlKind::Combo);
             f.multiline = true;
         },
         "- You must enter a name.\r\n"
         "- You must enter an IDc or set it to -1.\r\n"
         "- You must enter a width.\r\n"
         "- You must enter a height.\r\n"
         "- You must enter a foreground/font color.\r\n"
         "- You must enter a background color.\r\n"
         "- You must enter a size for the font.\r\n"
         "- You must enter a selection color.\r\n"
         "- You must enter a selection background color.\r\n"
         "- You must enter a row height.\r\n"
         "- You must enter the total height for the control (whole height).\r\n"
         "- You must enter a linespacing for a control to be multiline.\r\n"},
        // One empty component fails its group, only where usable.
        {ControlKind::Link,
         [](EditorFields &f) {
             f.colours[2][3] = ""; // ActiveColor alpha
             f.colours[1] = ColourTexts {}; // BackColor, not a link's
         },
         "- You must enter a color for the active selection.\r\n"},
        {ControlKind::Text, [](EditorFields &f) { f.multiline = true; },
         "- You must enter a linespacing for a control to be multiline.\r\n"},
        // What the design file cannot read back, after the thirteen.
        {ControlKind::Button,
         [](EditorFields &f) {
             f.name = "a\"b";
             f.text = "say \"hi\"";
             f.action = "hint \"fine\";"; // quotes in actions are stored encoded
             f.idc = "";
         },
         "- You must enter an IDc or set it to -1.\r\n"
         "- The name cannot contain a double quote (\").\r\n"
         "- The text cannot contain a double quote (\").\r\n"},
        {ControlKind::Button, [](EditorFields &f) { f.name = f.text = f.action = "###"; },
         "- The name cannot be ###.\r\n- The text cannot be ###.\r\n- The action cannot be "
         "###.\r\n"},
        {ControlKind::Button, [](EditorFields &f) { f.text = "x\n###"; }, ""}, // not a whole value
        {ControlKind::Input, [](EditorFields &f) { f.text = f.action = "###"; }, ""}, // not its own
    };
    for (const auto &[kind, edit, expected] : cases) {
        EditorFields f = filled(kind);
        edit(f);
        EXPECT_EQ(checkFields(f, kind), expected) << kindWord(kind);
    }
    for (ControlKind kind : kAllKinds)
        EXPECT_EQ(checkFields(filled(kind), kind), "") << kindWord(kind);
}
