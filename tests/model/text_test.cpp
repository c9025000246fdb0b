// Texts the core passes on: the file's code page, line breaks, what messages quote, and the list
// of recent files.
#include "model/code_page.h"
#include "model/line_breaks.h"
#include "model/message_text.h"
#include "model/problem_list.h"
#include "model/recent_files.h"

#include <gtest/gtest.h>

using namespace kovrin;

TEST(CodePage, WindowsCharactersRoundTripAndOthersBecomeQuestionMarks)
{
    const std::string utf8 = "Caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cq\xE2\x80\x9D \xC5\xBD";
    const auto encoded = encodeCp1252(utf8);
    EXPECT_FALSE(encoded.replaced);
    EXPECT_EQ(encoded.bytes, "Caf\xE9 \x80 \x93q\x94 \x8E");
    EXPECT_EQ(decodeCp1252(encoded.bytes), utf8);

    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(encodeCp1252(decodeCp1252(all)).bytes, all);
    // The room made for a decoding is exactly what it takes, one byte at a time or all at once.
    EXPECT_EQ(decodedCp1252Size(all), decodeCp1252(all).size());
    for (char b : all)
        EXPECT_EQ(decodedCp1252Size({&b, 1}), decodeCp1252({&b, 1}).size()) << int(b);

    // Outside the page, and ill-formed UTF-8, is replaced, not trusted.
    for (const auto &[in, out] :
         {std::pair<std::string, std::string> {"a\xD0\x96z\xF0\x9F\x98\x80", "a?z?"},
          {std::string("a\xC3", 2), "a?"}}) {
        EXPECT_TRUE(encodeCp1252(in).replaced);
        EXPECT_EQ(encodeCp1252(in).bytes, out);
    }
    // Runs of ASCII before and between other characters, of every length around eight.
    for (std::size_t before = 0; before < 20; ++before) {
        const std::string a(before, 'a'), z(before % 7, 'z');
        EXPECT_EQ(encodeCp1252(a + "\xC3\xA9" + z + "\xE2\x82\xAC").bytes, a + "\xE9" + z + "\x80");
        EXPECT_EQ(decodeCp1252(a + "\xE9" + z + "\x80"), a + "\xC3\xA9" + z + "\xE2\x82\xAC");
    }
    EXPECT_FALSE(fitsCp1252("\xD0\x96"));
    EXPECT_TRUE(fitsCp1252("plain"));
}

TEST(LineBreaks, EveryKindOfBreakBecomesCrlfOrForATextWidgetLf)
{
    const std::pair<const char *, const char *> cases[]
        = {{"a\nb\rc\r\nd", "a\r\nb\r\nc\r\nd"},
           {"a\n\rb", "a\r\n\r\nb"}, // two breaks, not one written the other way round
           {"\r\r\n\n", "\r\n\r\n\r\n"},
           {"\rmiddle\r", "\r\nmiddle\r\n"},
           {"plain, \"quoted\"", "plain, \"quoted\""},
           {"", ""}};
    for (const auto &[in, out] : cases) {
        EXPECT_EQ(withCrlfLineBreaks(in), out) << in;
        EXPECT_EQ(crlfGrowth(in), std::string_view(out).size() - std::string_view(in).size());
        std::string decoded;
        appendDecodedWithCrlfLineBreaks(decoded, in);
        EXPECT_EQ(decoded, out) << in;
    }
    // Windows-1252 bytes decode run by run between the breaks.
    std::string decoded = "x";
    appendDecodedWithCrlfLineBreaks(decoded, "\x80\n\xE9\r\x80\xE9");
    EXPECT_EQ(decoded, "x\xE2\x82\xAC\r\n\xC3\xA9\r\n\xE2\x82\xAC\xC3\xA9");
    EXPECT_EQ(withLfLineBreaks("a\r\nb\rc\nd"), "a\nb\nc\nd");
}

