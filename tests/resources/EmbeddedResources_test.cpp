#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "resources/BitmapBytes.h"
#include "resources/BitmapFile.h"
#include "resources/EmbeddedResourceTable.h"
#include "resources/EmbeddedResources.h"
#include "resources/ResourceIds.h"
#include "resources/UnpackedFiles.h"
#include "resources/UnpackedResource.h"
#include "support/TempDir.h"

namespace {
struct PictureResource {
    int id;
    std::string name;
    int width, height;
};

const PictureResource kPictures[] = {{kBackgroundResourceId, "BackGround0", 1024, 512},
                                     {kBubbleResourceId, "Particle1", 32, 32},
                                     {kFoodPelletResourceId, "fish17", 64, 64},
                                     {10000, "fish0", 128, 64},
                                     {10001, "fish1", 128, 64},
                                     {10002, "fish2", 128, 64},
                                     {10003, "fish3", 128, 64},
                                     {10004, "fish4", 128, 64},
                                     {10005, "fish5", 128, 64},
                                     {10006, "fish6", 128, 64},
                                     {10007, "fish7", 128, 64},
                                     {10008, "fish8", 128, 64},
                                     {10009, "fish9", 128, 64}};

std::uint32_t U32At(const Bytes& bytes, std::size_t at) {
    return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) |
           (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

bool DirectoryIsEmpty(const std::filesystem::path& dir) {
    return std::filesystem::directory_iterator(dir) == std::filesystem::directory_iterator();
}

class Unpacking : public testing::Test {
  protected:
    TempDir temp_;
    std::string dir_ = temp_.Path().string() + "/";
};
}  // namespace

TEST_F(Unpacking, EveryPictureUnpacksToAPlainTwentyFourBitBitmapOfItsSize) {
    for (const PictureResource& picture : kPictures) {
        ASSERT_TRUE(ExtractResource(picture.id, dir_, picture.name)) << picture.name;
        const auto image =
            ReadBitmapFile(PlainCopyPath(dir_, picture.name), PixelDataStart::kFileHeaderOffset);
        ASSERT_TRUE(image) << picture.name;
        EXPECT_EQ(image->width, picture.width) << picture.name;
        EXPECT_EQ(image->height, picture.height) << picture.name;
        EXPECT_EQ(image->bitsPerPixel, 24) << picture.name;
    }
}

TEST_F(Unpacking, MusicUnpacksToAShortMonoSixteenBitWaveFile) {
    ASSERT_TRUE(ExtractResource(kMusicResourceId, dir_, "Music"));
    const Bytes wav = ReadBytes(dir_ + "Music.wav");
    ASSERT_GT(wav.size(), 44u);
    EXPECT_EQ(std::memcmp(wav.data(), "RIFF", 4), 0);
    EXPECT_EQ(std::memcmp(wav.data() + 8, "WAVEfmt ", 8), 0);
    EXPECT_EQ(U32At(wav, 4), wav.size() - 8);
    EXPECT_EQ(U32At(wav, 24), 22050u);           // sample rate
    EXPECT_EQ(wav[22], 1);                       // mono
    EXPECT_EQ(wav[34], 16);                      // bits per sample
    EXPECT_EQ(U32At(wav, 40), wav.size() - 44);  // data bytes
    const double seconds = (wav.size() - 44) / 2.0 / 22050.0;
    EXPECT_GE(seconds, 5.0);
    EXPECT_LE(seconds, 30.0);
}

TEST_F(Unpacking, TheStoredBytesAreScrambled) {
    const auto blob = FindEmbeddedResource(kBubbleResourceId);
    ASSERT_TRUE(blob);
    EXPECT_FALSE(blob->data[0] == 'B' && blob->data[1] == 'M');
}

TEST_F(Unpacking, UnusedIdsAreMissingAndWriteNothing) {
    for (int id : {150, 155, 261, 10025}) {
        EXPECT_FALSE(ExtractResource(id, dir_, "unused")) << id;
    }
    EXPECT_TRUE(DirectoryIsEmpty(temp_.Path()));
}

TEST_F(Unpacking, ASecondUnpackUnderOneNameLeavesExactlyTheNewBytes) {
    ASSERT_TRUE(ExtractResource(10000, dir_, "reused"));
    ASSERT_TRUE(ExtractResource(kBubbleResourceId, dir_, "reused"));
    const auto blob = FindEmbeddedResource(kBubbleResourceId);
    const Bytes scrambled = ReadBytes(ScrambledCopyPath(dir_, "reused"));
    EXPECT_EQ(scrambled, Bytes(blob->data, blob->data + blob->size));
    const auto image = ReadBitmapFile(PlainCopyPath(dir_, "reused"), PixelDataStart::kAfterHeaders);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 32);
}

TEST_F(Unpacking, UsingAResourceLeavesNothingBehind) {
    std::string seenPath;
    bool wasReadable = false;
    UseUnpackedResource(kFoodPelletResourceId, dir_, "fish17", [&](const std::string& path) {
        seenPath = path;
        wasReadable = ReadBitmapFile(path, PixelDataStart::kAfterHeaders).has_value();
    });
    EXPECT_EQ(seenPath, dir_ + "fish17.bmp");
    EXPECT_TRUE(wasReadable);
    EXPECT_TRUE(DirectoryIsEmpty(temp_.Path()));
}

TEST_F(Unpacking, UsingAMissingResourceHandsOverAPathWithNoFile) {
    bool fileExisted = true;
    UseUnpackedResource(155, dir_, "Particle2", [&](const std::string& path) {
        fileExisted = std::filesystem::exists(path);
    });
    EXPECT_FALSE(fileExisted);
    EXPECT_TRUE(DirectoryIsEmpty(temp_.Path()));
}
