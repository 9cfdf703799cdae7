#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "core/interaction/MenuCommands.h"
#include "core/resources/BitmapFile.h"
#include "core/resources/EmbeddedResourceTable.h"
#include "core/resources/EmbeddedResources.h"
#include "core/resources/ResourceTable.h"
#include "core/resources/UnpackedFiles.h"
#include "core/resources/UnpackedResource.h"
#include "resources/BitmapBytes.h"
#include "support/TempDir.h"

namespace {
std::uint32_t U32At(const Bytes& bytes, std::size_t at) {
    return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) |
           (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

class Unpacking : public testing::Test {
  protected:
    bool DirectoryIsEmpty() const {
        return std::filesystem::directory_iterator(temp_.Path()) ==
               std::filesystem::directory_iterator();
    }
    TempDir temp_;
    std::string dir_ = temp_.Path().string() + "/";
};
}  // namespace

// Every picture is unpacked and loaded by the texture loaders' GL tests; the tune here.
TEST_F(Unpacking, MusicUnpacksToAShortMonoSixteenBitWaveFile) {
    ASSERT_TRUE(ExtractResource(kTune.id, dir_, "Music"));
    const Bytes wav = ReadBytes(dir_ + "Music.wav");
    ASSERT_GT(wav.size(), 44u);
    EXPECT_EQ(std::memcmp(wav.data(), "RIFF", 4), 0);
    EXPECT_EQ(std::memcmp(wav.data() + 8, "WAVEfmt ", 8), 0);
    EXPECT_EQ(U32At(wav, 4), wav.size() - 8);
    EXPECT_EQ(U32At(wav, 24), 22050u);           // sample rate
    EXPECT_EQ(wav[22], 1);                       // mono
    EXPECT_EQ(wav[34], 16);                      // bits per sample
    EXPECT_EQ(U32At(wav, 40), wav.size() - 44);  // data bytes
}

TEST_F(Unpacking, ASecondUnpackUnderOneNameLeavesExactlyTheNewBytes) {
    ASSERT_TRUE(ExtractResource(10000, dir_, "reused"));
    ASSERT_TRUE(ExtractResource(kBubblePicture.id, dir_, "reused"));
    const auto blob = FindEmbeddedResource(kBubblePicture.id);
    const Bytes scrambled = ReadBytes(ScrambledCopyPath(dir_, "reused"));
    EXPECT_EQ(scrambled, Bytes(blob->data, blob->data + blob->size));
    const auto image = ReadBitmapFile(PlainCopyPath(dir_, "reused"), PixelDataStart::kAfterHeaders);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 32);
}

TEST_F(Unpacking, UsingAResourceLeavesNothingBehindAndUnusedIdsWriteNothing) {
    bool readable = false;
    UseUnpackedResource(kFoodPelletPicture.id, dir_, "fish17", [&](const std::string& path) {
        EXPECT_EQ(path, dir_ + "fish17.bmp");
        readable = ReadBitmapFile(path, PixelDataStart::kAfterHeaders).has_value();
    });
    EXPECT_TRUE(readable);
    EXPECT_TRUE(DirectoryIsEmpty());
    for (int id : {150, 155, 261, 10025}) EXPECT_FALSE(ExtractResource(id, dir_, "unused")) << id;
    UseUnpackedResource(155, dir_, "Particle2", [](const std::string& path) {
        EXPECT_FALSE(std::filesystem::exists(path));
    });
    EXPECT_TRUE(DirectoryIsEmpty());
}

// The menu and dialog art is linked plain, in numberings of its own: cursor 154
// is not the background picture. Decoding is checked by MenuArtwork_gltest.cpp.
TEST(MenuArt, EveryIconCursorAndPanelIsAPngOfItsOwnType) {
    const auto background = FindEmbeddedResource(kBackgroundPicture.id);
    ASSERT_TRUE(background);
    const auto icons = MenuIconIds();
    const auto cursors = ModeCursorIds();
    const struct {
        ResourceType type;
        std::vector<int> ids;
        int width, height, colourType;  // 6: red, green, blue and alpha; 2: opaque
    } kinds[] = {
        {ResourceType::kIcon, std::vector<int>(icons.begin(), icons.end()), 32, 32, 6},
        {ResourceType::kCursor, std::vector<int>(cursors.begin(), cursors.end()), 32, 32, 6},
        {ResourceType::kBitmap, {kFishSettingsPanelId}, 500, 512, 2}};
    for (const auto& kind : kinds) {
        for (int id : kind.ids) {
            const auto blob = FindEmbeddedResource(kind.type, id);
            ASSERT_TRUE(blob) << id;
            ASSERT_GT(blob->size, 33u) << id;
            const Bytes png(blob->data, blob->data + blob->size);
            EXPECT_EQ(std::memcmp(png.data(), "\x89PNG\r\n\x1a\n", 8), 0) << id;
            EXPECT_EQ(std::memcmp(png.data() + 12, "IHDR", 4), 0) << id;
            EXPECT_EQ(png[18] << 8 | png[19], kind.width) << id;  // big-endian
            EXPECT_EQ(png[22] << 8 | png[23], kind.height) << id;
            EXPECT_EQ(png[25], kind.colourType) << id;
            EXPECT_NE(blob->data, background->data) << id;
        }
    }
    EXPECT_FALSE(FindEmbeddedResource(ResourceType::kIcon, kBackgroundPicture.id));
    EXPECT_FALSE(FindEmbeddedResource(ResourceType::kCursor, kTune.id));
}
