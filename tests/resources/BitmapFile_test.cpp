#include <gtest/gtest.h>

#include "resources/BitmapBytes.h"
#include "resources/BitmapFile.h"

namespace {
std::optional<BitmapImage> Parse(const Bytes& bytes, PixelDataStart start) {
    return ParseBitmap(bytes.data(), bytes.size(), start);
}
}  // namespace

TEST(BitmapParse, ReadsPaddedTwentyFourBitRowsBottomFirst) {
    // Width 3: 9 pixel bytes padded to 12 a row.
    Bytes pixels(24);
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<std::uint8_t>(i);
    const auto image = Parse(MakeBitmap(3, 2, 24, pixels), PixelDataStart::kAfterHeaders);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 3);
    EXPECT_EQ(image->height, 2);
    EXPECT_EQ(image->bitsPerPixel, 24);
    EXPECT_EQ(image->pixels, pixels);
}

TEST(BitmapParse, ImageSizeFieldOfZeroMeansComputedFromTheDimensions) {
    Bytes bytes = MakeBitmap(5, 3, 24);
    PokeU32(bytes, kImageSizeAt, 0);
    const auto image = Parse(bytes, PixelDataStart::kFileHeaderOffset);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixels.size(), RowBytes(24, 5) * 3);
}

TEST(BitmapParse, TopDownBitmapComesBackBottomRowFirst) {
    const Bytes pixels = {1, 1, 1, 0, 2, 2, 2, 0};  // 1 x 2, rows of 4 bytes
    Bytes bytes = MakeBitmap(1, 2, 24, pixels);
    PokeU32(bytes, kHeightAt, static_cast<std::uint32_t>(-2));
    const auto image = Parse(bytes, PixelDataStart::kAfterHeaders);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->height, 2);
    EXPECT_EQ(image->pixels, (Bytes{2, 2, 2, 0, 1, 1, 1, 0}));
}

TEST(BitmapParse, ShortPaletteIsPaddedWithBlackSoEveryIndexIsSafe) {
    const Bytes palette = {10, 20, 30, 0, 40, 50, 60, 0};
    const auto image =
        Parse(MakeBitmap(4, 1, 8, {0, 1, 2, 255}, palette), PixelDataStart::kAfterHeaders);
    ASSERT_TRUE(image);
    ASSERT_EQ(image->palette.size(), 256u * 4);
    EXPECT_EQ(Bytes(image->palette.begin(), image->palette.begin() + 8), palette);
    EXPECT_EQ(image->palette[255 * 4], 0);
}

TEST(BitmapParse, PaletteCountZeroMeansAllTwoHundredFiftySix) {
    Bytes palette(256 * 4, 7);
    Bytes bytes = MakeBitmap(4, 1, 8, {255, 0, 0, 0}, palette);
    PokeU32(bytes, kColoursUsedAt, 0);
    const auto image = Parse(bytes, PixelDataStart::kAfterHeaders);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->palette[255 * 4], 7);
}

TEST(BitmapParse, OnlyTheFileHeaderModeHonoursThePixelOffset) {
    // Two pixels of padding between the headers and the pixels.
    Bytes bytes = MakeBitmap(1, 1, 24, {9, 9, 9, 0});
    bytes.insert(bytes.begin() + 54, {5, 5});
    PokeU32(bytes, kPixelOffsetAt, 56);
    const auto byOffset = Parse(bytes, PixelDataStart::kFileHeaderOffset);
    const auto afterHeaders = Parse(bytes, PixelDataStart::kAfterHeaders);
    ASSERT_TRUE(byOffset && afterHeaders);
    EXPECT_EQ(byOffset->pixels, (Bytes{9, 9, 9, 0}));
    EXPECT_EQ(afterHeaders->pixels, (Bytes{5, 5, 9, 9}));
}

TEST(BitmapParse, PixelOffsetBeyondTheFileGivesNothing) {
    Bytes bytes = MakeBitmap(2, 2, 24);
    PokeU32(bytes, kPixelOffsetAt, 0xFFFFFFF0u);
    EXPECT_FALSE(Parse(bytes, PixelDataStart::kFileHeaderOffset));
}

TEST(BitmapParse, EveryMalformedFileGivesNothingInEitherMode) {
    for (const MalformedBitmap& bad : MalformedBitmaps()) {
        EXPECT_FALSE(Parse(bad.bytes, PixelDataStart::kFileHeaderOffset)) << bad.what;
        EXPECT_FALSE(Parse(bad.bytes, PixelDataStart::kAfterHeaders)) << bad.what;
    }
}

TEST(BitmapParse, MissingFileGivesNothing) {
    EXPECT_FALSE(ReadBitmapFile("/nonexistent/velmar.bmp", PixelDataStart::kAfterHeaders));
}
