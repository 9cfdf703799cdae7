#include <gtest/gtest.h>

#include <climits>

#include "platform/CrtAtoi.h"

TEST(CrtAtoi, ReadsLeadingBlanksSignAndDigitsUpToTheFirstOtherCharacter) {
    EXPECT_EQ(CrtAtoi("42"), 42);
    EXPECT_EQ(CrtAtoi(" \t-17"), -17);
    EXPECT_EQ(CrtAtoi("+8"), 8);
    EXPECT_EQ(CrtAtoi("32767.5"), 32767);
    EXPECT_EQ(CrtAtoi("123.9"), 123);
    EXPECT_EQ(CrtAtoi("12abc"), 12);
}

TEST(CrtAtoi, TextWithoutLeadingDigitsGivesZero) {
    EXPECT_EQ(CrtAtoi(""), 0);
    EXPECT_EQ(CrtAtoi("abc"), 0);
    EXPECT_EQ(CrtAtoi("-"), 0);
    EXPECT_EQ(CrtAtoi("- 5"), 0);
    EXPECT_EQ(CrtAtoi("0x10"), 0);
}

TEST(CrtAtoi, HugeNumbersSaturateInsteadOfWrapping) {
    EXPECT_EQ(CrtAtoi("2147483647"), INT_MAX);
    EXPECT_EQ(CrtAtoi("2147483648"), INT_MAX);
    EXPECT_EQ(CrtAtoi("-2147483648"), INT_MIN);
    EXPECT_EQ(CrtAtoi("-2147483649"), INT_MIN);
    EXPECT_EQ(CrtAtoi(std::string(500, '9')), INT_MAX);
    EXPECT_EQ(CrtAtoi("-" + std::string(500, '9')), INT_MIN);
}
