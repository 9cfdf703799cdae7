#include <gtest/gtest.h>

#include "platform/Random.h"

TEST(CrtRand, FollowsTheWindowsRuntimeSequenceFromStateOne) {
    ResetCrtRand();
    EXPECT_EQ(CrtRand(), 41);
    EXPECT_EQ(CrtRand(), 18467);
    EXPECT_EQ(CrtRand(), 6334);
    EXPECT_EQ(CrtRand(), 26500);
    EXPECT_EQ(CrtRand(), 19169);
}

TEST(CrtRand, StaysWithinFifteenBits) {
    ResetCrtRand();
    int highest = 0;
    for (int i = 0; i < 100000; ++i) {
        const int value = CrtRand();
        ASSERT_GE(value, 0);
        highest = std::max(highest, value);
    }
    EXPECT_EQ(highest, 32767);
    ResetCrtRand();
}
