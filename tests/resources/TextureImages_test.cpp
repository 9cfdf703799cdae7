#include <gtest/gtest.h>

#include "resources/BitmapBytes.h"
#include "resources/TextureImages.h"

namespace {
BitmapImage Parsed(const Bytes& bytes) {
    return *ParseBitmap(bytes.data(), bytes.size(), PixelDataStart::kAfterHeaders);
}
}  // namespace

TEST(TextureSide, PowersOfTwoStayRoundUpOthersAndCapAt512) {
    EXPECT_EQ(TextureSideFor(128, 2048), 128);
    EXPECT_EQ(TextureSideFor(64, 2048), 64);
    EXPECT_EQ(TextureSideFor(100, 2048), 128);
    EXPECT_EQ(TextureSideFor(513, 2048), 512);
    EXPECT_EQ(TextureSideFor(1024, 2048), 512);
    EXPECT_EQ(TextureSideFor(300, 256), 256);
}

TEST(TextureSide, IsAtLeastTwo) {
    EXPECT_EQ(TextureSideFor(1, 2048), 2);
    EXPECT_EQ(TextureSideFor(3, 2048), 4);
}

TEST(BlackTransparentRgba, SwapsToRedGreenBlueAndHidesOnlyPureBlack) {
    // Stored blue-green-red: black, then red 1 (0, 0, 1), then blue-ish.
    const Bytes pixels = {0, 0, 0, 1, 0, 0, 200, 100, 50, 0, 0, 0};  // 3 pixels + padding
    const Bytes rgba = BlackTransparentRgba(Parsed(MakeBitmap(3, 1, 24, pixels)));
    EXPECT_EQ(rgba, (Bytes{0, 0, 0, 0, 0, 0, 1, 255, 50, 100, 200, 255}));
}

TEST(BlackTransparentRgba, DropsRowPaddingAndRefusesOtherDepths) {
    const Bytes rgba = BlackTransparentRgba(Parsed(MakeBitmap(1, 2, 24, {1, 2, 3, 0, 4, 5, 6, 0})));
    EXPECT_EQ(rgba, (Bytes{3, 2, 1, 255, 6, 5, 4, 255}));
    EXPECT_TRUE(BlackTransparentRgba(Parsed(MakeBitmap(1, 1, 32))).empty());
}

TEST(BmpUpload, ExpandsPaletteIntoPaddedBlueGreenRedRows) {
    const Bytes palette = {10, 20, 30, 0, 40, 50, 60, 0};
    const BmpTextureUpload upload =
        PrepareBmpUpload(Parsed(MakeBitmap(3, 1, 8, {1, 0, 1, 0}, palette)), 2048);
    EXPECT_EQ(upload.components, 3);
    EXPECT_EQ(upload.pixels, (Bytes{40, 50, 60, 10, 20, 30, 40, 50, 60, 0, 0, 0}));
    EXPECT_EQ(upload.targetWidth, 4);
    EXPECT_EQ(upload.targetHeight, 2);
}

TEST(BmpUpload, KeepsTrueColourPixelsAndCountsAlphaForThirtyTwoBits) {
    const BmpTextureUpload deep = PrepareBmpUpload(Parsed(MakeBitmap(2, 2, 32)), 2048);
    EXPECT_EQ(deep.components, 4);
    EXPECT_EQ(deep.pixels.size(), 16u);
    const BmpTextureUpload skin = PrepareBmpUpload(Parsed(MakeBitmap(128, 64, 24)), 2048);
    EXPECT_EQ(skin.components, 3);
    EXPECT_EQ(skin.targetWidth, 128);
    EXPECT_EQ(skin.targetHeight, 64);
}
