// Classes resolved as the game resolves them, and which of them are dialogs: hand-written files
// in the styles missions use (tests/data/import/resolve) and one rule a row.
#include "classdef/dialog_import.h"

#include <gtest/gtest.h>

using namespace kovrin;

namespace {

// "Dialog: Control KIND, ...; Next: ..." with the texts of controls that set one.
std::string dialogsOf(const DialogImport &imported)
{
    std::string out;
    for (const ImportedDialog &dialog : imported.dialogs) {
        out += (out.empty() ? "" : "; ") + dialog.name + ":";
        for (const ControlRecord &control : dialog.controls) {
            out += " " + control.Name + " " + control.CtrlType;
            if (!control.Text.str().empty())
                out += " \"" + control.Text.str() + "\"";
        }
    }
    return out;
}

std::string problemsOf(const DialogImport &imported)
{
    std::string out;
    for (const std::string &line : imported.problemLines())
        out += line + "\n";
    return out;
}

std::size_t count(const std::string &text, const std::string &part)
{
    std::size_t found = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++found;
    return found;
}

DialogImport importText(const std::string &text)
{
    return importDialogs("m/description.ext", memorySourceLoader({{"m/description.ext", text}}),
                         '.');
}

} // namespace

TEST(ClassResolution, HandWrittenFilesGiveEveryDialogAndControl)
{
    const std::string path = KOVRIN_TEST_DATA "/import/resolve/dialogs.hpp";
    const DialogImport imported = importDialogs(path, diskSourceLoader(path, {}), '.');
    ASSERT_TRUE(imported.readable) << imported.failure;
    // The panel and the list's base have no idd and are derived from; the group's template is
    // a base of a control: none of them is a dialog.
    EXPECT_EQ(dialogsOf(imported),
              "StatusDialog: BACKGROUND TEXT Title TEXT \"Panel\" Close BUTTON \"Close\"; "
              "OrdersDialog: BACKGROUND TEXT Title TEXT \"Orders\" Close BUTTON \"Close\" "
              "Portrait PICTURE \"pics\\officer.paa\" Accept BUTTON \"Accept\"; "
              "OrdersDialogWide: BACKGROUND TEXT Title TEXT \"Orders\" Close BUTTON \"Close\" "
              "Portrait PICTURE \"pics\\officer.paa\" Accept BUTTON \"Accept\" "
              "Group GROUP Caption TEXT \"caption\"; "
              "ListedDialog: Caption TEXT Ok BUTTON \"Fine\"; Splash:")
        << problemsOf(imported);
    const std::string problems = problemsOf(imported);
    // What derives from a class of the game is reported once for each such class; the group
    // of the game's type comes in with its control, and nothing is left out.
    EXPECT_EQ(count(problems, "class RscText is the game's"), 1u) << problems;
    EXPECT_EQ(count(problems, "class RscButton is the game's"), 1u) << problems;
    EXPECT_EQ(count(problems, "left out"), 0u) << problems;
    EXPECT_EQ(count(problems, "class RscControlsGroup is the game's"), 1u) << problems;
    // Overrides take the base's values they do not set.
    const ControlRecord &background = imported.dialogs[1].controls[0];
    EXPECT_FLOAT_EQ(background.X, 0.1f);
    EXPECT_FLOAT_EQ(background.Height, 0.6f);
    EXPECT_FLOAT_EQ(imported.dialogs[2].controls[4].Width, 0.15f);
}

