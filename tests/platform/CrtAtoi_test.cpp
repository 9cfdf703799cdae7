#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "platform/posix/CrtAtoi.h"

TEST(CrtAtoi, ReadsBlanksSignAndDigitsUpToTheFirstOtherCharacterElseZero) {
    EXPECT_EQ(CrtAtoi("42"), 42);
    EXPECT_EQ(CrtAtoi(" \t-17"), -17);
    EXPECT_EQ(CrtAtoi("+8"), 8);
    EXPECT_EQ(CrtAtoi("32767.5"), 32767);
    EXPECT_EQ(CrtAtoi("12abc"), 12);
    for (const char* text : {"", "abc", "-", "- 5", "0x10"}) EXPECT_EQ(CrtAtoi(text), 0) << text;
}

TEST(CrtAtoi, HugeNumbersSaturateInsteadOfWrapping) {
    EXPECT_EQ(CrtAtoi("2147483647"), INT_MAX);
    EXPECT_EQ(CrtAtoi("2147483648"), INT_MAX);
    EXPECT_EQ(CrtAtoi("-2147483648"), INT_MIN);
    EXPECT_EQ(CrtAtoi("-2147483649"), INT_MIN);
    EXPECT_EQ(CrtAtoi(std::string(500, '9')), INT_MAX);
    EXPECT_EQ(CrtAtoi("-" + std::string(500, '9')), INT_MIN);
}
