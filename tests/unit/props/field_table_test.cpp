#include "props/colour_groups.h"
#include "props/field_table.h"

#include <gtest/gtest.h>

#include <vector>

using namespace kovrin;

namespace {
constexpr KindField kAllFields[] = {
    KindField::BackColor, KindField::Font,        KindField::Text,        KindField::ActiveColor,
    KindField::Action,    KindField::Enter,       KindField::SelectColor, KindField::SelectBGColor,
    KindField::RowHeight, KindField::WholeHeight, KindField::Multiline,   KindField::Shadow};

std::vector<KindField> usableFields(std::optional<ControlKind> kind)
{
    std::vector<KindField> out;
    for (KindField f : kAllFields) {
        if (isUsable(kind, f))
            out.push_back(f);
    }
    return out;
}

std::vector<std::string_view> choices(std::optional<ControlKind> kind)
{
    const auto list = styleChoices(kind);
    return {list.begin(), list.end()};
}
} // namespace

TEST(FieldTable, EachKindUsesItsOwnFields)
{
    using F = KindField;
    EXPECT_EQ(usableFields(ControlKind::Input), (std::vector {F::Font, F::SelectColor}));
    EXPECT_EQ(usableFields(ControlKind::Text),
              (std::vector {F::BackColor, F::Font, F::Text, F::Multiline, F::Shadow}));
    EXPECT_EQ(usableFields(ControlKind::Combo),
              (std::vector {F::BackColor, F::Font, F::SelectColor, F::SelectBGColor, F::RowHeight,
                            F::WholeHeight}));
    EXPECT_EQ(usableFields(ControlKind::Button),
              (std::vector {F::Font, F::Text, F::Action, F::Enter}));
    EXPECT_EQ(usableFields(ControlKind::Frame), (std::vector {F::BackColor, F::Text}));
    EXPECT_EQ(usableFields(ControlKind::Link),
              (std::vector {F::Font, F::Text, F::ActiveColor, F::Action, F::Enter}));
    EXPECT_EQ(
        usableFields(ControlKind::List),
        (std::vector {F::BackColor, F::Font, F::SelectColor, F::SelectBGColor, F::RowHeight}));
    EXPECT_EQ(usableFields(ControlKind::Picture), (std::vector {F::BackColor, F::Font, F::Text}));
    EXPECT_TRUE(usableFields(ControlKind::Slider).empty());
    EXPECT_EQ(usableFields(std::nullopt).size(), std::size(kAllFields));
}

TEST(FieldTable, ColourGroupsFollowTheTableAndForeColorIsAlwaysUsable)
{
    for (ControlKind kind : kAllKinds)
        EXPECT_TRUE(isUsable(kind, ColourGroup::Fore));
    EXPECT_FALSE(isUsable(ControlKind::Link, ColourGroup::Back));
    EXPECT_TRUE(isUsable(ControlKind::Link, ColourGroup::Active));
    EXPECT_TRUE(isUsable(ControlKind::Input, ColourGroup::Select));
    EXPECT_FALSE(isUsable(ControlKind::Input, ColourGroup::SelectBG));
    EXPECT_TRUE(isUsable(ControlKind::List, ColourGroup::SelectBG));
}

TEST(FieldTable, StyleChoicesPerKind)
{
    const std::vector<std::string_view> text {"ST_LEFT", "ST_CENTER", "ST_RIGHT"};
    for (ControlKind kind : {ControlKind::Input, ControlKind::Text, ControlKind::Combo,
                             ControlKind::Button, ControlKind::Link, ControlKind::List})
        EXPECT_EQ(choices(kind), text);
    EXPECT_EQ(choices(ControlKind::Frame), std::vector<std::string_view> {"ST_FRAME"});
    EXPECT_EQ(choices(ControlKind::Picture), std::vector<std::string_view> {"ST_PICTURE"});
    EXPECT_EQ(choices(ControlKind::Slider), std::vector<std::string_view> {"ST_HPOS"});
    EXPECT_TRUE(choices(std::nullopt).empty());
}

TEST(FieldTable, StyleSearchIsExactAndStopsAtTheEnd)
{
    EXPECT_EQ(findStyleChoice(ControlKind::Button, "ST_RIGHT"), 2u);
    EXPECT_EQ(findStyleChoice(ControlKind::Button, "st_right"), std::nullopt);
    EXPECT_EQ(findStyleChoice(ControlKind::Frame, "ST_LEFT"), std::nullopt);
    EXPECT_EQ(findStyleChoice(std::nullopt, "ST_LEFT"), std::nullopt);
    EXPECT_EQ(findStyleChoice(ControlKind::Text, ""), std::nullopt);
}

TEST(FieldTable, FontSearchIgnoresCaseAndStopsAtTheEnd)
{
    EXPECT_EQ(findFontEntry("tahomaB36"), 8u);
    EXPECT_EQ(kFontNames[8], "TahomaB36");
    EXPECT_EQ(findFontEntry("COURIERNEWB64"), 2u);
    EXPECT_EQ(findFontEntry("SteelfishB64CE"), 6u);
    EXPECT_EQ(findFontEntry("SteelfishB64C"), std::nullopt);
    EXPECT_EQ(findFontEntry("Arial"), std::nullopt);
}
