#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/CustomSections.h"
#include "settings/ProfileText.h"

TEST(CustomPlayMode, FirstSetFlagWinsInRandomRepeatAllRepeatOneOrder) {
    EXPECT_EQ(ReadPlayMode(ProfileText(""), kCustomMusicKeys), PlayMode::RepeatOne);
    EXPECT_EQ(ReadPlayMode(ProfileText("[Custom Settings]\nCycMusic=1\nRandomMusic=1\n"),
                           kCustomMusicKeys),
              PlayMode::Random);
    EXPECT_EQ(ReadPlayMode(ProfileText("[Custom Settings]\nRepeatMusic=1\nCycMusic=1\n"),
                           kCustomMusicKeys),
              PlayMode::RepeatAll);
    // Only a text that parses to exactly 1 sets a flag.
    EXPECT_EQ(ReadPlayMode(ProfileText("[Custom Images]\nRandomImage=2\nCycImage=1.9\n"),
                           kCustomImagesKeys),
              PlayMode::RepeatAll);
}

TEST(CustomPlayMode, WritesAllThreeFlags) {
    ProfileText profile;
    WritePlayMode(profile, kCustomImagesKeys, PlayMode::RepeatAll);
    EXPECT_EQ(profile.Text(), "[Custom Images]\nRandomImage=0\nCycImage=1\nRepeatImage=0\n");
    EXPECT_EQ(ReadPlayMode(profile, kCustomImagesKeys), PlayMode::RepeatAll);
}

TEST(CustomList, ReadsCountEntriesAtFullLengthAndStaleEntriesStayInTheFile) {
    const std::string longPath = "/home/user/" + std::string(200, 'p') + ".mp3";
    ProfileText profile;
    WriteCustomList(profile, kCustomMusicKeys, {"/a.wav", longPath, "/c.mpg"});
    WriteCustomList(profile, kCustomMusicKeys, {"/x.wav"});
    EXPECT_EQ(ReadCustomList(profile, kCustomMusicKeys), std::vector<std::string>{"/x.wav"});
    EXPECT_EQ(profile.Get("Custom Settings", "MusicList1", 1000), longPath);

    WriteCustomList(profile, kCustomMusicKeys, {"/a.wav", longPath});
    EXPECT_EQ(ReadCustomList(profile, kCustomMusicKeys),
              (std::vector<std::string>{"/a.wav", longPath}));
}

TEST(CustomList, HandEditedCountsStayBounded) {
    EXPECT_TRUE(ReadCustomList(ProfileText("[Custom Images]\nImageSum=-3\nImageList0=/a.png\n"),
                               kCustomImagesKeys)
                    .empty());
    const std::vector<std::string> many =
        ReadCustomList(ProfileText("[Custom Images]\nImageSum=2147483647\nImageList0=/a.png\n"),
                       kCustomImagesKeys);
    ASSERT_EQ(many.size(), static_cast<std::size_t>(kMaxCustomListEntries));
    EXPECT_EQ(many[0], "/a.png");
    EXPECT_EQ(many[1], "");
}
