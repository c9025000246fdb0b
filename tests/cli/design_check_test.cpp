// The problems the check command's own table shows from a file (names that are no identifiers or
// repeat in a dialog, "###" texts, widths outside 0 to 1, unknown kinds, shared IDCs, neighbours
// of one name) are held there; these are the other rules.
#include "cli/design_check.h"
#include "model/creation_defaults.h"
#include "model/dialog_set.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace kovrin;

namespace {

using Lines = std::vector<std::string>;

ControlRecord control(std::string name, ControlKind kind = ControlKind::Button)
{
    ControlRecord r = defaultRecord(kind);
    r.Name = std::move(name);
    r.X = 0.1f;
    r.Y = 0.2f;
    return r;
}

LoadedDialog dialog(std::string name, std::vector<ControlRecord> controls = {})
{
    return LoadedDialog {std::move(name), 0.05f, std::move(controls), {}, {}};
}

} // namespace

TEST(DesignCheck, EachFieldOfAControlIsCheckedOnOneLinePerProblem)
{
    using Edit = void (*)(ControlRecord &);
    const std::pair<Edit, Lines> cases[] = {
        {[](ControlRecord &r) { r.Name = "2btn"; }, {"the name is not an identifier"}},
        {[](ControlRecord &r) {
             r.Style = "ST_LEFT\"", r.Font = "x\"", r.Text = "\"", r.Action = "###";
         },
         {"Style holds a double quote, which ends the text on loading",
          "Font holds a double quote, which ends the text on loading",
          "Text holds a double quote, which ends the text on loading",
          "Action is \"###\", which ends the record on loading"}},
        // Quotes in a script are stored encoded, and doubled ones come back.
        {[](ControlRecord &r) { r.Text = "### ", r.Action = "hint \"a\"\"b\""; }, {}},
        {[](ControlRecord &r) { r.Action = "x = \"&quot\""; },
         {"Action holds \"&quot\", which reads back as a double quote"}},
        {[](ControlRecord &r) {
             r.X = -0.25f,
             r.ForeColor = Rgba {std::string("0,5"), std::string("2"), 0.0, std::string("abc")};
         },
         {"X -0.25 is outside 0 to 1", "ForeColor green 2 is outside 0 to 1",
          "ForeColor alpha \"abc\" is not a number"}},
        // The safe zone reaches past the screen area: only screen fractions are judged.
        {[](ControlRecord &r) {
             r.X = -0.25f, r.Width = 1.5f;
             r.Forms.set(FormField::X, {PositionForm::SafeZone, 0.01f, {}});
             r.Forms.set(FormField::Width, {PositionForm::Expression, 0, "1.5"});
         },
         {}},
        // A control reaching past the edge is allowed: only each value counts; these are in the
        // code page.
        {[](ControlRecord &r) { r.X = 0.9f, r.Width = 0.5f, r.Text = "caf\xC3\xA9 \xE2\x82\xAC"; },
         {}},
        {[](ControlRecord &r) { r.Text = "\xD0\x96"; },
         {"Text holds characters outside the Windows-1252 code page"}},
        // The editor stores a link's unused background this way.
        {[](ControlRecord &r) {
             r = control("lnk", ControlKind::Link);
             r.BackColor = Rgba {std::string(), std::string(), std::string(), std::string()};
         },
         {}},
    };
    for (const auto &[edit, expected] : cases) {
        ControlRecord r = control("ok");
        edit(r);
        Lines lines;
        for (const auto &problem : expected)
            lines.push_back("dialog \"D\", control \"" + r.Name + "\": " + problem);
        EXPECT_EQ(designProblems({dialog("D", {r})}), lines);
    }
    // A static text's background is written into the code: each empty component counts.
    ControlRecord text = control("txt", ControlKind::Text);
    text.BackColor = Rgba {std::string(), std::string(), std::string(), std::string()};
    EXPECT_EQ(designProblems({dialog("D", {text})}).size(), 4u);
    for (const char *name : {"", "caf\xC3\xA9", "a-b"})
        EXPECT_FALSE(isIdentifier(name)) << name;
    EXPECT_TRUE(isIdentifier("_btn2"));
}

