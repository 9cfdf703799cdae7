#include <gtest/gtest.h>

#include "core/resources/PictureHeader.h"
#include "resources/DeclaredPictures.h"

namespace {
std::optional<PictureHeader> Read(const std::vector<std::uint8_t>& bytes) {
    return ReadPictureHeader(bytes.data(), bytes.size());
}
}  // namespace

TEST(PictureHeader, EachKindTellsItsDeclaredSizeAndHugeOnesDoNotFit) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        PictureKind kind;
        std::uint32_t width;
        std::uint32_t height;
    };
    const Case cases[] = {
        {"png", PngDeclaring(60000, 60000), PictureKind::kPng, 60000, 60000},
        {"jpeg", JpegDeclaring(60000, 60000), PictureKind::kJpeg, 60000, 60000},
        {"bmp top-down", BmpDeclaring(60000, -60000), PictureKind::kBmp, 60000, 60000},
        {"tiff", TiffDeclaring(60000, 60000), PictureKind::kTiff, 60000, 60000},
        {"small png", PngDeclaring(640, 480), PictureKind::kPng, 640, 480},
    };
    for (const Case& test : cases) {
        const std::optional<PictureHeader> header = Read(test.bytes);
        ASSERT_TRUE(header) << test.name;
        EXPECT_EQ(header->kind, test.kind) << test.name;
        EXPECT_EQ(header->width, test.width) << test.name;
        EXPECT_EQ(header->height, test.height) << test.name;
        EXPECT_EQ(FitsLimits(*header, PictureLimits{}), test.width == 640) << test.name;
    }
    // Sides within the cap, but too many pixels together.
    EXPECT_FALSE(FitsLimits(*Read(PngDeclaring(16384, 16384)), PictureLimits{}));
    EXPECT_TRUE(FitsLimits(*Read(PngDeclaring(16384, 8192)), PictureLimits{}));
}

// What no decoder is given: music, text, cut or zero-sized headers, and the
// fields the decoders trust too far.
TEST(PictureHeader, MusicTextAndCutOrZeroSizedHeadersAreNoPicture) {
    std::vector<std::uint8_t> cutJpeg = JpegDeclaring(100, 100);
    cutJpeg.resize(12);
    std::vector<std::uint8_t> cutPng = PngDeclaring(100, 100);
    cutPng.resize(20);
    std::vector<std::uint8_t> pngTextClaimingAGigabyte = PngDeclaring(8, 8);
    for (char byte : std::string("\x2E\0\0\x25tEXtdate", 12)) {
        pngTextClaimingAGigabyte.push_back(static_cast<std::uint8_t>(byte));
    }
    std::vector<std::uint8_t> tiffWithTwoWidths = TiffDeclaring(8, 8);
    tiffWithTwoWidths[9] = 3;  // a third entry, a second ImageWidth
    Append(tiffWithTwoWidths, 256, 2, true);
    Append(tiffWithTwoWidths, 4, 2, true);
    Append(tiffWithTwoWidths, 1, 4, true);
    Append(tiffWithTwoWidths, 60000, 4, true);
    const std::vector<std::uint8_t> lies[] = {
        Mp3Bytes(),
        BytesOf(std::string("\xFF\xFB\x90\x64", 4) + std::string(400, '\0')),
        BytesOf("Dear diary,\nthis is not a picture.\n"),
        {},
        cutJpeg,
        cutPng,
        PngDeclaring(0, 100),
        BmpDeclaring(-5, 5),
        BytesOf("P6\n8 8\n0\n"),
        tiffWithTwoWidths,
        pngTextClaimingAGigabyte,
        BytesOf(std::string("GIF89a\x08\0\x08\0\0\0\0,\0\0\0\0\x08\0\x08\0\0\x02\x02L\x01\0;", 29)),
    };
    for (const std::vector<std::uint8_t>& bytes : lies) {
        EXPECT_FALSE(Read(bytes)) << std::string(bytes.begin(), bytes.end());
    }
}
