// The newer game's kinds and the generic control in the generated code: each kind's code against
// its golden file, the bases a design uses written once each, and the fields each class writes
// agreeing with the table the import and the editor read.
#include "codegen/control_class.h"
#include "codegen/dialog_class.h"
#include "codegen/generate_code.h"
#include "codegen/kind_bases.h"
#include "model/creation_defaults.h"
#include "model/dialog_set.h"
#include "model/generated_class.h"
#include "model/ignoring_case.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

using namespace kovrin;

namespace {

OtherProperties othersOf(std::vector<OtherProperty> list)
{
    return OtherProperties(std::move(list));
}

constexpr SurfaceSize kSurface {12000, 9000};

std::vector<ControlKind> newerKindsAndGeneric()
{
    std::vector<ControlKind> kinds(kNewerKinds.begin(), kNewerKinds.end());
    kinds.push_back(ControlKind::Generic);
    return kinds;
}

// A control of the kind as the editor or the import leaves it, with the kind's own values among
// its other properties.
ControlRecord sampleOf(ControlKind kind)
{
    ControlRecord r = defaultRecord(kind);
    r.Name = "c" + std::string(kindWord(kind));
    r.Tag = "1";
    r.X = 0.1f;
    r.Y = 0.2f;
    switch (kind) {
    case ControlKind::Map:
        r.Others = othersOf({{"type", "100"}, {"scaleDefault", "0.5"}});
        break;
    case ControlKind::ColumnList:
        r.Others = othersOf({{"columns[]", "{0, 0.4}"}});
        break;
    case ControlKind::CheckBoxRow:
    case ControlKind::ToolboxRow:
        r.Others = othersOf({{"columns", "2"}, {"strings[]", "{\"A\", \"B\"}"}});
        break;
    case ControlKind::CheckBox:
        r.Others = othersOf({{"checked", "1"}});
        break;
    case ControlKind::Generic:
        r.Name = "Compass";
        r.Base = "RscObject";
        r.IDC = 12;
        r.Others = othersOf({{"type", "82"},
                             {"style", "0"},
                             {"model", "\"\\a3\\compass.p3d\""},
                             {"class Areas", "{class Default {}; }"}});
        break;
    default:
        break;
    }
    return r;
}

DialogSet setWith(std::vector<ControlRecord> records)
{
    DialogSet set;
    set.insertDialog();
    EXPECT_TRUE(set.adoptControls(0, std::move(records), kSurface));
    return set;
}

std::string fileText(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Every line of the text that sets the name, ignoring case as the game does.
bool setsName(const std::string &text, std::string_view name)
{
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        std::string_view line(text.data() + start,
                              (end == std::string::npos ? text.size() : end) - start);
        line.remove_prefix(std::min(line.find_first_not_of(' '), line.size()));
        const std::string_view key = line.substr(0, line.find_first_of(" [="));
        if (equalIgnoringCase(key, name))
            return true;
        start = end == std::string::npos ? text.size() : end + 2;
    }
    return false;
}

} // namespace

// The code after the preamble of a dialog holding one control of the kind: the kind's base, the
// dialog's lists and the control's class. A mismatch leaves the code beside the build.
TEST(KindClasses, EachKindsCodeIsItsGoldenFile)
{
    for (ControlKind kind : newerKindsAndGeneric()) {
        const std::string word(kindWord(kind));
        SCOPED_TRACE(word);
        const std::string code = generateCode(setWith({sampleOf(kind)}));
        const std::string preamble = preambleText();
        ASSERT_TRUE(code.starts_with(preamble));
        const std::string actual = code.substr(preamble.size());
        const std::string golden = KOVRIN_TEST_DATA "/codegen/kinds/" + word + ".txt";
        const std::string expected = fileText(golden);
        EXPECT_EQ(actual, expected) << golden;
        if (actual != expected)
            std::ofstream(word + ".actual.txt", std::ios::binary) << actual;
    }
}

// Each block defines its type under the game's name with the kind's number, and its class bears
// the name the kind's controls derive from.
TEST(KindClasses, EachBaseHoldsItsKindsTypeAndName)
{
    for (ControlKind kind : kNewerKinds) {
        SCOPED_TRACE(kindWord(kind));
        const std::string text = kindBaseText(kind);
        ASSERT_TRUE(text.starts_with("#define CT_"));
        const std::size_t blank = text.find(' ', 8);
        const std::string name = text.substr(8, blank - 8);
        const std::string number = text.substr(blank + 1, text.find("\r\n") - blank - 1);
        EXPECT_EQ(number, std::to_string(*gameType(kind)));
        const std::string head = "\r\nclass " + std::string(generatedBase(kind)) + "\r\n{\r\n";
        EXPECT_NE(text.find(head + "        type = " + name + ";\r\n"), std::string::npos)
            << text.substr(0, 200);
        EXPECT_TRUE(text.ends_with("\r\n};\r\n\r\n"));
    }
    for (ControlKind kind : kDefinitionKinds)
        EXPECT_EQ(kindBaseText(kind), "");
    EXPECT_EQ(kindBaseText(ControlKind::Group), "");
    EXPECT_EQ(kindBaseText(ControlKind::Generic), "");
}