TEST(MessageText, ControlCharactersAreSpeltOutAndTheRestKept)
{
    const std::pair<std::string, std::string> cases[]
        = {{"\x1b]0;owned\x07\x1b[2J", "\\x1b]0;owned\\x07\\x1b[2J"},
           {"a\r\nb\tc", "a\\r\\nb\\tc"},
           {std::string("nul\0del\x7f", 8), "nul\\x00del\\x7f"},
           {"\xC2\x9B"
            "31m",
            "\\u009b31m"}, // the one-character CSI of the C1 controls
           {"caf\xC3\xA9 \xE2\x82\xAC C:\\dir", "caf\xC3\xA9 \xE2\x82\xAC C:\\dir"},
           {"bad \xFF\xC3 end", "bad \\xff\\xc3 end"}};
    for (const auto &[in, out] : cases) {
        EXPECT_EQ(escapedControls(in), out);
        EXPECT_EQ(escapedControls(escapedControls(in)), out) << "escaped twice";
    }
}

TEST(MessageText, LongQuotationsAreCutAfterSixtyCharacters)
{
    const std::string sixty(60, 'x');
    EXPECT_EQ(quotedText(sixty), "\"" + sixty + "\"");
    EXPECT_EQ(quotedText(sixty + "yz"), "\"" + sixty + "\xE2\x80\xA6\"");
    // Characters, not bytes: sixty two-byte letters stay whole.
    std::string accented;
    for (int i = 0; i < 61; ++i)
        accented += "\xC3\xA9";
    EXPECT_EQ(quotedText(accented), "\"" + accented.substr(0, 120) + "\xE2\x80\xA6\"");
    EXPECT_EQ(quotedText("\x1b"), "\"\\x1b\"");

    // A path keeps its end, where the file's name is.
    const std::string folder(100, 'd');
    EXPECT_EQ(quotedPath("/" + folder + "/name.kvx"),
              "\"\xE2\x80\xA6" + folder.substr(0, 51) + "/name.kvx\"");
    EXPECT_EQ(quotedPath("/tmp/a\nb.kvx"), "\"/tmp/a\\nb.kvx\"");
}

TEST(MessageText, AListNamesAHundredProblemsAndCountsTheRest)
{
    ProblemList list;
    for (int i = 0; i < 150; ++i)
        list.add("problem " + std::to_string(i));
    const auto lines = list.lines();
    ASSERT_EQ(lines.size(), 101u);
    EXPECT_EQ(lines[99], "problem 99");
    EXPECT_EQ(lines.back(), "... and 50 more problems.");
    EXPECT_EQ(list.count(), 150u);
    EXPECT_EQ(listedProblems(std::vector<std::string>(100, "p")).size(), 100u);
    EXPECT_EQ(listedProblems(std::vector<std::string>(101, "p")).back(), "... and 1 more problem.");

    // A list kept apart and added later lists as if its problems had been added one by one.
    for (const int first : {40, 120}) {
        ProblemList early;
        ProblemList later;
        for (int i = 0; i < first; ++i)
            early.add("problem " + std::to_string(i));
        for (int i = first; i < 150; ++i)
            later.add("problem " + std::to_string(i));
        early.addAll(std::move(later));
        EXPECT_EQ(early.lines(), lines) << first;
    }
}

TEST(RecentFiles, TheLastUsedComesFirstOnceAndOnlyFiveAreKept)
{
    using Paths = std::vector<std::string>;
    RecentFiles recent;
    for (const char *path : {"a", "b", "c", "d", "e", "f"})
        recent.use(path);
    EXPECT_EQ(recent.paths(), (Paths {"f", "e", "d", "c", "b"}));
    recent.use("c"); // used again: to the front, not twice
    EXPECT_EQ(recent.paths(), (Paths {"c", "f", "e", "d", "b"}));

    EXPECT_TRUE(recent.remove("e"));
    EXPECT_FALSE(recent.remove("e"));
    EXPECT_EQ(recent.paths(), (Paths {"c", "f", "d", "b"}));

    // A stored list is cleaned of blanks and repeats, and cut.
    EXPECT_EQ(RecentFiles(Paths {"a", "", "b", "a", "c", "d", "b", "e", "f"}).paths(),
              (Paths {"a", "b", "c", "d", "e"}));
}
