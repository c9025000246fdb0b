// Reading design files: items, records and dialogs, both formats, and what a damaged file gives.
#include "model/number_text.h"
#include "persist/design_reader.h"
#include "persist/item_reader.h"

#include "persist_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

using namespace kovrin;
using namespace kovrin::testing;

namespace {

LoadedDesign parse(const Lines &lines, char separator = '.')
{
    return parseDesign(fileOf(lines), separator);
}

// Each dialog as its name, grid step and control names: "A 0.05 [t1 b1] B 0 []".
std::string shape(const LoadedDesign &design)
{
    std::string out;
    for (const auto &dialog : design.dialogs) {
        out += (out.empty() ? "" : " ") + dialog.name + " " + singleText(dialog.gridSize, '.')
            + " [";
        for (const auto &r : dialog.controls)
            out += (out.back() == '[' ? "" : " ") + r.Name;
        out += "]";
    }
    return out;
}

} // namespace

TEST(ItemReader, SplitsAtLineEndsAndCommasOutsideQuotesAndKeepsWhatItDrops)
{
    // Items joined by "|": quoted ones in quotes, what followed the closing quote in brackets,
    // "~" when the closing quote never came.
    const auto itemsOf = [](const char *text) {
        std::string out;
        for (ItemReader items(text); !items.atEnd();) {
            const Item item = items.next();
            out += (out.empty() ? "" : "|") + (item.quoted ? "\"" + item.text + "\"" : item.text);
            out += (item.dropped.empty() ? "" : "[" + item.dropped + "]")
                + (item.unclosed ? "~" : "");
        }
        return out;
    };
    // Blanks around bare items go; an empty line is an empty item; a lone CR or LF ends a line
    // and, inside a text, becomes CRLF.
    EXPECT_EQ(itemsOf("  \"a\" , b ,c\t\r\n\r\n-1,1E-05\n\"two\rlines\"\rx"),
              "\"a\"|b|c||-1|1E-05|\"two\r\nlines\"|x");
    EXPECT_EQ(itemsOf("\"\",,\r\n  ,\"\"trailing\r\n"), "\"\"||||\"\"[trailing]");
    EXPECT_EQ(itemsOf("\"Box \"big\" one\"  ,next\r\n\"fine\"  \r\n\"open, to the end\r\nof it"),
              "\"Box \"[big\" one\"]|next|\"fine\"|\"open, to the end\r\nof it\"~");
}

TEST(DesignReader, ReadsDialogsGridStepsAndEveryFieldInEveryWrittenForm)
{
    // Bytes are Windows-1252. IDC halves to even; Width has no leading zero, Height and RowHeight
    // an exponent; FontSize is a text item in a number field.
    const Lines c
        = control("Men\xFC", "caf\xE9", "TEXT",
                  {{2, "2.5"}, {3, ".05"}, {4, "5E-02"}, {15, "\"0.5\""}, {31, "+1e-05"}});
    const auto design = parse(current({header("Men\xFC", "0.05"), c, header("D2", "0")}));
    EXPECT_TRUE(design.problems.empty());
    EXPECT_EQ(shape(design), "Men\xC3\xBC 0.05 [caf\xC3\xA9] D2 0 []");

    // The other fields as a plain record gives them; the round trip holds those.
    ControlRecord expected = parse(current({control("D1", "plain")})).dialogs.at(0).controls.at(0);
    expected.Name = "caf\xC3\xA9";
    expected.IDC = 2;
    expected.Width = expected.Height = 0.05f;
    expected.FontSize = 0.5f;
    expected.RowHeight = 0.00001f;
    EXPECT_EQ(design.dialogs[0].controls.at(0), expected);
}

TEST(DesignReader, ColourNumbersBecomeTheirNumberTextQuotedOnesKeepTheirCharacters)
{
    for (char separator : {'.', ','}) {
        // Each case: the item as stored, a blank, the text held with "." for the separator.
        for (const std::string c :
             {".5 0.5", "1E-05 0.00001", "5e-1 0.5", "-0.25 -0.25", "+.75 0.75", "1 1",
              "0.6143733315408523 0.614373331540852", "\".5\" .5", "\"1E-05\" 1E-05",
              "\"0,25\" 0.25", "\"0.6143733315408523\" 0.6143733315408523"}) {
            const std::string stored = c.substr(0, c.find(' '));
            std::string held = c.substr(c.find(' ') + 1);
            SCOPED_TRACE(stored + " under '" + separator + "'");
            const auto design
                = parse(current({control("D1", "lbl", "TEXT", {{6, stored}})}), separator);
            std::replace(held.begin(), held.end(), '.', separator);
            const ControlRecord &r = design.dialogs.at(0).controls.at(0);
            EXPECT_EQ((*r.ForeColor)[0], ColourComponent(held));
            // A colour stored as four zeros is a colour, held as texts too.
            EXPECT_EQ((*r.ActiveColor)[0], ColourComponent("0"));
            EXPECT_TRUE(design.problems.empty());
        }
    }
}

