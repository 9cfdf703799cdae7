#include <gtest/gtest.h>

#include "core/resources/BitmapFile.h"
#include "resources/BitmapBytes.h"

namespace {
std::optional<BitmapImage> Parse(const Bytes& bytes, PixelDataStart start) {
    return ParseBitmap(bytes.data(), bytes.size(), start);
}
}  // namespace

TEST(BitmapParse, ReadsPaddedRowsBottomFirstWhicheverWayTheFileStoresThem) {
    // Width 3: 9 pixel bytes padded to 12 a row.
    Bytes pixels(24);
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<std::uint8_t>(i);
    Bytes bytes = MakeBitmap(3, 2, 24, pixels);
    PokeU32(bytes, kImageSizeAt, 0);  // computed from the dimensions
    auto image = Parse(bytes, PixelDataStart::kAfterHeaders);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 3);
    EXPECT_EQ(image->height, 2);
    EXPECT_EQ(image->bitsPerPixel, 24);
    EXPECT_EQ(image->pixels, pixels);

    PokeU32(bytes, kHeightAt, static_cast<std::uint32_t>(-2));  // stored top row first
    image = Parse(bytes, PixelDataStart::kAfterHeaders);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->height, 2);
    Bytes flipped(pixels.begin() + 12, pixels.end());
    flipped.insert(flipped.end(), pixels.begin(), pixels.begin() + 12);
    EXPECT_EQ(image->pixels, flipped);
}

TEST(BitmapParse, ShortPaletteIsPaddedWithBlackSoEveryIndexIsSafe) {
    const Bytes shortPalette = {10, 20, 30, 0, 40, 50, 60, 0};
    const auto image =
        Parse(MakeBitmap(4, 1, 8, {0, 1, 2, 255}, shortPalette), PixelDataStart::kAfterHeaders);
    ASSERT_TRUE(image);
    ASSERT_EQ(image->palette.size(), 256u * 4);
    EXPECT_EQ(Bytes(image->palette.begin(), image->palette.begin() + 8), shortPalette);
    EXPECT_EQ(image->palette[255 * 4], 0);
}

TEST(BitmapParse, OnlyTheFileHeaderModeHonoursThePixelOffset) {
    // Two bytes of padding between the headers and the pixels.
    Bytes bytes = MakeBitmap(1, 1, 24, {9, 9, 9, 0});
    bytes.insert(bytes.begin() + 54, {5, 5});
    PokeU32(bytes, kPixelOffsetAt, 56);
    EXPECT_EQ(Parse(bytes, PixelDataStart::kFileHeaderOffset).value().pixels, (Bytes{9, 9, 9, 0}));
    EXPECT_EQ(Parse(bytes, PixelDataStart::kAfterHeaders).value().pixels, (Bytes{5, 5, 9, 9}));
    PokeU32(bytes, kPixelOffsetAt, 0xFFFFFFF0u);
    EXPECT_FALSE(Parse(bytes, PixelDataStart::kFileHeaderOffset));
}

TEST(BitmapParse, EveryMalformedOrMissingFileGivesNothingInEitherMode) {
    for (const MalformedBitmap& bad : MalformedBitmaps()) {
        EXPECT_FALSE(Parse(bad.bytes, PixelDataStart::kFileHeaderOffset)) << bad.what;
        EXPECT_FALSE(Parse(bad.bytes, PixelDataStart::kAfterHeaders)) << bad.what;
    }
    EXPECT_FALSE(ReadBitmapFile("/nonexistent/velmar.bmp", PixelDataStart::kAfterHeaders));
}
