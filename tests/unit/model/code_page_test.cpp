#include "model/code_page.h"

#include <gtest/gtest.h>

using namespace kovrin;

TEST(CodePage, WindowsCharactersRoundTrip)
{
    const std::string utf8 = "Caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cq\xE2\x80\x9D \xC5\xBD";
    const auto encoded = encodeCp1252(utf8);
    EXPECT_FALSE(encoded.replaced);
    EXPECT_EQ(encoded.bytes, "Caf\xE9 \x80 \x93q\x94 \x8E");
    EXPECT_EQ(decodeCp1252(encoded.bytes), utf8);
}

TEST(CodePage, EveryByteSurvivesARoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(encodeCp1252(decodeCp1252(all)).bytes, all);
}

TEST(CodePage, CharactersOutsideThePageBecomeQuestionMarks)
{
    const auto encoded = encodeCp1252("a\xD0\x96z\xF0\x9F\x98\x80");
    EXPECT_TRUE(encoded.replaced);
    EXPECT_EQ(encoded.bytes, "a?z?");
    EXPECT_FALSE(fitsCp1252("\xD0\x96"));
    EXPECT_TRUE(fitsCp1252("plain"));
}

TEST(CodePage, IllFormedUtf8IsReplacedNotTrusted)
{
    const auto encoded = encodeCp1252(std::string("a\xC3", 2));
    EXPECT_EQ(encoded.bytes, "a?");
    EXPECT_TRUE(encoded.replaced);
}

TEST(CodePage, CharactersBeyondAsciiAreFoundWhereverTheyStandInALongText)
{
    for (std::size_t before = 0; before < 20; ++before) {
        for (std::size_t after = 0; after < 20; after += 3) {
            const std::string ascii(before, 'a');
            const std::string rest(after, 'z');
            const std::string utf8 = ascii + "\xC3\xA9" + rest + "\xE2\x82\xAC";
            const std::string bytes = ascii + "\xE9" + rest + "\x80";
            EXPECT_EQ(encodeCp1252(utf8).bytes, bytes) << before << " " << after;
            EXPECT_EQ(decodeCp1252(bytes), utf8) << before << " " << after;
        }
    }
}
