// The newer kinds' own values among the other properties, the structured text's markup and what a
// drawn control keeps of its record.
#include "model/drawn_detail.h"
#include "model/kind_properties.h"
#include "model/structured_markup.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kovrin {
namespace {

const KindProperty &propertyOf(ControlKind kind, std::string_view label)
{
    const auto list = kindProperties(kind);
    const auto found = std::ranges::find(list, label, &KindProperty::label);
    EXPECT_NE(found, list.end()) << label;
    return *found;
}

OtherProperties others(std::vector<OtherProperty> list)
{
    return OtherProperties(std::move(list));
}

TEST(KindProperties, OnlyTheNewerKindsWithValuesOfTheirOwnHaveAny)
{
    for (ControlKind kind : kAllKinds) {
        const bool has = kind == ControlKind::StructuredText || kind == ControlKind::ColumnList
            || kind == ControlKind::Progress || kind == ControlKind::CheckBox
            || kind == ControlKind::CheckBoxRow || kind == ControlKind::ToolboxRow;
        EXPECT_EQ(!kindProperties(kind).empty(), has) << kindWord(kind);
    }
}

struct FieldCase
{
    ControlKind kind;
    std::string_view label;
    std::string_view typed;
    std::vector<OtherProperty> written;
};

TEST(KindProperties, AFieldWritesItsEntryInTheGamesShapeAndReadsItBack)
{
    const std::vector<FieldCase> cases {
        {ControlKind::Progress,
         "Texture",
         " #(argb,8,8,3)color(1,1,1,1) ",
         {{"texture", "\"#(argb,8,8,3)color(1,1,1,1)\""}}},
        {ControlKind::ColumnList, "Columns", "0.1, 0.5", {{"columns[]", "{0.1, 0.5}"}}},
        {ControlKind::ColumnList, "Columns", "{0, 0.3}", {{"columns[]", "{0, 0.3}"}}},
        {ControlKind::CheckBox, "Checked", "1", {{"checked", "1"}}},
        {ControlKind::CheckBoxRow,
         "Choices",
         "\"Yes\", \"No\"",
         {{"strings[]", "{\"Yes\", \"No\"}"}}},
        {ControlKind::StructuredText,
         "Attr. align",
         "center",
         {{"class Attributes", "{align = \"center\";}"}}},
        {ControlKind::StructuredText,
         "Attr. font",
         "say \"hi\"",
         {{"class Attributes", "{font = \"say \"\"hi\"\"\";}"}}},
    };
    for (const FieldCase &c : cases) {
        const KindProperty &property = propertyOf(c.kind, c.label);
        const OtherProperties written = withKindProperty({}, property, c.typed);
        EXPECT_EQ(written, others(c.written)) << c.label;
        std::string_view expected = c.typed;
        expected.remove_prefix(expected.find_first_not_of(' '));
        expected = expected.substr(0, expected.find_last_not_of(' ') + 1);
        if (expected.starts_with('{'))
            expected = expected.substr(1, expected.size() - 2);
        EXPECT_EQ(kindPropertyText(written, property), expected) << c.label;
    }
}

TEST(KindProperties, AnEntryThereKeepsItsPlaceAndNameAndGoesWhenEmptied)
{
    const KindProperty &columns = propertyOf(ControlKind::ColumnList, "Columns");
    const OtherProperties before
        = others({{"onLoad", "\"x\""}, {"Columns[]", "{0}"}, {"sounds[]", "{}"}});
    EXPECT_EQ(withKindProperty(before, columns, "0, 0.5"),
              others({{"onLoad", "\"x\""}, {"Columns[]", "{0, 0.5}"}, {"sounds[]", "{}"}}));
    EXPECT_EQ(withKindProperty(before, columns, "  "),
              others({{"onLoad", "\"x\""}, {"sounds[]", "{}"}}));
    EXPECT_TRUE(withKindProperty(others({{"columns[]", "{0}"}}), columns, "").empty());
}

TEST(KindProperties, AClassMemberLeavesTheOthersOfItsClassAsTheyAre)
{
    const KindProperty &colour = propertyOf(ControlKind::StructuredText, "Attr. colour");
    const KindProperty &align = propertyOf(ControlKind::StructuredText, "Attr. align");
    const OtherProperties before
        = others({{"class Attributes", "{font = \"PuristaMedium\"; color = \"#ffffff\";}"}});
    EXPECT_EQ(kindPropertyText(before, colour), "#ffffff");
    EXPECT_EQ(kindPropertyText(before, align), "");

    const OtherProperties recoloured = withKindProperty(before, colour, "#ff0000");
    EXPECT_EQ(recoloured,
              others({{"class Attributes", "{font = \"PuristaMedium\"; color = \"#ff0000\";}"}}));
    const OtherProperties uncoloured = withKindProperty(before, colour, "");
    EXPECT_EQ(uncoloured, others({{"class Attributes", "{font = \"PuristaMedium\";}"}}));
    // The class goes with its last member; emptying what is not there changes nothing.
    EXPECT_TRUE(
        withKindProperty(uncoloured, propertyOf(ControlKind::StructuredText, "Attr. font"), "")
            .empty());
    EXPECT_EQ(withKindProperty(before, align, ""), before);
}

TEST(KindProperties, ListItemsSplitOutsideQuotesAndBraces)
{
    EXPECT_EQ(listItems("{\"a, b\", \"say \"\"x\"\"\", {1, 2}, 0.5 }"),
              (std::vector<std::string> {"a, b", "say \"x\"", "{1, 2}", "0.5"}));
    EXPECT_TRUE(listItems("{}").empty());
    EXPECT_TRUE(listItems("  ").empty());
    EXPECT_EQ(listItems("{\"never closed}"), (std::vector<std::string> {"\"never closed"}));
}

TEST(DrawnDetail, KeepsTheItemsEachKindShowsOneALine)
{
    ControlRecord record;
    record.Name = "RscMyThing";
    record.Others = others({{"type", "CT_WEIRD"},
                            {"columns[]", "{0, 0.4}"},
                            {"strings[]", "{\"On\", \"Off\\nline\"}"},
                            {"checked", "1"}});
    EXPECT_EQ(drawnDetail(ControlKind::ColumnList, record), "0\n0.4");
    EXPECT_EQ(drawnDetail(ControlKind::ToolboxRow, record), "On\nOff\\nline");
    EXPECT_EQ(drawnDetail(ControlKind::CheckBox, record), "1");
    EXPECT_EQ(drawnDetail(ControlKind::Generic, record), "RscMyThing\nCT_WEIRD");
    EXPECT_TRUE(drawnDetail(ControlKind::StructuredText, record).empty()); // no Attributes
    for (ControlKind kind : kDefinitionKinds)
        EXPECT_TRUE(drawnDetail(kind, record).empty()) << kindWord(kind);

    // A generic control without a type of its own shows the game class it derives from.
    ControlRecord derived;
    derived.Name = "RscMine";
    derived.Base = "RscText";
    derived.Others = others({{"style", "2"}});
    EXPECT_EQ(drawnDetail(ControlKind::Generic, derived), "RscMine\nRscText");

    std::string many = "{";
    for (int i = 0; i < 1000; ++i)
        many += "\"x\",";
    record.Others = others({{"strings[]", many + "}"}});
    const std::string kept = drawnDetail(ControlKind::CheckBoxRow, record);
    EXPECT_EQ(std::ranges::count(kept, '\n') + 1, static_cast<long>(kDrawnDetailItems));
}

TEST(StructuredMarkup, ReadsTagsBreaksAndEntities)
{
    const auto lines = readMarkup("a &lt;b&gt; <t size='2' color='#ff0000'>big</t><br/>"
                                  "<t align=\"center\">mid<img image='x.paa'/>dle</t> &amp;");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].align, MarkupAlign::Left);
    EXPECT_EQ(lines[0].runs,
              (std::vector<MarkupRun> {{"a <b> ", 1, std::nullopt}, {"big", 2, Rgb8 {255, 0, 0}}}));
    EXPECT_EQ(lines[1].align, MarkupAlign::Center);
    EXPECT_EQ(lines[1].runs, (std::vector<MarkupRun> {{"middle &", 1, std::nullopt}}));
}

