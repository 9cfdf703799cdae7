#include <gtest/gtest.h>

#include <string>

#include "core/text/Utf8.h"

// Every length of sequence decodes; a byte that starts nothing well formed
// stands for itself and the text goes on after it.
TEST(Utf8, DecodesEachLengthAndKeepsStrayBytesAsThemselves) {
    const struct {
        std::string text;
        std::u32string points;
    } cases[] = {
        {"A", U"A"},
        {"\xC3\xBC", U"\u00FC"},              // ü
        {"\xE9\xAD\x9A!", U"\u9B5A!"},        // 魚
        {"\xF0\x9F\x90\x9F", U"\U0001F41F"},  // a fish emoji
        {"\xFC"
         "b",
         U"\u00FC"
         U"b"},                                             // Latin-1 ü
        {"\xE9\xAD", U"\u00E9\u00AD"},                      // cut short
        {"\xC0\xAF", U"\u00C0\u00AF"},                      // overlong '/'
        {"\xED\xA0\x80", U"\u00ED\u00A0\u0080"},            // a surrogate
        {"\xF4\x90\x80\x80", U"\u00F4\u0090\u0080\u0080"},  // past U+10FFFF
    };
    for (const auto& [text, points] : cases) {
        EXPECT_EQ(CodePoints(text), points) << testing::PrintToString(text);
    }
}