// Every kind's control as it is made passes, the generic control with its class's name and type;
// a generic control the game could give no type, and a word that is no kind, are reported.
TEST(DesignCheck, EveryKindIsKnownAndItsDefaultsPass)
{
    std::vector<ControlRecord> controls;
    for (ControlKind kind : kAllKinds)
        controls.push_back(control("c" + std::to_string(controls.size()), kind));
    ControlRecord &generic = controls.back();
    generic.Name = "RscCompass";
    generic.Others = OtherProperties(std::vector<OtherProperty> {{"type", "82"}});
    // A colour the class does not write may stay empty, as the editor leaves it.
    ControlRecord &progress = controls[kindIndex(ControlKind::Progress)];
    progress.ForeColor = Rgba {std::string(), std::string(), std::string(), std::string()};
    EXPECT_EQ(designProblems({dialog("D", controls)}), Lines {});

    generic.Others = {};
    const std::string typeless = "dialog \"D\", control \"RscCompass\": sets no type and "
                                 "derives from no class of the game; the game needs one";
    EXPECT_EQ(designProblems({dialog("D", controls)}), Lines {typeless});
    generic.Base = "RscCompassBase";
    EXPECT_EQ(designProblems({dialog("D", controls)}), Lines {});
    generic.CtrlType = "Generic";
    EXPECT_EQ(designProblems({dialog("D", controls)}),
              Lines {"dialog \"D\", control \"RscCompass\": unknown kind \"Generic\""});
}

TEST(DesignCheck, NamesAndIdcsAcrossControlsAndDialogs)
{
    ControlRecord first = control("btnOK");
    first.IDC = 5;
    ControlRecord second = control("BTNok");
    second.IDC = 5;
    LoadedDialog gridded = dialog("G");
    gridded.gridSize = 2;
    const std::pair<std::vector<LoadedDialog>, Lines> cases[] = {
        {{}, {}},
        // The same name in two dialogs, and IDC -1 twice, are fine.
        {{dialog("D1", {control("a"), control("b")}), dialog("D2", {control("a")})}, {}},
        {{dialog("Menu", {first, second}), dialog("MENU", {first})},
         {"dialog \"Menu\", control \"BTNok\": another control of this dialog is named "
          "\"btnOK\", which differs only by case; the game takes them for one",
          "dialog \"Menu\", control \"BTNok\": has IDC 5 as control \"btnOK\" does; "
          "the game finds controls by their IDC",
          "dialog \"MENU\": an earlier dialog is named \"Menu\", which differs only by "
          "case; the game takes them for one"}},
        {{dialog("D"), dialog("E"), dialog("D", {control("a")})},
         {"dialog \"D\": an earlier dialog has the same name; the game gets two classes of it"}},
        {{dialog("My Dialog")}, {"dialog \"My Dialog\": the dialog name is not an identifier"}},
        {{gridded}, {"dialog \"G\": the grid step 2 is outside 0 to 1"}},
        {{dialog("D", {control("a\r\nb")})},
         {"dialog \"D\", control \"a\\r\\nb\": the name is not an identifier"}},
    };
    for (const auto &[dialogs, expected] : cases)
        EXPECT_EQ(designProblems(dialogs), expected);
    EXPECT_NE(designProblems({dialog("D\"")}).back().find("the dialog name holds a double quote"),
              std::string::npos);
}

TEST(DesignCheck, ASetOnScreenIsCheckedWithEachProblemsPlace)
{
    DialogSet set;
    for (int i = 0; i < 2; ++i)
        ASSERT_TRUE(set.insertDialog());
    const SurfaceSize size {12000, 8000};
    for (double x : {100.0, 900.0, 1700.0})
        ASSERT_TRUE(set.createControl(1, ControlKind::Button, x, 100, size));
    ControlRecord shared = set.dialog(1).cControls[2];
    shared.IDC = 7;
    ControlRecord first = set.dialog(1).cControls[0];
    first.IDC = 7;
    set.writeRecord(1, 0, first);
    set.writeRecord(1, 2, shared);
    set.renameDialog(0, "a b");

    std::vector<std::tuple<std::size_t, std::optional<std::size_t>, std::string>> found;
    locateProblems(setDialogs(set), [&found](DesignProblem problem) {
        found.emplace_back(problem.dialog, problem.control, problem.line);
    });
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0],
              std::make_tuple(std::size_t {0}, std::optional<std::size_t>(),
                              std::string("dialog \"a b\": the dialog name is not an "
                                          "identifier")));
    EXPECT_EQ(std::get<0>(found[1]), 1u);
    EXPECT_EQ(std::get<1>(found[1]), std::optional<std::size_t>(2));
    EXPECT_NE(std::get<2>(found[1]).find("has IDC 7 as control"), std::string::npos);
}