TEST(ClassResolution, BasesAreFoundAsTheGameFindsThem)
{
    const std::pair<std::string, std::string> cases[] = {
        // Names ignore case, and keep their spelling.
        {"class rsctext { type = 0; text = \"t\"; };\n"
         "class D { idd = 1; class Controls { class A: RSCText {}; }; };",
         "D: A TEXT \"t\""},
        // class X: X in a derived dialog's controls finds the base dialog's X, though its own
        // controls class names no base.
        {"class B { idd = 1; class controls { class X { type = 1; text = \"b\"; }; }; };\n"
         "class D: B { class controls { class X: X { text = \"d\"; }; }; };",
         "B: X BUTTON \"b\"; D: X BUTTON \"d\""},
        // class X; in a derived dialog's controls keeps the base dialog's X.
        {"class B { idd = 1; class controls { class X { type = 1; }; }; };\n"
         "class D: B { class controls { class X; }; };",
         "B: X BUTTON; D: X BUTTON"},
        // A base that a dialog's own base holds.
        {"class B { idd = 1; class Frame { type = 0; text = \"f\"; }; controls[] = {}; };\n"
         "class D: B { controls[] = {Mine}; class Mine: Frame {}; };",
         "B:; D: Mine TEXT \"f\""},
        // The nearer class first: the enclosing class's own, then what it inherits, then out.
        {"class X { type = 5; };\nclass B { class X { type = 1; }; };\n"
         "class D: B { idd = 1; controls[] = {C}; class C: X {}; };",
         "D: C BUTTON"},
        // A class written after the one deriving from it does not count.
        {"class D { idd = 1; controls[] = {C}; class C: L { type = 0; }; class L { text = \"l\"; "
         "}; };",
         "D: C TEXT"},
        // A declaration after a class of the same name stands for that class.
        {"class T { type = 11; };\nclass T;\nclass D { idd = 1; controls[] = {C}; class C: T {}; "
         "};",
         "D: C LINK"},
        // Classes of the game give the kind when the file gives none, or only a constant the
        // game defines; their own type and style come first.
        {"import RscEdit;\nimport RscPicture as Pic;\nclass RscActiveText;\n"
         "class D { idd = 1; controls[] = {A, B, C, E};\n"
         "class A: RscEdit {}; class B: pic {}; class C: RscActiveText { type = CT_UNKNOWN; };\n"
         "class E: Pic { style = 0; }; };",
         "D: A INPUT B PICTURE C LINK E TEXT"},
        // A property may be called import.
        {"import = 1;\nclass D { idd = 1; controls[] = {C}; class C { type = 2; }; };",
         "D: C INPUT"},
    };
    for (const auto &[text, expected] : cases) {
        const DialogImport imported = importText(text);
        EXPECT_EQ(dialogsOf(imported), expected) << text << "\n" << problemsOf(imported);
    }
}

TEST(ClassResolution, OnlyDialogsAreTakenForDialogs)
{
    const std::pair<std::string, std::string> cases[] = {
        // Without idd a class holding controls is a dialog while nothing derives from it.
        {"class D { controls[] = {C}; class C { type = 0; }; };", "D: C TEXT"},
        {"class B { controls[] = {C}; class C { type = 0; }; };\nclass D: B {};", "D: C TEXT"},
        // With an idd a base dialog is a dialog too; a dialog that adds nothing still is one.
        {"class B { idd = 1; class controls { class C { type = 0; }; }; };\nclass D: B { idd = 2; "
         "};",
         "B: C TEXT; D: C TEXT"},
        // A template of a controls group: its type, or its base of the game's, says it is a
        // control.
        {"import RscControlsGroup;\nclass G: RscControlsGroup { class controls { class C { type = "
         "0; }; }; };",
         ""},
        {"class G { type = 15; class controls { class C { type = 0; }; }; };", ""},
        // A base of a control, even with an idd, is no dialog.
        {"class G { idd = 3; class controls { class C { type = 0; }; }; };\n"
         "class D { idd = 1; class controls { class Group: G { type = 0; }; }; };",
         "D: Group TEXT"},
        // RscTitles holds dialogs, with or without controls; classes that hold nothing are none.
        {"class RscTitles { class Splash { duration = 2; }; class Bar { idd = -1; controls[] = "
         "{T}; class T { type = 0; }; }; };\nclass Helper { x = 1; };",
         "Splash:; Bar: T TEXT"},
    };
    for (const auto &[text, expected] : cases) {
        const DialogImport imported = importText(text);
        EXPECT_EQ(dialogsOf(imported), expected) << text << "\n" << problemsOf(imported);
    }
}