TEST(StructuredMarkup, TheControlsAttributesAreTheDefaultsTheTagsOverride)
{
    ControlRecord record;
    record.Others = others({{"onLoad", "\"x\""},
                            {"class Attributes",
                             "{font = \"PuristaMedium\"; align = \"center\"; color = \"#ff0000\"; "
                             "size = \"1.5\";}"}});
    const SharedText detail = drawnDetail(ControlKind::StructuredText, record);
    EXPECT_EQ(detail, "center\n#ff0000\n1.5");
    const MarkupDefaults defaults = structuredTextDefaults(detail.str());
    EXPECT_EQ(defaults, (MarkupDefaults {1.5, Rgb8 {255, 0, 0}, MarkupAlign::Center}));

    const auto lines
        = readMarkup("a<t color='#00ff00' size='3'>b</t><br/><t align='right'>c</t>", defaults);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].align, MarkupAlign::Center);
    EXPECT_EQ(lines[0].runs,
              (std::vector<MarkupRun> {{"a", 1.5, Rgb8 {255, 0, 0}}, {"b", 3, Rgb8 {0, 255, 0}}}));
    EXPECT_EQ(lines[1].align, MarkupAlign::Right);
    EXPECT_EQ(lines[1].runs, (std::vector<MarkupRun> {{"c", 1.5, Rgb8 {255, 0, 0}}}));

    // Only what the Attributes set, and spell readably, replaces the control's own.
    EXPECT_EQ(structuredTextDefaults("\n\n"), MarkupDefaults {});
    EXPECT_EQ(structuredTextDefaults("middle\nred\n-2"), MarkupDefaults {});
    EXPECT_EQ(structuredTextDefaults("right"),
              (MarkupDefaults {1, std::nullopt, MarkupAlign::Right}));
    EXPECT_EQ(readMarkup("<t color='bogus'>x</t>", defaults)[0].runs[0].colour, (Rgb8 {255, 0, 0}));
}