TEST(DesignReader, RecordsMakeDialogsByTheNameTheyCarry)
{
    // Adjacent dialogs of one name merge, the later step counting; a record naming a dialog opens
    // it; a short record keeps the record before's fields; items past the last field are dropped.
    const Lines shortRecord {"\"A\"", "\"a3\"", "7", "\"###\""};
    Lines extra = control("A", "a2", "WIDGET");
    extra.insert(extra.end() - 1, {"\"extra\"", "42"});
    const auto design = parse(
        current({header("A", "0.05"), control("A", "a1", "LIST", {{3, "0.3"}}), header("A", "0.1"),
                 extra, shortRecord, header("B", "0"), header("A", "0.2"), control("Z", "z1")}));
    EXPECT_EQ(shape(design), "A 0.1 [a1 a2 a3] B 0 [] A 0.2 [] Z 0 [z1]");
    const LoadedDialog &a = design.dialogs[0];
    EXPECT_EQ(a.controls[1].LineSpacing, 0.0f);
    EXPECT_EQ(a.controls[2].IDC, 7);
    EXPECT_EQ(a.controls[2].Width, 0.2f); // from a2, not a1
    EXPECT_EQ(a.controls[2].CtrlType, "WIDGET");

    // The empty name matches the empty current name, but there is no dialog yet to hold it.
    EXPECT_EQ(shape(parse(current({control("", "loose"), control("", "next")}))),
              " 0 [loose next]");
}

TEST(DesignReader, OlderFormatReadsFixedRecordsOfThirtySixItems)
{
    Lines lines = olderControl("OLD", "first");
    Lines second = olderControl("OLD", "second");
    second[29] = "\"x = &quot&quot\""; // doubled quotes collapse here only
    second.back() = "0.2"; // Y
    lines.insert(lines.end(), second.begin(), second.end());
    lines.push_back(""); // a blank line at the end adds nothing
    auto design = parse(lines);
    EXPECT_TRUE(design.olderFormat);
    EXPECT_TRUE(design.problems.empty());
    EXPECT_EQ(shape(design), "OLD 0 [first second]");
    EXPECT_EQ(design.dialogs[0].controls[1].Y, 0.2f);
    EXPECT_EQ(design.dialogs[0].controls[1].LineSpacing, 0.0f);
    EXPECT_EQ(design.dialogs[0].controls[1].Action, "x = \"");
    // In the current format every quote is an entity: "" is an empty script string.
    design = parse(current({control("A", "b", "TEXT", {{29, "\"x = &quot&quot\""}})}));
    EXPECT_EQ(design.dialogs.at(0).controls.at(0).Action, "x = \"\"");

    // A first name holding a point is taken for the version line of the current format.
    design = parse(olderControl("Main.menu", "b"));
    EXPECT_FALSE(design.olderFormat);
    for (const auto &dialog : design.dialogs)
        EXPECT_NE(dialog.name, "Main.menu");
}

TEST(DesignReader, RecordsThatStoreNothingAreDropped)
{
    for (const char *empty : {"", "\"0.61\"\r\n", "\"0.61\""})
        EXPECT_TRUE(parseDesign(empty, '.').dialogs.empty()) << empty;
    // "###" right after "###", then blank lines at the end of a file edited by hand: one would
    // otherwise be an empty record, several a dialog without a name.
    Lines lines = current({header("A", "0"), control("A", "one")});
    lines.insert(lines.end(), {"\"###\"", "", "", ""});
    const auto design = parse(lines);
    EXPECT_EQ(shape(design), "A 0 [one]");
    EXPECT_TRUE(design.problems.empty());
    // A header cut before its end mark loses its last item, the grid step.
    lines = current({header("A", "0.05")});
    lines.pop_back();
    EXPECT_EQ(parse(lines).dialogs.at(0).gridSize, 0.0f);
}

