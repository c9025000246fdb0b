// The newer game's kinds come in by their type number, by the game's constant left undefined and
// on the game's own class; a class of any other type comes in as a generic control that keeps
// what it sets as it came.
#include "classdef/dialog_import.h"
#include "model/colour_value.h"
#include "model/control_kind.h"
#include "model/generated_class.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kovrin;

namespace {

DialogImport importText(const std::string &text)
{
    return importDialogs("m/d.hpp", memorySourceLoader({{"m/d.hpp", text}}), '.');
}

std::string problemsOf(const DialogImport &imported)
{
    std::string out;
    for (const std::string &line : imported.problemLines())
        out += line + "\n";
    return out;
}

// "name = value" of each kept entry, in order, joined by "; ".
std::string othersOf(const ControlRecord &record)
{
    std::string out;
    for (const OtherProperty &entry : record.Others.list())
        out += (out.empty() ? "" : "; ") + otherPropertyLine(entry);
    return out;
}

struct KindRow
{
    ControlKind kind;
    std::string constant; // the game's name of its type
    std::string gameClass; // a class of the game's of that type
};

const KindRow kKindRows[] = {
    {ControlKind::StructuredText, "CT_STRUCTURED_TEXT", "RscStructuredText"},
    {ControlKind::ShortcutButton, "CT_SHORTCUTBUTTON", "RscButtonMenu"},
    {ControlKind::Map, "CT_MAP_MAIN", "RscMapControl"},
    {ControlKind::ColumnList, "CT_LISTNBOX", "RscListNBox"},
    {ControlKind::Progress, "CT_PROGRESS", "RscProgress"},
    {ControlKind::CheckBox, "CT_CHECKBOX", "RscCheckBox"},
    {ControlKind::CheckBoxRow, "CT_CHECKBOXES", "RscTextCheckBox"},
    {ControlKind::ExtSlider, "CT_XSLIDER", "RscXSliderH"},
    {ControlKind::Tree, "CT_TREE", "RscTree"},
    {ControlKind::ToolboxRow, "CT_TOOLBOX", "RscToolbox"},
};

} // namespace

TEST(NewerKindsImport, EachKindComesInByNumberByConstantAndOnTheGamesClass)
{
    ASSERT_EQ(std::size(kKindRows), kNewerKinds.size());
    for (const KindRow &row : kKindRows) {
        const std::string word(kindWord(row.kind));
        const std::string text = "class " + row.gameClass
            + ";\nclass D { controls[] = {ByNumber, ByName, OnGame};\n"
              "class ByNumber { type = "
            + std::to_string(*gameType(row.kind)) + "; idc = 3; x = 0.25; w = 0.5; };\n"
            + "class ByName { type = " + row.constant + "; };\n" + "class OnGame: " + row.gameClass
            + " { onLoad = \"f\"; };\n};\n";
        const DialogImport imported = importText(text);
        ASSERT_EQ(imported.dialogs.size(), 1u) << word;
        const std::vector<ControlRecord> &controls = imported.dialogs[0].controls;
        ASSERT_EQ(controls.size(), 3u) << word;
        for (const ControlRecord &control : controls)
            EXPECT_EQ(control.CtrlType, word) << control.Name;
        EXPECT_EQ(controls[0].IDC, 3) << word;
        EXPECT_FLOAT_EQ(controls[0].X, 0.25f) << word;
        EXPECT_FLOAT_EQ(controls[0].Width, 0.5f) << word;
        // The type is the kind's base's, so it is not kept; only the game's base is.
        EXPECT_EQ(othersOf(controls[0]), "") << word;
        EXPECT_EQ(othersOf(controls[1]), "") << word;
        EXPECT_EQ(controls[1].Base, "") << word;
        EXPECT_EQ(controls[2].Base, row.gameClass) << word;
        EXPECT_EQ(othersOf(controls[2]), "onLoad = \"f\"") << word;
        // Nothing is left out or replaced: the game's class is the only report.
        EXPECT_EQ(imported.problemLines().size(), 1u) << problemsOf(imported);
    }
}

// Each kind reads the fields its class writes and keeps its own values, and everything its class
// does not write, as code.
TEST(NewerKindsImport, FieldsAreReadAsTheKindsClassWritesThem)
{
    const DialogImport imported = importText(R"code(class D {
  controls[] = {Rich, Old, Bar, Row};
  class Rich { type = 13; size = 0.05; text = "<t>a</t>"; sizeEx = 0.03;
               class Attributes { align = "center"; }; };
  class Old { type = 100; colorText[] = {1, 0, 0, 1}; scaleMin = 0.01; };
  class Bar { type = 8; texture = "#(argb,8,8,3)color(1,1,1,1)"; colorBar[] = {0, 1, 0, 1};
              font = "PuristaLight"; };
  class Row { type = CT_CHECKBOXES; strings[] = {"a", "b"}; rows = 1; columns = 2;
              colorText[] = {1, 1, 1, 1}; };
};)code");
    ASSERT_EQ(imported.dialogs.size(), 1u);
    const std::vector<ControlRecord> &controls = imported.dialogs[0].controls;
    ASSERT_EQ(controls.size(), 4u);
    // Structured text: size is its font size; sizeEx is none of its fields.
    EXPECT_FLOAT_EQ(controls[0].FontSize, 0.05f);
    EXPECT_EQ(controls[0].Text.str(), "<t>a</t>");
    EXPECT_EQ(othersOf(controls[0]), "sizeEx = 0.03; class Attributes {align = \"center\";}");
    // A map of CT_MAP keeps its type, which its base does not give.
    EXPECT_EQ(controls[1].CtrlType, "MAP");
    ASSERT_TRUE(controls[1].ForeColor.has_value());
    EXPECT_EQ(componentValue((*controls[1].ForeColor)[0]), 1.0);
    EXPECT_EQ(othersOf(controls[1]), "type = 100; scaleMin = 0.01");
    // A progress bar writes none of the colours or font.
    EXPECT_EQ(othersOf(controls[2]),
              "texture = \"#(argb,8,8,3)color(1,1,1,1)\"; colorBar[] = {0, 1, 0, 1}; "
              "font = \"PuristaLight\"");
    EXPECT_EQ(othersOf(controls[3]), "strings[] = {\"a\", \"b\"}; rows = 1; columns = 2");
    EXPECT_TRUE(imported.problemLines().empty()) << problemsOf(imported);
}

