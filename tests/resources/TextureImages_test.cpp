#include <gtest/gtest.h>

#include "core/resources/TextureImages.h"
#include "resources/BitmapBytes.h"

namespace {
BitmapImage Parsed(const Bytes& bytes) {
    return *ParseBitmap(bytes.data(), bytes.size(), PixelDataStart::kAfterHeaders);
}
}  // namespace

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
