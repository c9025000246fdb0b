#include "model/line_breaks.h"

#include <gtest/gtest.h>

using namespace kovrin;

TEST(LineBreaks, EveryKindOfBreakBecomesCrlf)
{
    EXPECT_EQ(withCrlfLineBreaks("a\nb\rc\r\nd"), "a\r\nb\r\nc\r\nd");
    // "\n\r" is two breaks, not one written the other way round.
    EXPECT_EQ(withCrlfLineBreaks("a\n\rb"), "a\r\n\r\nb");
    EXPECT_EQ(withCrlfLineBreaks("\r\r\n\n"), "\r\n\r\n\r\n");
}

TEST(LineBreaks, BreaksAtTheEndsAndTextWithoutBreaks)
{
    EXPECT_EQ(withCrlfLineBreaks("\rmiddle\r"), "\r\nmiddle\r\n");
    EXPECT_EQ(withCrlfLineBreaks("plain, \"quoted\""), "plain, \"quoted\"");
    EXPECT_EQ(withCrlfLineBreaks(""), "");
}

TEST(LineBreaks, ATextWidgetSeesOnlyLineFeeds)
{
    EXPECT_EQ(withLfLineBreaks("a\r\nb\rc\nd"), "a\nb\nc\nd");
    EXPECT_EQ(withCrlfLineBreaks(withLfLineBreaks("x\r\ny\r\n")), "x\r\ny\r\n");
}
