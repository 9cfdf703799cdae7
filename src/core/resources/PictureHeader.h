#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

// The kinds of picture the user's backgrounds may be, told by their first
// bytes. Others that wxImage reads are left out: their decoders trust the file
// too far (a GIF's broken LZW codes write outside the decoder's buffers, a
// portable pixmap with a largest value of 0 divides by it).
enum class PictureKind { kPng, kJpeg, kBmp, kTiff };

// What a picture file says about its size before any pixel is decoded.
struct PictureHeader {
    PictureKind kind = PictureKind::kPng;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
};

// Reads the header of a picture held in memory (for a TIFF the first
// image's). Nothing when the bytes are none of the kinds above, the size
// fields are missing, cut short or zero, or a PNG chunk reaches past the end;
// nothing outside `data` is read.
std::optional<PictureHeader> ReadPictureHeader(const std::uint8_t* data, std::size_t size);

// The longest side a user's picture may have. The upload scales a picture up
// to powers of two and sizes that copy in int: up to this side it stays in
// range (4 x 16384 x 16384 bytes), one pixel more and it may wrap.
inline constexpr std::uint32_t kMaxUserPictureSide = 16384;
// All pixels together (16384 x 8192, a 134-megapixel photo): decoded, copied
// and scaled for the upload such a picture already takes some 2 GB.
inline constexpr std::uint64_t kMaxUserPicturePixels = 16384ull * 8192;

struct PictureLimits {
    std::uint32_t maxSide = kMaxUserPictureSide;
    std::uint64_t maxPixels = kMaxUserPicturePixels;
};

bool FitsLimits(const PictureHeader& header, const PictureLimits& limits);
