#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/music/BuiltinTune.h"
#include "core/resources/BitmapFile.h"
#include "core/resources/EmbeddedResources.h"
#include "core/resources/PictureHeader.h"
#include "core/resources/ResourceTable.h"
#include "core/resources/TextureImages.h"
#include "core/resources/UnpackedResource.h"
#include "resources/PictureBytes.h"
#include "support/TestSupport.h"

namespace {
std::optional<BitmapImage> Parse(const Bytes& bytes,
                                 PixelDataStart start = PixelDataStart::kAfterHeaders) {
    return ParseBitmap(bytes.data(), bytes.size(), start);
}

std::optional<PictureHeader> Read(const Bytes& bytes) {
    return ReadPictureHeader(bytes.data(), bytes.size());
}

}  // namespace

TEST(BitmapParse, ReadsPaddedRowsBottomFirstWhicheverWayTheFileStoresThem) {
    // Width 3: 9 pixel bytes padded to 12 a row.
    Bytes pixels(24);
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<std::uint8_t>(i);
    // The image size 0 is computed from the dimensions.
    Bytes bytes = Poked(MakeBitmap(3, 2, 24, pixels), kImageSizeAt, 0);
    auto image = Parse(bytes);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 3);
    EXPECT_EQ(image->height, 2);
    EXPECT_EQ(image->bitsPerPixel, 24);
    EXPECT_EQ(image->pixels, pixels);

    image = Parse(Poked(bytes, kHeightAt, static_cast<std::uint32_t>(-2)));  // top row first
    ASSERT_TRUE(image);
    EXPECT_EQ(image->height, 2);
    Bytes flipped(pixels.begin() + 12, pixels.end());
    flipped.insert(flipped.end(), pixels.begin(), pixels.begin() + 12);
    EXPECT_EQ(image->pixels, flipped);
}

TEST(BitmapParse, OnlyTheFileHeaderModeHonoursThePixelOffset) {
    // Two bytes of padding between the headers and the pixels.
    Bytes bytes = MakeBitmap(1, 1, 24, {9, 9, 9, 0});
    bytes.insert(bytes.begin() + 54, {5, 5});
    PokeU32(bytes, kPixelOffsetAt, 56);
    EXPECT_EQ(Parse(bytes, PixelDataStart::kFileHeaderOffset).value().pixels, (Bytes{9, 9, 9, 0}));
    EXPECT_EQ(Parse(bytes).value().pixels, (Bytes{5, 5, 9, 9}));
    PokeU32(bytes, kPixelOffsetAt, 0xFFFFFFF0u);
    EXPECT_FALSE(Parse(bytes, PixelDataStart::kFileHeaderOffset));
}

TEST(TextureImages, RgbaDropsRowPaddingAndPaletteUploadsExpandIntoPaddedRows) {
    const Bytes rgba = BlackTransparentRgba(*Parse(MakeBitmap(1, 2, 24, {1, 2, 3, 0, 4, 5, 6, 0})));
    EXPECT_EQ(rgba, (Bytes{3, 2, 1, 255, 6, 5, 4, 255}));
    EXPECT_TRUE(BlackTransparentRgba(*Parse(MakeBitmap(1, 1, 32))).empty());

    const Bytes palette = {10, 20, 30, 0, 40, 50, 60, 0};
    const BmpTextureUpload upload =
        PrepareBmpUpload(*Parse(MakeBitmap(3, 1, 8, {1, 0, 1, 0}, palette)), 2048);
    EXPECT_EQ(upload.components, 3);
    EXPECT_EQ(upload.pixels, (Bytes{40, 50, 60, 10, 20, 30, 40, 50, 60, 0, 0, 0}));
    EXPECT_EQ(upload.targetWidth, 4);
    EXPECT_EQ(upload.targetHeight, 2);
}

