#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "core/resources/ResourceScrambling.h"
#include "core/resources/UnpackedFiles.h"
#include "resources/BitmapBytes.h"
#include "support/TempDir.h"

TEST(Scrambling, FiftyOneBytesUseKeyEntriesOneToFortyNineThenZeroThenOne) {
    TempDir temp;
    const std::string dir = temp.Path().string() + "/";
    WriteBytes(ScrambledCopyPath(dir, "probe"), Bytes(51, 0));
    UnscrambleFile(dir, "probe");
    const Bytes plain = ReadBytes(PlainCopyPath(dir, "probe"));
    const ScrambleKey key = AssembleScrambleKey();
    ASSERT_EQ(plain.size(), 51u);
    for (int k = 1; k <= 51; ++k) {
        EXPECT_EQ(plain[k - 1], static_cast<std::uint8_t>(key[k % 50])) << "byte " << k;
    }
}

TEST(Scrambling, ScrambleThenUnscrambleInChunksGivesTheOriginal) {
    Bytes original(1000);
    for (std::size_t i = 0; i < original.size(); ++i) {
        original[i] = static_cast<std::uint8_t>(i * 7 + i / 3);
    }
    const ScrambleKey key = AssembleScrambleKey();
    Bytes data = original;
    ScrambleBytes(data.data(), data.size(), 1, key);
    EXPECT_NE(data, original);
    // Chunks that do not line up with the key length.
    UnscrambleBytes(data.data(), 37, 1, key);
    UnscrambleBytes(data.data() + 37, 500, 38, key);
    UnscrambleBytes(data.data() + 537, 463, 538, key);
    EXPECT_EQ(data, original);
}

TEST(UnpackedNames, OnlyExactlyMusicIsAWaveFile) {
    EXPECT_EQ(PlainCopyPath("/w/", "Music"), "/w/Music.wav");
    EXPECT_EQ(PlainCopyPath("/w/", "music"), "/w/music.bmp");
}

TEST(UnscrambleFileDeathTest, MissingInputOrUnwritableOutputIsReportedAndFails) {
    TempDir temp;
    const std::string dir = temp.Path().string() + "/";
    WriteBytes(ScrambledCopyPath(dir, "blocked"), Bytes(4, 1));
    std::filesystem::create_directory(PlainCopyPath(dir, "blocked"));
    for (const auto& [name, message] : {std::pair{"absent", "^cannot open infile\n$"},
                                        std::pair{"blocked", "^ cannot open outfile\n$"}}) {
        // The message goes to standard output; show it where the death test looks.
        EXPECT_EXIT(
            {
                dup2(STDERR_FILENO, STDOUT_FILENO);
                UnscrambleFile(dir, name);
            },
            testing::ExitedWithCode(1), message)
            << name;
    }
}
