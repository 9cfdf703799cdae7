#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/settings/FileFilter.h"
#include "core/settings/ProfileText.h"

TEST(ProfileTextGet, MatchesTheFirstSectionAndKeyWithoutCaseTrimmedAndSkipsWhatIsNoKey) {
    const char spaced[] = "[Aquarium Settings]\n  show water \t=  7 \t\nQIPAONUM=100\n";
    const char repeated[] = "[A]\nx=first\nX=second\n[B]\nx=other\n[a]\nx=third\ny=late\n";
    const char noKeys[] = "x=outside\n[A]\n; x=comment\n# x=hash\nx\n=nokey\nx=inside\n";
    // Text, section, key and the value read.
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {spaced, "AQUARIUM SETTINGS", "Show Water", "7"},
        {repeated, "A", "x", "first"},
        {repeated, "B", "x", "other"},
        // Only the first [A] is searched, as the Windows functions do.
        {repeated, "A", "y", ""},
        {noKeys, "A", "x", "inside"},
        {noKeys, "A", "", ""},
        {"[A]\r\nx=1\r\ny=2", "A", "x", "1"},
        {"[A]\r\nx=1\r\ny=2", "A", "y", "2"},
        {"\xEF\xBB\xBF[A]\nx=3\n", "A", "x", "3"},
        {"[A]\nx=a=b\n", "A", "x", "a=b"}};
    for (const auto& [text, section, key, value] : cases) {
        EXPECT_EQ(ProfileText(text).Get(section, key), value) << text << key;
    }
}

TEST(ProfileTextGet, ValuesAreCutTo127CharactersUnlessAskedForMoreAndOverlongLinesAreNoSettings) {
    const std::string longValue(300, 'v');
    const ProfileText profile("[A]\nlong=" + longValue + "\n");
    EXPECT_EQ(profile.Get("A", "long"), std::string(127, 'v'));
    EXPECT_EQ(profile.Get("A", "long", 1000), longValue);

    const std::string overlong = "[A]\nx=" + std::string(ProfileText::kMaxLineLength, 'v') + "\n[" +
                                 std::string(ProfileText::kMaxLineLength, 'B') + "]\ny=2\n";
    ProfileText edited(overlong);
    EXPECT_EQ(edited.Get("A", "x", 2 * ProfileText::kMaxLineLength), "");
    EXPECT_EQ(edited.Get("A", "y"), "2") << "an overlong header opens no section";
    edited.Set("A", "x", "1");
    EXPECT_EQ(edited.Text(), overlong + "x=1\n");
}

TEST(ProfileTextSet, EditsValuesOrAddsKeysOrTheSectionKeepingEveryOtherByteAndTheLineEnds) {
    using Entries = std::vector<std::pair<std::string, std::string>>;
    // Text, section, the keys and values set, and the text then.
    const std::tuple<const char*, const char*, Entries, const char*> cases[] = {
        {"; top\r\n[Other]\r\nkeep = me\r\n\r\n[A]\r\n  Key =  old  ; not a comment\r\nnext=1\r\n",
         "a",
         {{"KEY", "new"}},
         "; top\r\n[Other]\r\nkeep = me\r\n\r\n[A]\r\n  Key =  new\r\nnext=1\r\n"},
        {"[A]\r\nx=1\r\n; trailing note\r\n\r\n[B]\r\ny=2\r\n",
         "A",
         {{"z", "3"}},
         "[A]\r\nx=1\r\nz=3\r\n; trailing note\r\n\r\n[B]\r\ny=2\r\n"},
        {"[A]\n[B]\n", "A", {{"x", "1"}}, "[A]\nx=1\n[B]\n"},
        {"", "A", {{"x", "1"}}, "[A]\nx=1\n"},
        {"[A]\nx=1\n", "B", {{"y", "2"}}, "[A]\nx=1\n\n[B]\ny=2\n"},
        {"[A]\r\nx=1", "B", {{"y", "2"}}, "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n"},
        {"[A]\nx=1", "A", {{"y", "2"}}, "[A]\nx=1\ny=2\n"},
        {"[A]\nx=1\r", "A", {{"y", "2"}}, "[A]\nx=1\r\ny=2\n"},
        {"[A]\nx=1\n", "A", {{"x", ""}}, "[A]\nx=\n"},
        {"[A]\nx=\n", "A", {{"x", "2"}}, "[A]\nx=2\n"},
        // The value goes on its own line, ahead of the key added after it.
        {"[A]\nx=", "A", {{"x", "1"}, {"y", "2"}}, "[A]\nx=1\ny=2\n"},
        // A line break cannot inject lines of its own.
        {"[A]\nx=1\n", "A", {{"x", "/home/me/odd\n[Evil]\ny=1"}}, "[A]\nx=/home/me/odd\n"}};
    for (const auto& [before, section, entries, after] : cases) {
        ProfileText inTurn(before);
        for (const auto& [key, value] : entries) inTurn.Set(section, key, value);
        EXPECT_EQ(inTurn.Text(), after) << before;
        ProfileText together(before);
        together.SetAll(section, entries);
        EXPECT_EQ(together.Text(), after) << before;
        for (const auto& [key, value] : entries) {
            EXPECT_EQ(together.Get(section, key), value.substr(0, value.find('\n')));
        }
    }
}

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
