#include "code_lines.h"
#include "codegen/generate_code.h"

#include <gtest/gtest.h>

using namespace kovrin;

// Byte for byte: its line ends, its indents and its odd spots all stand in the golden file.
TEST(Preamble, MatchesTheFixedBlockByteForByte)
{
    EXPECT_EQ(preambleText(), test::goldenText("codegen/preamble.txt"));
}
