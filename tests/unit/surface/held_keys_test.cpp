#include "surface/held_keys.h"

#include <gtest/gtest.h>

using namespace kovrin;

TEST(HeldKeys, OneCountedReleasePerPhysicalPressAndRelease)
{
    HeldKeys keys;
    EXPECT_EQ(keys.release(1), 0u); // never went down here
    keys.press(1);
    const auto repeated = keys.release(1);
    keys.press(1); // the repeat's press: still held
    const auto last = keys.release(1);
    EXPECT_FALSE(keys.settle(1, repeated));
    EXPECT_TRUE(keys.settle(1, last));
    EXPECT_FALSE(keys.settle(1, last)); // once only

    keys.press(1);
    keys.press(2); // another key held meanwhile changes nothing
    const auto second = keys.release(1);
    EXPECT_TRUE(keys.settle(1, second));
}
