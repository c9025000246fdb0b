#include "props/style_text.h"

#include <gtest/gtest.h>

using namespace kovrin;

TEST(StyleText, SplitsBaseMultilineAndShadow)
{
    EXPECT_EQ(parseStyle("ST_LEFT"), (StyleParts {"ST_LEFT", false, false}));
    EXPECT_EQ(parseStyle("ST_CENTER + ST_MULTI + ST_NO_RECT + ST_SHADOW"),
              (StyleParts {"ST_CENTER", true, true}));
    EXPECT_EQ(parseStyle("ST_LEFT + ST_SHADOW"), (StyleParts {"ST_LEFT", false, true}));
    // Found anywhere, in any order, as written by hand.
    EXPECT_EQ(parseStyle("ST_RIGHT+ST_SHADOW+ST_MULTI"),
              (StyleParts {"ST_RIGHT+ST_SHADOW+ST_MULTI", true, true}));
    EXPECT_EQ(parseStyle(""), (StyleParts {"", false, false}));
    EXPECT_EQ(parseStyle(" ST_LEFT"), (StyleParts {"", false, false}));
}

TEST(StyleText, BuildsMultilineBeforeShadowAndReadsBackTheSame)
{
    const std::string both = buildStyle("ST_LEFT", true, true);
    EXPECT_EQ(both, "ST_LEFT + ST_MULTI + ST_NO_RECT + ST_SHADOW");
    EXPECT_EQ(buildStyle("ST_LEFT", false, true), "ST_LEFT + ST_SHADOW");
    EXPECT_EQ(buildStyle("ST_HPOS", false, false), "ST_HPOS");
    const StyleParts parts = parseStyle(both);
    EXPECT_EQ(buildStyle(parts.base, parts.multiline, parts.shadow), both);
}