TEST(DesignReader, DamagedRecordsAreReadAsFarAsTheyGoAndEachProblemIsReported)
{
    const auto problems = [](const Lines &lines, char separator = '.') {
        return parse(lines, separator).problems.lines();
    };
    using Texts = std::vector<std::string>;
    const std::string at = "dialog \"D1\", control 1 (\"btn\"), ";
    const Lines bad = current({control(
        "D1", "btn", "TEXT",
        {{2, "40000"}, {3, "abc"}, {30, "-1e9"}, {34, "1e300"}, {10, "\"red\""}, {17, "\"\""}})});
    EXPECT_EQ(problems(bad),
              (Texts {at + "IDC: \"40000\" is out of range; it was held at 32767.",
                      at + "Width: \"abc\" is not a number; it was read as 0.",
                      at + "BackColor red: \"red\" is not a number; it was read as 0.",
                      at + "Enter: \"-1e9\" is out of range; it was held at -32768.",
                      at + "X: \"1e300\" is out of range; it was held at 3402823"
                          + std::string(32, '0') + "."}));
    const ControlRecord r = parse(bad).dialogs.at(0).controls.at(0);
    EXPECT_EQ(r.IDC, 32767);
    EXPECT_EQ(r.Width, 0.0f);
    EXPECT_EQ(r.Enter, -32768);
    EXPECT_EQ(r.X, std::numeric_limits<float>::max());
    EXPECT_EQ((*r.BackColor)[0], ColourComponent("0"));
    EXPECT_EQ((*r.ActiveColor)[0], ColourComponent("")); // empty, as unused colours are stored

    // A bare comma ends an item, so a comma step stands between quotes.
    const Lines steps = current({header("A", "\"0,05\""), header("B", "\"0.1\""),
                                 header("C", "0.00001"), header("D", "0.0001")});
    EXPECT_EQ(problems(steps, ','),
              (Texts {"dialog \"C\", grid step: \"0.00001\" is smaller than 0.0001 and acts as "
                      "no grid."}));
    EXPECT_EQ(shape(parse(steps, ',')), "A 0.05 [] B 0.1 [] C 0.00001 [] D 0.0001 []");

    Lines older = olderControl("D1", "btn");
    older.resize(10);
    EXPECT_EQ(problems(older).back(),
              at
                  + "record: the file ends after 10 of 36 items; the "
                    "other fields keep the values of the record before.");
    EXPECT_EQ(parse(older).dialogs.at(0).controls.size(), 1u);

    // After a whole record, so the field left out keeps a value.
    Lines unclosed = current({control("D1", "a"), control("D1", "btn")});
    unclosed.pop_back();
    unclosed.back() = "\"unclosed";
    unclosed.push_back("to the end");
    EXPECT_EQ(problems(unclosed),
              (Texts {"dialog \"D1\", the record of control \"btn\", LineSpacing has no closing "
                      "double quote; it runs to the end of the file and was not read."}));
}

TEST(DesignReader, FieldsARecordLeavesOutKeepTheTextsOfTheRecordBefore)
{
    // A record's texts are moved into its control; one that stops early must still find them.
    const Lines full = control("D1", "a", "TEXT",
                               {{5, "\"ST\""}, {16, "\"caf\xE9\r\n\x80\""}, {29, "\"go &quot\""}});
    const Lines shortRecord {"\"D1\"", "\"b\"", "\"###\""};
    const Lines nameless {"\"D1\"", "\"###\""};
    const auto design = parse(current({full, shortRecord, shortRecord, nameless}));
    const auto &controls = design.dialogs.at(0).controls;
    ASSERT_EQ(controls.size(), 4u);
    EXPECT_EQ(controls[0].Text, "caf\xC3\xA9\r\n\xE2\x82\xAC");
    EXPECT_EQ(controls[0].Action, "go \"");
    for (std::size_t i = 1; i < controls.size(); ++i) {
        ControlRecord same = controls[i];
        same.Name = "a";
        EXPECT_EQ(same, controls[0]) << i;
    }
    EXPECT_EQ(controls[3].Name, "b");

    // The file ends on the name of a record: the place names the control before.
    EXPECT_EQ(parse(current({full, {"\"D1\"", "\"b"}})).problems.lines(),
              std::vector<std::string> {"dialog \"D1\", the record of control \"a\", Name has no "
                                        "closing double quote; it runs to the end of the file and "
                                        "was not read."});
}

TEST(DesignReader, TheCountLimitStopsTheReadingAtTheFirstRecordPastIt)
{
    const auto many = [](int count, const char *type) {
        Lines lines {"\"0.61\""};
        const Lines c = control("A", "c", type);
        for (int i = 0; i < count; ++i)
            lines.insert(lines.end(), c.begin(), c.end());
        return parse(lines);
    };
    const auto design = many(40000, "WIDGET");
    EXPECT_EQ(design.refusal,
              "The file holds more than 32767 controls; at most 32767 can be loaded. Nothing was "
              "loaded.");
    EXPECT_EQ(design.dialogs.at(0).controls.size(), 32767u);
    // One kind on one dialog runs out one earlier, since its element numbers start at 1.
    EXPECT_NE(many(32767, "TEXT").refusal.find("more than 32766 controls of the kind TEXT"),
              std::string::npos);
}
