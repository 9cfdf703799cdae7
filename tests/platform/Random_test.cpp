#include <gtest/gtest.h>

#include <algorithm>

#include "platform/posix/Random.h"

TEST(CrtRand, FollowsTheWindowsRuntimeSequenceFromStateOneWithinFifteenBits) {
    ResetCrtRand();
    for (int expected : {41, 18467, 6334, 26500, 19169}) EXPECT_EQ(CrtRand(), expected);
    int highest = 0;
    for (int i = 0; i < 100000; ++i) {
        const int value = CrtRand();
        ASSERT_GE(value, 0);
        highest = std::max(highest, value);
    }
    EXPECT_EQ(highest, 32767);
    ResetCrtRand();
}
