#include <gtest/gtest.h>

#include "core/settings/FileFilter.h"

TEST(FileFilter, EveryPatternIsAlsoOfferedInUpperCaseAndLabelsStay) {
    const struct {
        const char* filter;
        const char* expected;
    } cases[] = {
        {"(*.jpg;*.bmp)|*.jpg;*.bmp", "(*.jpg;*.bmp)|*.jpg;*.JPG;*.bmp;*.BMP"},
        {"a|*.mp3|b (*.ogg)|*.ogg", "a|*.mp3;*.MP3|b (*.ogg)|*.ogg;*.OGG"},
        {"all|*", "all|*"},
    };
    for (const auto& test : cases) EXPECT_EQ(WithUpperCasePatterns(test.filter), test.expected);
}
