#include "cli/design_check.h"
#include "model/creation_defaults.h"

#include <gtest/gtest.h>

using namespace kovrin;

namespace {

ControlRecord control(std::string name, ControlKind kind = ControlKind::Button)
{
    ControlRecord r = defaultRecord(kind);
    r.Name = std::move(name);
    r.X = 0.1f;
    r.Y = 0.2f;
    return r;
}

LoadedDialog dialog(std::string name, std::vector<ControlRecord> controls)
{
    return LoadedDialog {std::move(name), 0.05f, std::move(controls)};
}

std::vector<std::string> problemsOf(std::vector<ControlRecord> controls)
{
    return designProblems({dialog("DIALOG1", std::move(controls))});
}

using Lines = std::vector<std::string>;

} // namespace

TEST(DesignCheck, CleanDesignHasNoProblems)
{
    EXPECT_TRUE(designProblems({}).empty());
    EXPECT_TRUE(
        designProblems({dialog("DIALOG1", {control("btnOK"), control("lst_1", ControlKind::List)}),
                        dialog("DIALOG2", {control("btnOK")})})
            .empty());
}

TEST(DesignCheck, EachFieldOfAControlIsCheckedOnOneLinePerProblem)
{
    using Edit = void (*)(ControlRecord &);
    const std::pair<Edit, Lines> cases[] = {
        {[](ControlRecord &r) { r.Text = "say \"hi\""; },
         {"Text holds a double quote, which ends the text on loading"}},
        {[](ControlRecord &r) { r.Name = "ok button"; }, {"the name is not an identifier"}},
        {[](ControlRecord &r) { r.Name = "2btn"; }, {"the name is not an identifier"}},
        {[](ControlRecord &r) { r.Name = "caf\xC3\xA9"; }, {"the name is not an identifier"}},
        {[](ControlRecord &r) { r.Name = "_btn2"; }, {}},
        {[](ControlRecord &r) {
             r.Style = "ST_LEFT\"";
             r.Font = "x\"";
             r.Action = "hint \"hi\""; // quotes in a script are stored encoded
         },
         {"Style holds a double quote, which ends the text on loading",
          "Font holds a double quote, which ends the text on loading"}},
        {[](ControlRecord &r) { r.Text = r.Action = "###"; },
         {"Text is \"###\", which ends the record on loading",
          "Action is \"###\", which ends the record on loading"}},
        {[](ControlRecord &r) { r.Text = "### "; }, {}},
        {[](ControlRecord &r) { r.Action = "hint \"a\"\"b\""; }, {}}, // doubled quotes come back
        {[](ControlRecord &r) { r.Action = "x = \"&quot\""; },
         {"Action holds \"&quot\", which reads back as a double quote"}},
        {[](ControlRecord &r) { r.CtrlType = "Button"; }, {"unknown kind \"Button\""}},
    };
    for (const auto &[edit, expected] : cases) {
        ControlRecord r = control("ok");
        edit(r);
        Lines lines;
        for (const auto &problem : expected)
            lines.push_back("dialog \"DIALOG1\", control \"" + r.Name + "\": " + problem);
        EXPECT_EQ(problemsOf({r}), lines);
    }
    EXPECT_FALSE(isIdentifier(""));
    EXPECT_EQ(designProblems({dialog("My Dialog", {})}),
              Lines {"dialog \"My Dialog\": the dialog name is not an identifier"});
    EXPECT_NE(
        designProblems({dialog("D\"", {})}).back().find("the dialog name holds a double quote"),
        std::string::npos);
}

TEST(DesignCheck, DuplicateControlNamesInOneDialog)
{
    EXPECT_EQ(problemsOf({control("a"), control("b"), control("a")}),
              Lines {"dialog \"DIALOG1\", control \"a\": another control of this dialog has the "
                     "same name"});
    // The same name in two dialogs is fine.
    EXPECT_TRUE(
        designProblems({dialog("D1", {control("a")}), dialog("D2", {control("a")})}).empty());
}