TEST(KindProperties, CodeThatWouldEndTheEntryIsRefused)
{
    const KindProperty &choices = propertyOf(ControlKind::CheckBoxRow, "Choices");
    const KindProperty &rows = propertyOf(ControlKind::CheckBoxRow, "Rows");
    const KindProperty &texture = propertyOf(ControlKind::Progress, "Texture");
    const struct
    {
        const KindProperty &property;
        std::string_view text;
        std::string_view problem;
    } cases[] = {
        {choices, "\"a; b\", \"c = \"\"d\"\"\"", ""},
        {choices, "{1, 2}, {3}", ""},
        {choices, "\"a\", \"b", "a double quote is not closed."},
        {choices, "{1, 2", "the braces do not balance."},
        {choices, "1}, {2", "the braces do not balance."},
        {rows, "2; onLoad = 1", "a value holds no \";\" or \"=\" outside quotes."},
        {rows, "a = b", "a value holds no \";\" or \"=\" outside quotes."},
        {texture, "a\"; b = {", ""}, // a text is quoted whole
    };
    for (const auto &c : cases)
        EXPECT_EQ(kindValueProblem(c.property, c.text), c.problem) << c.text;
}

TEST(StructuredMarkup, OddMarkupNeverLosesTheTextOrGrowsWithoutBound)
{
    EXPECT_EQ(readMarkup("a <t never closed")[0].runs[0].text, "a <t never closed");
    EXPECT_EQ(readMarkup("</t></t>x")[0].runs[0].text, "x");
    EXPECT_EQ(readMarkup("<t size='1e9'>x</t>")[0].runs[0].size, 8);
    EXPECT_EQ(readMarkup("<t size='-1' color='red'>x</t>")[0].runs[0],
              (MarkupRun {"x", 1, std::nullopt}));
    EXPECT_EQ(readMarkup("one\r\ntwo").size(), 2u);
    EXPECT_EQ(readMarkup("").size(), 1u);
}

TEST(StructuredMarkup, ColoursInTheGamesSpellings)
{
    EXPECT_EQ(markupColour("#f80"), (Rgb8 {255, 136, 0}));
    EXPECT_EQ(markupColour("#00ff80"), (Rgb8 {0, 255, 128}));
    EXPECT_EQ(markupColour("#80102030"), (Rgb8 {16, 32, 48})); // alpha first
    EXPECT_EQ(markupColour("#12345"), std::nullopt);
    EXPECT_EQ(markupColour("#gg0000"), std::nullopt);
    EXPECT_EQ(markupColour("ff0000"), std::nullopt);
}

} // namespace
} // namespace kovrin