TEST(PictureHeader, EachKindTellsItsDeclaredSizeAndHugeOnesDoNotFit) {
    const std::tuple<Bytes, PictureKind, std::uint32_t, std::uint32_t> cases[] = {
        {PngDeclaring(60000, 50000), PictureKind::kPng, 60000, 50000},
        {JpegDeclaring(60000, 50000), PictureKind::kJpeg, 60000, 50000},
        {BmpDeclaring(60000, -50000), PictureKind::kBmp, 60000, 50000},  // top-down
        {TiffDeclaring(60000, 50000), PictureKind::kTiff, 60000, 50000},
        {PngDeclaring(640, 480), PictureKind::kPng, 640, 480},
    };
    for (const auto& [bytes, kind, width, height] : cases) {
        const std::optional<PictureHeader> header = Read(bytes);
        ASSERT_TRUE(header) << width;
        EXPECT_EQ(header->kind, kind);
        EXPECT_EQ(header->width, width);
        EXPECT_EQ(header->height, height);
        EXPECT_EQ(FitsLimits(*header, PictureLimits{}), width == 640) << width;
    }
    // Sides within the cap, but too many pixels together.
    EXPECT_FALSE(FitsLimits(*Read(PngDeclaring(16384, 16384)), PictureLimits{}));
    EXPECT_TRUE(FitsLimits(*Read(PngDeclaring(16384, 8192)), PictureLimits{}));
}

// What no decoder is given: music, text, cut or zero-sized headers, and the
// fields the decoders trust too far.
TEST(PictureHeader, MusicTextAndCutOrZeroSizedHeadersAreNoPicture) {
    Bytes pngTextClaimingAGigabyte = PngDeclaring(8, 8);
    for (char byte : std::string("\x2E\0\0\x25tEXtdate", 12)) {
        pngTextClaimingAGigabyte.push_back(static_cast<std::uint8_t>(byte));
    }
    Bytes tiffWithTwoWidths = TiffDeclaring(8, 8);
    tiffWithTwoWidths[9] = 3;  // a third entry, a second ImageWidth
    for (const auto& [value, bytes] : {std::pair{256u, 2}, {4u, 2}, {1u, 4}, {60000u, 4}})
        Append(tiffWithTwoWidths, value, bytes);
    const Bytes jpeg = JpegDeclaring(100, 100);
    const Bytes png = PngDeclaring(100, 100);
    const Bytes lies[] = {
        Mp3Bytes(),
        BytesOf("Dear diary,\nthis is not a picture.\n"),
        {},
        Bytes(jpeg.begin(), jpeg.begin() + 12),
        Bytes(png.begin(), png.begin() + 20),
        PngDeclaring(0, 100),
        BmpDeclaring(-5, 5),
        BytesOf("P6\n8 8\n0\n"),
        tiffWithTwoWidths,
        pngTextClaimingAGigabyte,
        BytesOf(std::string("GIF89a\x08\0\x08\0\0\0\0,\0\0\0\0\x08\0\x08\0\0\x02\x02L\x01\0;", 29)),
    };
    for (const Bytes& bytes : lies) {
        EXPECT_FALSE(Read(bytes)) << std::string(bytes.begin(), bytes.end());
    }
}

TEST(Unpacking, UsingAResourceLeavesNothingBehindAndUnusedIdsWriteNothing) {
    TempDir temp;
    const std::string dir = temp.Path().string() + "/";
    bool readable = false;
    UseUnpackedResource(kFishSkinPictures[0].id, dir, "fish0", [&](const std::string& path) {
        EXPECT_EQ(path, dir + "fish0.bmp");
        readable = ReadBitmapFile(path, PixelDataStart::kAfterHeaders).has_value();
    });
    EXPECT_TRUE(readable);
    const std::vector<std::uint8_t> tune = BuiltinTuneWav(dir);
    ASSERT_GT(tune.size(), 44u);
    EXPECT_EQ(std::string(tune.begin(), tune.begin() + 12).substr(8), "WAVE");
    for (int id : {150, 155, 261, 10025}) EXPECT_FALSE(ExtractResource(id, dir, "unused")) << id;
    UseUnpackedResource(155, dir, "Particle2", [](const std::string& path) {
        EXPECT_FALSE(std::filesystem::exists(path));
    });
    EXPECT_TRUE(std::filesystem::is_empty(temp.Path()));
}
