#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Where a bitmap's pixel rows are taken from.
enum class PixelDataStart {
    kFileHeaderOffset,  // at the pixel-data offset given in the file header
    kAfterHeaders,      // right after the 40-byte information header (and palette)
};

// An uncompressed Windows bitmap of 8, 24 or 32 bits per pixel, as stored:
// rows bottom first, each BitmapRowBytes long, pixels blue-green-red(-alpha)
// or palette indices.
struct BitmapImage {
    int width = 0;         // pixels, 1 to kMaxBitmapSidePx
    int height = 0;        // pixels, 1 to kMaxBitmapSidePx
    int bitsPerPixel = 0;  // 8, 24 or 32
    // 8-bit only: 256 entries of blue, green, red, reserved. Entries the file
    // does not give are black, so every index byte names an entry.
    std::vector<std::uint8_t> palette;
    std::vector<std::uint8_t> pixels;  // height * BitmapRowBytes(bitsPerPixel, width)
};

constexpr int kMaxBitmapSidePx = 32768;

// Bytes in one stored row: bits * width rounded up to whole 32-bit words.
std::size_t BitmapRowBytes(int bitsPerPixel, int width);

// Parses a whole bitmap file held in memory. Anything but a well-formed,
// uncompressed 8-, 24- or 32-bit bitmap whose palette and pixels lie inside the
// file gives nothing; nothing outside `data` is read. A top-down bitmap
// (negative height) comes back bottom row first like any other. An image-size
// field of 0 is allowed (the size follows from width, height and depth).
std::optional<BitmapImage> ParseBitmap(const std::uint8_t* data, std::size_t size,
                                       PixelDataStart start);

// ParseBitmap on the whole file at `path`; nothing when it cannot be read.
std::optional<BitmapImage> ReadBitmapFile(const std::string& path, PixelDataStart start);