// Code Kovrin generated comes back: what the kind's own base sets stays the base's.
TEST(NewerKindsImport, TheKindsOwnBaseStandsForWhatItSets)
{
    for (ControlKind kind : kNewerKinds) {
        const std::string base(generatedBase(kind));
        const DialogImport imported
            = importText("class " + base + " { type = " + std::to_string(*gameType(kind))
                         + "; colorBackground[] = {0, 0, 0, 1}; shadow = 0; };\n"
                           "class D { controls[] = {C}; class C: "
                         + base + " { idc = 2; }; };");
        ASSERT_EQ(imported.dialogs.size(), 1u) << base;
        ASSERT_EQ(imported.dialogs[0].controls.size(), 1u) << base;
        const ControlRecord &control = imported.dialogs[0].controls[0];
        EXPECT_EQ(control.CtrlType, kindWord(kind));
        EXPECT_EQ(control.Base, "");
        EXPECT_EQ(othersOf(control), "") << base;
        EXPECT_TRUE(imported.whole()) << problemsOf(imported);
    }
}

// A type that makes no kind, or no type at all, makes a generic control: its name, the game's
// class it derives from, IDC and place read; the rest kept as written, in the order written.
TEST(NewerKindsImport, AnyOtherTypeComesInAsAGenericControl)
{
    struct Row
    {
        std::string control; // the class's body
        std::string base; // its base, declared as the game's when not empty
        std::string others; // what it keeps
    };
    const Row rows[] = {
        {"type = 9; style = 0; idc = 4; filename = \"a.html\";", "",
         "type = 9; style = 0; filename = \"a.html\""},
        {"style = ST_LEFT; type = CT_STATIC + 1; idc = 4;", "",
         "style = ST_LEFT; type = CT_STATIC + 1"},
        // Arithmetic stays generic once the constant is known, as in generated code.
        {"type = 0 + 1; idc = 4;", "", "type = 0 + 1"},
        {"idc = 4; text = \"no type\";", "", "text = \"no type\""},
        {"type = CT_XLISTBOX; idc = 4;", "", "type = CT_XLISTBOX"},
        {"idc = 4; colorText[] = {1, 1, 1, 1};", "RscXListBox", "colorText[] = {1, 1, 1, 1}"},
        // The preamble's class of the game's name stands in for it, as no kind's base does.
        {"type = 99; idc = 4;", "RscText", "type = 99"},
    };
    for (const Row &row : rows) {
        const std::string head = row.base.empty() ? "" : "class " + row.base + ";\n";
        const std::string base = row.base.empty() ? "" : ": " + row.base;
        const DialogImport imported = importText(head + "class D { controls[] = {G}; class G" + base
                                                 + " { x = 0.1; " + row.control + " }; };");
        ASSERT_EQ(imported.dialogs.size(), 1u) << row.control;
        ASSERT_EQ(imported.dialogs[0].controls.size(), 1u) << row.control;
        const ControlRecord &generic = imported.dialogs[0].controls[0];
        EXPECT_EQ(generic.CtrlType, "GENERIC") << row.control;
        EXPECT_EQ(generic.Name, "G");
        EXPECT_EQ(generic.Base, row.base);
        EXPECT_EQ(generic.IDC, 4) << row.control;
        EXPECT_FLOAT_EQ(generic.X, 0.1f) << row.control;
        EXPECT_EQ(othersOf(generic), row.others);
        EXPECT_EQ(imported.problemLines().size(), row.base.empty() ? 0u : 1u)
            << problemsOf(imported);
    }
    // The preamble's class in the file, as generated code holds it, stands in the same way; the
    // mission's classes between are kept.
    const DialogImport generated = importText(
        "class RscText { type = 0; shadow = 1; };\nclass Mine: RscText { font = \"f\"; };\n"
        "class D { controls[] = {G}; class G: Mine { type = 99; }; };");
    ASSERT_EQ(generated.dialogs.at(0).controls.size(), 1u);
    EXPECT_EQ(generated.dialogs[0].controls[0].Base, "RscText");
    EXPECT_EQ(othersOf(generated.dialogs[0].controls[0]), "type = 99; font = \"f\"");
}
