#include "persist/design_reader.h"

#include "persist_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

using namespace kovrin;
using namespace kovrin::testing;

namespace {

using Lines = std::vector<std::string>;

Lines header(const std::string &dialog, const std::string &grid)
{
    return {"\"" + dialog + "\"", "\"KOVRIN_INFO_GRIDSIZE\"", grid, "\"###\""};
}

Lines control(const std::string &dialog, const std::string &name, const std::string &type = "TEXT")
{
    Lines lines {"\"" + dialog + "\""};
    for (auto &item : controlItems(name, type))
        lines.push_back(item);
    lines.push_back("\"###\"");
    return lines;
}

Lines current(std::initializer_list<Lines> parts)
{
    Lines all {"\"0.61\""};
    for (const auto &part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

LoadedDesign parse(const Lines &lines, char separator = '.')
{
    return parseDesign(fileOf(lines), separator);
}

std::vector<std::string> controlNames(const LoadedDialog &dialog)
{
    std::vector<std::string> names;
    for (const auto &r : dialog.controls)
        names.push_back(r.Name);
    return names;
}

} // namespace

TEST(DesignReader, ReadsDialogsGridStepsAndEveryFieldInEveryWrittenForm)
{
    Lines c = control("Men\xFC", "caf\xE9"); // bytes are Windows-1252
    const std::pair<std::size_t, const char *> items[]
        = {{2, "2.5"}, // IDC: halves to even
           {3, ".05"}, // Width: no leading zero
           {4, "5E-02"}, // Height: an exponent
           {15, "\"0.5\""}, // FontSize: a text item in a number field reads by the same rule
           {29, "\"hint(&quotx&quot)\""}, // Action
           {30, "3.5"}, // Enter
           {31, "+1e-05"}, // RowHeight
           {32, "0.3"}, // WholeHeight
           {34, "  0.125"}, // X: blanks before an item are skipped
           {35, "0.1  "}, // Y
           {36, "1.5"}}; // LineSpacing
    for (const auto &[slot, text] : items)
        c[slot] = text;
    const auto design = parse(current({header("Men\xFC", "0.05"), c, header("D2", "0")}));
    EXPECT_FALSE(design.olderFormat);
    EXPECT_TRUE(design.problems.empty());
    ASSERT_EQ(design.dialogs.size(), 2u);
    EXPECT_EQ(design.dialogs[0].name, "Men\xC3\xBC");
    EXPECT_EQ(design.dialogs[0].gridSize, 0.05f);
    EXPECT_TRUE(design.dialogs[1].controls.empty());

    ControlRecord expected;
    expected.Name = "caf\xC3\xA9";
    expected.IDC = 2;
    expected.Width = 0.05f;
    expected.Height = 0.05f;
    expected.Style = "ST_LEFT";
    expected.ForeColor
        = Rgba {std::string("1"), std::string("1"), std::string("1"), std::string("1")};
    expected.BackColor
        = Rgba {std::string("0"), std::string("0"), std::string("0"), std::string("0")};
    expected.ActiveColor = expected.SelectionColor = expected.SelectionBGColor = expected.BackColor;
    expected.Font = "tahomaB36";
    expected.FontSize = 0.5f;
    expected.Text = "hello";
    expected.Action = "hint(\"x\")";
    expected.Enter = 4;
    expected.RowHeight = 0.00001f;
    expected.WholeHeight = 0.3f;
    expected.CtrlType = "TEXT";
    expected.X = 0.125f;
    expected.Y = 0.1f;
    expected.LineSpacing = 1.5f;
    EXPECT_EQ(design.dialogs[0].controls.at(0), expected);
}

TEST(DesignReader, ColourComponentsBecomeTextsWithTheUsersSeparator)
{
    Lines c = control("D1", "lbl");
    c[6] = "0.5";
    c[7] = "\"0,25\"";
    c[8] = "\"0.75\"";
    c[9] = "1";
    for (char separator : {',', '.'}) {
        const auto design = parse(current({c}), separator);
        const Rgba &fore = *design.dialogs.at(0).controls.at(0).ForeColor;
        const std::string s(1, separator);
        EXPECT_EQ(fore[0], ColourComponent("0" + s + "5"));
        EXPECT_EQ(fore[1], ColourComponent("0" + s + "25"));
        EXPECT_EQ(fore[2], ColourComponent("0" + s + "75"));
        EXPECT_EQ(fore[3], ColourComponent("1"));
        // A colour stored as four zeros is a colour, held as texts too.
        EXPECT_EQ((*design.dialogs[0].controls[0].ActiveColor)[0], ColourComponent("0"));
    }
}

TEST(DesignReader, BareColourNumbersBecomeTheirNumberTextQuotedOnesKeepTheirCharacters)
{
    struct Case
    {
        const char *stored;
        const char *held; // with "." standing for the user's separator
    };
    const Case cases[] = {
        {".5", "0.5"},
        {"0.5", "0.5"},
        {"1E-05", "0.00001"},
        {"5e-1", "0.5"},
        {"0.6143733315408523", "0.614373331540852"},
        {"-0.25", "-0.25"},
        {"+.75", "0.75"},
        {"1", "1"},
        {"\".5\"", ".5"},
        {"\"1E-05\"", "1E-05"},
        {"\"0.6143733315408523\"", "0.6143733315408523"},
    };
    for (char separator : {'.', ','}) {
        for (const Case &c : cases) {
            Lines lines = control("D1", "lbl");
            lines[6] = c.stored;
            const auto design = parse(current({lines}), separator);
            std::string held = c.held;
            std::replace(held.begin(), held.end(), '.', separator);
            EXPECT_EQ((*design.dialogs.at(0).controls.at(0).ForeColor)[0], ColourComponent(held))
                << c.stored << " under '" << separator << "'";
            EXPECT_TRUE(design.problems.empty()) << c.stored;
        }
    }
}

TEST(DesignReader, GridStepTakesEitherSeparatorAndATinyOneIsKeptButReported)
{
    // A bare comma ends an item, so a comma step stands between quotes.
    const auto design = parse(current({header("A", "\"0,05\""), header("B", "\"0.1\""),
                                       header("C", "0.00001"), header("D", "0.0001")}),
                              ',');
    const float steps[] = {0.05f, 0.1f, 0.00001f, 0.0001f};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(design.dialogs.at(i).gridSize, steps[i]);
    EXPECT_EQ(design.problems,
              (std::vector<std::string> {"dialog \"C\", grid step: \"0.00001\" is smaller than "
                                         "0.0001 and acts as no grid."}));
}

TEST(DesignReader, ShortRecordTakesMissingFieldsFromTheRecordBefore)
{
    Lines first = control("D1", "first", "LIST");
    first[3] = "0.3";
    const Lines shortRecord {"\"D1\"", "\"second\"", "7", "\"###\""};
    const auto design = parse(current({first, shortRecord}));
    ASSERT_EQ(design.dialogs.at(0).controls.size(), 2u);
    const ControlRecord &second = design.dialogs[0].controls[1];
    EXPECT_EQ(second.Name, "second");
    EXPECT_EQ(second.IDC, 7);
    EXPECT_EQ(second.Width, 0.3f);
    EXPECT_EQ(second.CtrlType, "LIST");
    EXPECT_EQ(second.Text, "hello");
}

TEST(DesignReader, ItemsBeyondTheLastFieldAreDropped)
{
    Lines c = control("D1", "lbl");
    c.insert(c.end() - 1, {"\"extra\"", "42"});
    const auto design = parse(current({c, control("D1", "next")}));
    EXPECT_EQ(controlNames(design.dialogs.at(0)), (std::vector<std::string> {"lbl", "next"}));
    EXPECT_EQ(design.dialogs[0].controls[0].LineSpacing, 0.0f);
}

TEST(DesignReader, AdjacentDialogsOfOneNameMergeAndOthersStayApart)
{
    const auto design = parse(
        current({header("A", "0.05"), control("A", "a1"), header("A", "0.1"), control("A", "a2"),
                 header("B", "0"), header("A", "0.2"), control("A", "a3")}));
    ASSERT_EQ(design.dialogs.size(), 3u);
    EXPECT_EQ(controlNames(design.dialogs[0]), (std::vector<std::string> {"a1", "a2"}));
    EXPECT_EQ(design.dialogs[0].gridSize, 0.1f); // the second header's step
    EXPECT_EQ(design.dialogs[1].name, "B");
    EXPECT_EQ(controlNames(design.dialogs[2]), (std::vector<std::string> {"a3"}));
}

TEST(DesignReader, RecordNamingADialogWithoutHeaderOpensThatDialog)
{
    const auto design = parse(current({header("A", "0.05"), control("Z", "z1")}));
    ASSERT_EQ(design.dialogs.size(), 2u);
    EXPECT_EQ(design.dialogs[1].name, "Z");
    EXPECT_EQ(design.dialogs[1].gridSize, 0.0f);
    EXPECT_EQ(controlNames(design.dialogs[1]), (std::vector<std::string> {"z1"}));

    // The empty name matches the empty current name, but there is no dialog yet to hold it.
    const auto unnamed = parse(current({control("", "loose"), control("", "next")}));
    ASSERT_EQ(unnamed.dialogs.size(), 1u);
    EXPECT_EQ(unnamed.dialogs[0].name, "");
    EXPECT_EQ(controlNames(unnamed.dialogs[0]), (std::vector<std::string> {"loose", "next"}));
}

TEST(DesignReader, UnknownKindIsKeptAsItStands)
{
    const auto design = parse(current({control("A", "w", "WIDGET"), control("A", "t", "text")}));
    ASSERT_EQ(design.dialogs.at(0).controls.size(), 2u);
    EXPECT_EQ(design.dialogs[0].controls[0].CtrlType, "WIDGET");
    EXPECT_EQ(design.dialogs[0].controls[1].CtrlType, "text");
}

TEST(DesignReader, DoubledQuotesOfAnActionCollapseOnlyInTheOlderFormat)
{
    Lines c = control("A", "b");
    c[29] = "\"x = &quot&quot\"";
    // In the current format every quote is an entity: "" is an empty script string.
    EXPECT_EQ(parse(current({c})).dialogs.at(0).controls.at(0).Action, "x = \"\"");

    Lines older = controlItems("b", "BUTTON");
    older.insert(older.begin(), "\"A\"");
    older.pop_back(); // no line spacing in the older format
    older[29] = "\"x = &quot&quot\"";
    const auto design = parse(older);
    ASSERT_TRUE(design.olderFormat);
    EXPECT_EQ(design.dialogs.at(0).controls.at(0).Action, "x = \"");
}

TEST(DesignReader, OlderFormatReadsFixedRecordsOfThirtySixItems)
{
    Lines lines;
    for (const char *name : {"first", "second"}) {
        Lines record = controlItems(name, "BUTTON");
        record.insert(record.begin(), "\"OLD\"");
        record.pop_back(); // there is no line spacing
        record.back() = "0.2"; // Y
        lines.insert(lines.end(), record.begin(), record.end());
    }
    lines.push_back(""); // a blank line at the end adds nothing
    const auto design = parse(lines);
    EXPECT_TRUE(design.olderFormat);
    EXPECT_TRUE(design.problems.empty());
    ASSERT_EQ(design.dialogs.size(), 1u);
    EXPECT_EQ(design.dialogs[0].gridSize, 0.0f);
    EXPECT_EQ(controlNames(design.dialogs[0]), (std::vector<std::string> {"first", "second"}));
    EXPECT_EQ(design.dialogs[0].controls[1].Y, 0.2f);
    EXPECT_EQ(design.dialogs[0].controls[1].LineSpacing, 0.0f);
}

TEST(DesignReader, OlderFileWhoseFirstNameHoldsAPointIsTakenForTheCurrentFormat)
{
    Lines record = controlItems("b", "BUTTON");
    record.insert(record.begin(), "\"Main.menu\"");
    record.pop_back();
    const auto design = parse(record);
    EXPECT_FALSE(design.olderFormat);
    // The name was taken for the version line; what is left is read as current records.
    for (const auto &dialog : design.dialogs)
        EXPECT_NE(dialog.name, "Main.menu");
}

TEST(DesignReader, OlderFileCutShortKeepsItsLastRecordAndSaysSo)
{
    Lines record = controlItems("b", "BUTTON");
    record.insert(record.begin(), "\"OLD\"");
    record.pop_back();
    record.resize(10);
    const auto design = parse(record);
    ASSERT_EQ(design.dialogs.at(0).controls.size(), 1u);
    const std::string expected
        = "dialog \"OLD\", control 1 (\"b\"), record: the file ends after 10 "
          "of 36 items; the other fields keep the values of the record "
          "before.";
    EXPECT_NE(std::find(design.problems.begin(), design.problems.end(), expected),
              design.problems.end());
}

TEST(DesignReader, ItemSyntax)
{
    // Two items on one line, junk after a closing quote, blanks before an item.
    const std::string file = "\"0.61\"\r\n"
                             "  \"A\" junk, \"KOVRIN_INFO_GRIDSIZE\"\r\n"
                             "   0.05\r\n"
                             "\"###\"\r\n";
    const auto design = parseDesign(file, '.');
    ASSERT_EQ(design.dialogs.size(), 1u);
    EXPECT_EQ(design.dialogs[0].name, "A");
    EXPECT_EQ(design.dialogs[0].gridSize, 0.05f);
}

TEST(DesignReader, RecordsThatStoreNothingAndTheItemAfterWhichTheFileEndsAreDropped)
{
    EXPECT_TRUE(parseDesign("", '.').dialogs.empty());
    EXPECT_TRUE(parseDesign("\"0.61\"\r\n", '.').dialogs.empty());
    EXPECT_TRUE(parseDesign("\"0.61\"", '.').dialogs.empty());

    // "###" right after "###", then blank lines at the end of a file edited by hand: one would
    // otherwise be an empty record, several a dialog without a name.
    Lines lines = current({header("A", "0"), control("A", "one")});
    lines.insert(lines.end(), {"\"###\"", "", "", ""});
    const auto design = parse(lines);
    ASSERT_EQ(design.dialogs.size(), 1u);
    EXPECT_EQ(controlNames(design.dialogs[0]), (std::vector<std::string> {"one"}));
    EXPECT_TRUE(design.problems.empty());

    // A header cut before its end mark loses its last item, the grid step.
    lines = current({header("A", "0.05")});
    lines.pop_back();
    EXPECT_EQ(parse(lines).dialogs.at(0).gridSize, 0.0f);
}

TEST(DesignReader, BadValuesReadAsZeroOrAreHeldAndEachIsReported)
{
    Lines c = control("D1", "btn");
    c[2] = "40000"; // IDC
    c[3] = "abc"; // Width
    c[30] = "-1e9"; // Enter
    c[34] = "1e300"; // X, beyond a 32-bit float
    c[10] = "\"red\""; // BackColor red
    c[17] = "\"\""; // ActiveColor red: empty, as the editor stores unused colours
    const auto design = parse(current({c}));
    const ControlRecord &r = design.dialogs.at(0).controls.at(0);
    EXPECT_EQ(r.IDC, 32767);
    EXPECT_EQ(r.Width, 0.0f);
    EXPECT_EQ(r.Enter, -32768);
    EXPECT_EQ(r.X, std::numeric_limits<float>::max());
    EXPECT_EQ((*r.BackColor)[0], ColourComponent("0"));
    EXPECT_EQ((*r.ActiveColor)[0], ColourComponent(""));
    const std::string at = "dialog \"D1\", control 1 (\"btn\"), ";
    EXPECT_EQ(
        design.problems,
        (std::vector<std::string> {at + "IDC: \"40000\" is out of range; it was held at 32767.",
                                   at + "Width: \"abc\" is not a number; it was read as 0.",
                                   at + "BackColor red: \"red\" is not a number; it was read as 0.",
                                   at + "Enter: \"-1e9\" is out of range; it was held at -32768.",
                                   at
                                       + "X: \"1e300\" is out of range; it was held at "
                                         "340282300000000000000000000000000000000."}));
}

TEST(DesignReader, ManyProblemsAreCountedNotListed)
{
    Lines lines {"\"0.61\""};
    for (int i = 0; i < 150; ++i) {
        Lines c = control("A", "c");
        c[3] = "bad";
        lines.insert(lines.end(), c.begin(), c.end());
    }
    const auto problems = parse(lines).problems;
    ASSERT_EQ(problems.size(), 101u);
    EXPECT_EQ(problems.back(), "... and 50 more problems of the same kinds.");
}

TEST(DesignReader, UnreadablePathIsAnErrorNamingTheFile)
{
    const auto result = readDesign(std::string(KOVRIN_TEST_DATA) + "/no-such-file.kvx", '.');
    EXPECT_FALSE(result);
    EXPECT_NE(result.message.find("no-such-file.kvx"), std::string::npos);
    EXPECT_FALSE(readDesign(KOVRIN_TEST_DATA, '.')); // a folder
}