TEST(DesignCheck, NamesDifferingOnlyByCaseAndSharedIdcs)
{
    ControlRecord first = control("btnOK");
    first.IDC = 5;
    ControlRecord second = control("BTNok");
    second.IDC = 5;
    ControlRecord unlooked = control("other"); // IDC -1 twice is fine
    EXPECT_EQ(designProblems({dialog("Menu", {first, second, unlooked, control("more")}),
                              dialog("MENU", {first})}),
              (Lines {
                  "dialog \"Menu\", control \"BTNok\": another control of this dialog is named "
                  "\"btnOK\", which differs only by case; the game takes them for one",
                  "dialog \"Menu\", control \"BTNok\": has IDC 5 as control \"btnOK\" does; "
                  "the game finds controls by their IDC",
                  "dialog \"MENU\": an earlier dialog is named \"Menu\", which differs only by "
                  "case; the game takes them for one",
              }));
}

TEST(DesignCheck, AdjacentDialogsOfTheSameNameMergeAndTheirControlsMeet)
{
    const Lines lines = designProblems({dialog("D", {control("a")}), dialog("D", {control("a")})});
    EXPECT_EQ(lines,
              (Lines {
                  "dialog \"D\": follows a dialog of the same name; the two become one on "
                  "loading",
                  "dialog \"D\", control \"a\": another control of this dialog has the "
                  "same name",
              }));
}

TEST(DesignCheck, SameDialogNameFurtherApartIsReportedToo)
{
    const Lines lines
        = designProblems({dialog("D", {}), dialog("E", {}), dialog("D", {control("a")})});
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("an earlier dialog has the same name"), std::string::npos);
}

TEST(DesignCheck, FractionsOutsideZeroToOne)
{
    ControlRecord r = control("ok");
    r.Width = 1.5f;
    r.X = -0.25f;
    r.ForeColor = Rgba {std::string("0,5"), std::string("2"), 0.0, std::string("abc")};
    const Lines lines = problemsOf({r});
    EXPECT_EQ(lines,
              (Lines {
                  "dialog \"DIALOG1\", control \"ok\": X -0.25 is outside 0 to 1",
                  "dialog \"DIALOG1\", control \"ok\": Width 1.5 is outside 0 to 1",
                  "dialog \"DIALOG1\", control \"ok\": ForeColor green 2 is outside 0 to 1",
                  "dialog \"DIALOG1\", control \"ok\": ForeColor alpha \"abc\" is not a "
                  "number",
              }));
    // A control reaching past the edge is allowed: only each value counts.
    ControlRecord edge = control("edge");
    edge.X = 0.9f;
    edge.Width = 0.5f;
    EXPECT_TRUE(problemsOf({edge}).empty());

    LoadedDialog gridded = dialog("D", {});
    gridded.gridSize = 2;
    EXPECT_EQ(designProblems({gridded}), Lines {"dialog \"D\": the grid step 2 is outside 0 to 1"});
}

TEST(DesignCheck, CharactersOutsideTheCodePage)
{
    ControlRecord r = control("ok");
    r.Text = "caf\xC3\xA9"; // é is in the code page
    EXPECT_TRUE(problemsOf({r}).empty());
    r.Text = "\xE2\x82\xAC 5"; // so is the euro sign
    EXPECT_TRUE(problemsOf({r}).empty());
    r.Text = "\xD0\x96"; // a Cyrillic letter is not
    EXPECT_EQ(problemsOf({r}),
              Lines {"dialog \"DIALOG1\", control \"ok\": Text holds characters "
                     "outside the Windows-1252 code page"});
}

TEST(DesignCheck, LineBreaksInNamesAreSpelledOut)
{
    const Lines lines = problemsOf({control("a\r\nb")});
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "dialog \"DIALOG1\", control \"a\\r\\nb\": the name is not an identifier");
}

TEST(DesignCheck, EmptyComponentsMatterOnlyInColoursTheCodeWrites)
{
    const Rgba empty {std::string(), std::string(), std::string(), std::string()};
    ControlRecord link = control("lnkMore", ControlKind::Link);
    link.BackColor = empty; // the editor stores a link's unused background this way
    EXPECT_TRUE(problemsOf({link}).empty());

    ControlRecord text = control("txtTitle", ControlKind::Text);
    text.BackColor = empty; // a static text's background is written into the code
    EXPECT_EQ(problemsOf({text}).size(), 4u);
}
