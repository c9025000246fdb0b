#include "props/property_check.h"

#include "model/creation_defaults.h"

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
    f.lineSpacing = "";
    for (auto &group : f.colours)
        group = ColourTexts {};
    return f;
}
} // namespace

TEST(PropertyCheck, DefaultRecordsOfEveryKindPass)
{
    for (ControlKind kind : kAllKinds)
        EXPECT_EQ(checkFields(filled(kind), kind), "") << kindWord(kind);
}

// The seven lines of an emptied text are held by the editor's widget test.
TEST(PropertyCheck, EmptiedComboListsEveryUsableGroupAndBothHeights)
{
    EXPECT_EQ(checkFields(emptied(ControlKind::Combo), ControlKind::Combo),
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
              "- You must enter the total height for the control (whole height).\r\n");
}

TEST(PropertyCheck, OneEmptyComponentFailsItsGroupOnlyWhereUsable)
{
    EditorFields link = filled(ControlKind::Link);
    EXPECT_EQ(link.colours[1], ColourTexts {}); // BackColor absent, group disabled
    EXPECT_EQ(checkFields(link, ControlKind::Link), "");
    link.colours[2][3] = ""; // ActiveColor alpha
    EXPECT_EQ(checkFields(link, ControlKind::Link),
              "- You must enter a color for the active selection.\r\n");
}

TEST(PropertyCheck, LineSpacingLineComesLastAndOnlyWhenMultiline)
{
    EditorFields f = filled(ControlKind::Text);
    f.multiline = true;
    f.name = "";
    EXPECT_EQ(checkFields(f, ControlKind::Text),
              "- You must enter a name.\r\n"
              "- You must enter a linespacing for a control to be multiline.\r\n");
    f.multiline = false;
    EXPECT_EQ(checkFields(f, ControlKind::Text), "- You must enter a name.\r\n");
}

TEST(PropertyCheck, RefusesWhatTheDesignFileCannotReadBack)
{
    EditorFields f = filled(ControlKind::Button);
    f.name = "a\"b";
    f.text = "say \"hi\"";
    f.action = "hint \"fine\";"; // quotes in actions are stored encoded
    EXPECT_EQ(checkFields(f, ControlKind::Button),
              "- The name cannot contain a double quote (\").\r\n"
              "- The text cannot contain a double quote (\").\r\n");
    f.name = f.text = f.action = "###";
    EXPECT_EQ(checkFields(f, ControlKind::Button),
              "- The name cannot be ###.\r\n"
              "- The text cannot be ###.\r\n"
              "- The action cannot be ###.\r\n");
    f.name = "ok";
    f.text = "x\n###"; // only a whole value ends a record
    f.action = "";
    EXPECT_EQ(checkFields(f, ControlKind::Button), "");
}

TEST(PropertyCheck, NewChecksFollowTheThirteen)
{
    EditorFields f = emptied(ControlKind::Input);
    f.name = "###";
    const std::string report = checkFields(f, ControlKind::Input);
    EXPECT_EQ(report.rfind("- The name cannot be ###.\r\n"),
              report.size() - std::string("- The name cannot be ###.\r\n").size());
    EXPECT_EQ(report.find("- You must enter a name."), std::string::npos);
}
