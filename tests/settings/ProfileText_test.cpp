#include <gtest/gtest.h>

#include <string>

#include "settings/ProfileText.h"

TEST(ProfileTextGet, MatchesSectionsAndKeysWithoutCaseAndTrimsBlanks) {
    const ProfileText profile("[Aquarium Settings]\n  show water \t=  7 \t\nQIPAONUM=100\n");
    EXPECT_EQ(profile.Get("AQUARIUM SETTINGS", "Show Water"), "7");
    EXPECT_EQ(profile.Get("aquarium settings", "qipaonum"), "100");
}

TEST(ProfileTextGet, AbsentSectionOrKeyReadsEmpty) {
    const ProfileText profile("[A]\nx=1\n[B]\ny=2\n");
    EXPECT_EQ(profile.Get("A", "y"), "");
    EXPECT_EQ(profile.Get("C", "x"), "");
    EXPECT_EQ(ProfileText().Get("A", "x"), "");
}

TEST(ProfileTextGet, FirstMatchingSectionAndKeyWin) {
    const ProfileText profile("[A]\nx=first\nX=second\n[B]\nx=other\n[a]\nx=third\ny=late\n");
    EXPECT_EQ(profile.Get("A", "x"), "first");
    EXPECT_EQ(profile.Get("B", "x"), "other");
    // Only the first [A] is searched, as the Windows functions do.
    EXPECT_EQ(profile.Get("A", "y"), "");
}

TEST(ProfileTextGet, ReadsCrlfAndLfAlikeAndAnUnterminatedLastLine) {
    const ProfileText crlf("[A]\r\nx=1\r\ny=2");
    EXPECT_EQ(crlf.Get("A", "x"), "1");
    EXPECT_EQ(crlf.Get("A", "y"), "2");
    const ProfileText bom("\xEF\xBB\xBF[A]\nx=3\n");
    EXPECT_EQ(bom.Get("A", "x"), "3");
}

TEST(ProfileTextGet, IgnoresCommentsLinesWithoutEqualsAndKeysOutsideSections) {
    const ProfileText profile("x=outside\n[A]\n; x=comment\n# x=hash\nx\n=nokey\nx=inside\n");
    EXPECT_EQ(profile.Get("A", "x"), "inside");
    EXPECT_EQ(profile.Get("A", ""), "");
}

TEST(ProfileTextGet, ValueIsEverythingAfterTheFirstEqualsCutTo127Characters) {
    const std::string longValue(300, 'v');
    const ProfileText profile("[A]\nx=a=b\nlong=" + longValue + "\n");
    EXPECT_EQ(profile.Get("A", "x"), "a=b");
    EXPECT_EQ(profile.Get("A", "long"), std::string(127, 'v'));
    EXPECT_EQ(profile.Get("A", "long", 1000), longValue);
}

TEST(ProfileTextSet, ReplacesOnlyTheValueAndKeepsEverythingElseByteForByte) {
    ProfileText profile(
        "; top\r\n[Other]\r\nkeep = me\r\n\r\n[A]\r\n  Key =  old  ; not a comment\r\n"
        "next=1\r\n");
    profile.Set("a", "KEY", "new");
    EXPECT_EQ(profile.Text(),
              "; top\r\n[Other]\r\nkeep = me\r\n\r\n[A]\r\n  Key =  new\r\nnext=1\r\n");
}

TEST(ProfileTextSet, AddsAMissingKeyAfterTheSectionsLastKeyWithTheFilesLineEnds) {
    ProfileText profile("[A]\r\nx=1\r\n; trailing note\r\n\r\n[B]\r\ny=2\r\n");
    profile.Set("A", "z", "3");
    EXPECT_EQ(profile.Text(), "[A]\r\nx=1\r\nz=3\r\n; trailing note\r\n\r\n[B]\r\ny=2\r\n");

    ProfileText empty("[A]\n[B]\n");
    empty.Set("A", "x", "1");
    EXPECT_EQ(empty.Text(), "[A]\nx=1\n[B]\n");
}

TEST(ProfileTextSet, AddsAMissingSectionAtTheEnd) {
    ProfileText profile;
    profile.Set("A", "x", "1");
    profile.Set("B", "y", "2");
    profile.Set("A", "z", "3");
    EXPECT_EQ(profile.Text(), "[A]\nx=1\nz=3\n\n[B]\ny=2\n");

    ProfileText unterminated("[A]\r\nx=1");
    unterminated.Set("B", "y", "2");
    EXPECT_EQ(unterminated.Text(), "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
    unterminated.Set("A", "z", "3");
    EXPECT_EQ(unterminated.Get("A", "x"), "1");
    EXPECT_EQ(unterminated.Get("A", "z"), "3");
}

TEST(ProfileTextSet, AddsAfterAnUnterminatedLastKeyWithoutJoiningLines) {
    ProfileText profile("[A]\nx=1");
    profile.Set("A", "y", "2");
    EXPECT_EQ(profile.Text(), "[A]\nx=1\ny=2\n");
}

TEST(ProfileTextSet, ALineBreakInAValueCannotInjectLines) {
    ProfileText profile("[A]\nx=1\n");
    profile.Set("A", "x", "/home/me/odd\n[Evil]\ny=1");
    EXPECT_EQ(profile.Text(), "[A]\nx=/home/me/odd\n");
}

TEST(ProfileTextSet, EmptyValuesAreWrittenAndReadBackEmpty) {
    ProfileText profile("[A]\nx=1\n");
    profile.Set("A", "x", "");
    EXPECT_EQ(profile.Text(), "[A]\nx=\n");
    EXPECT_EQ(profile.Get("A", "x"), "");
    profile.Set("A", "x", "2");
    EXPECT_EQ(profile.Text(), "[A]\nx=2\n");
}