// Bases come after the group base in the kind table's order, each once however many controls
// and dialogs use it; a control deriving from a class of the game needs none.
TEST(KindClasses, BasesAreWrittenOnceEachAndOnlyWhenUsed)
{
    ControlRecord map = sampleOf(ControlKind::Map);
    ControlRecord tree = sampleOf(ControlKind::Tree);
    tree.Tag = "2";
    ControlRecord group = defaultRecord(ControlKind::Group);
    group.Name = "g";
    group.Tag = "3";
    ControlRecord tree2 = tree;
    tree2.Name = "t2";
    tree2.Tag = "4";
    tree2.Group = "3";
    ControlRecord gameMap = map;
    gameMap.Name = "m2";
    gameMap.Tag = "5";
    gameMap.Base = "RscMapControl";
    ControlRecord gameList = sampleOf(ControlKind::ColumnList);
    gameList.Tag = "6";
    gameList.Base = "RscListNBox";
    DialogSet set = setWith({tree, map, group, tree2, gameMap, gameList});
    ASSERT_TRUE(set.insertDialog());
    ASSERT_TRUE(set.adoptControls(1, {tree}, kSurface));

    const std::string code = generateCode(set);
    const std::string afterPreamble = code.substr(preambleText().size());
    EXPECT_TRUE(afterPreamble.starts_with("import RscMapControl;\r\nimport RscListNBox;\r\n\r\n"
                                          "#define CT_CONTROLS_GROUP 15\r\n"))
        << afterPreamble.substr(0, 200);
    const std::size_t groupBase = code.find("\r\nclass KovrinControlsGroup\r\n");
    const std::size_t mapBase = code.find("\r\nclass KovrinMap\r\n");
    const std::size_t treeBase = code.find("\r\nclass KovrinTree\r\n");
    const std::size_t firstDialog = code.find("\r\nclass DIALOG1\r\n");
    EXPECT_LT(groupBase, mapBase);
    EXPECT_LT(mapBase, treeBase);
    EXPECT_LT(treeBase, firstDialog);
    for (const char *once : {"class KovrinMap\r\n", "class KovrinTree\r\n", "#define CT_TREE "})
        EXPECT_EQ(code.find(once), code.rfind(once)) << once;
    EXPECT_EQ(code.find("KovrinColumnList"), std::string::npos);
    EXPECT_NE(code.find(" class m2 : RscMapControl\r\n"), std::string::npos);

    // A control naming Kovrin's own base, as code made here and read back does, needs no import
    // and still gets the base.
    ControlRecord named = sampleOf(ControlKind::Progress);
    named.Base = "kovrinProgress";
    const std::string namedCode = generateCode(setWith({named}));
    EXPECT_EQ(namedCode.find("import "), std::string::npos);
    EXPECT_NE(namedCode.find("\r\nclass KovrinProgress\r\n"), std::string::npos);
    EXPECT_NE(namedCode.find(" class cPROGRESS : kovrinProgress\r\n"), std::string::npos);
    for (const char *own : {"RscText", "KovrinControlsGroup", "KOVRINTREE", "KovrinToolbox"})
        EXPECT_TRUE(isGeneratedBaseName(own)) << own;
    for (const char *game : {"", "RscMapControl", "KovrinGeneric", "KovrinTreeView"})
        EXPECT_FALSE(isGeneratedBaseName(game)) << game;

    // Without the newer kinds nothing is added: the code is the preamble and the dialogs.
    DialogSet older;
    ASSERT_TRUE(older.insertDialog());
    std::vector<ControlRecord> records;
    for (ControlKind kind : kDefinitionKinds) {
        records.push_back(sampleOf(kind));
        records.back().Tag = std::to_string(records.size());
    }
    ASSERT_TRUE(older.adoptControls(0, records, kSurface));
    EXPECT_EQ(generateCode(older), preambleText() + dialogClassesText(older));
}

// A generic control stands in its dialog's controls[] and inside a group like any control, with
// its class's own lines after its place and IDC.
TEST(KindClasses, AGenericControlIsListedAndNestedLikeAnyOther)
{
    ControlRecord generic = sampleOf(ControlKind::Generic);
    ControlRecord bare = generic;
    bare.Name = "Bare";
    bare.Tag = "2";
    bare.Base.clear();
    bare.Others = {};
    ControlRecord group = defaultRecord(ControlKind::Group);
    group.Name = "g";
    group.Tag = "3";
    generic.Group = "3";
    const std::string code = dialogClassText(setWith({generic, bare, group}).dialog(0), 1);
    EXPECT_NE(code.find("  controls[] = {Bare, g};\r\n"), std::string::npos) << code;
    EXPECT_NE(code.find(" class Bare\r\n {\r\n  x = 0.1\r\n  y = 0.2\r\n  idc = 12\r\n  w = 0.2\r\n"
                        "  h = 0.1\r\n  };\r\n"),
              std::string::npos)
        << code;
    EXPECT_NE(code.find("   class Compass : RscObject\r\n   {\r\n    x = 0.1\r\n"),
              std::string::npos)
        << code;
    EXPECT_NE(code.find("    h = 0.1\r\n    type = 82;\r\n    style = 0;\r\n"), std::string::npos)
        << code;
}

// What each class writes is what writesField says, so the import reads exactly those values into
// the record and keeps the rest as code.
TEST(KindClasses, TheClassWritesTheFieldsTheTableNames)
{
    for (ControlKind kind : newerKindsAndGeneric()) {
        SCOPED_TRACE(kindWord(kind));
        ControlRecord r = defaultRecord(kind);
        r.Name = "c";
        const std::string text = controlClassText(r);
        const ClassShape shape {kind, r.Style};
        for (std::size_t i = 0; i <= static_cast<std::size_t>(CodeField::Size); ++i) {
            const auto field = static_cast<CodeField>(i);
            const std::string_view name = codeFieldName(field);
            if (field == CodeField::Type) // through the kind's base
                EXPECT_EQ(setsName(kindBaseText(kind), name), writesField(shape, field));
            else
                EXPECT_EQ(setsName(text, name), writesField(shape, field)) << name;
        }
    }
}
