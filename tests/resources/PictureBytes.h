#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "support/TestSupport.h"

// Picture files built byte by byte: bitmaps well-formed or deliberately
// broken, and headers that declare any size with the pixels left out, which is
// all a decoder believes before it reads a pixel.

// Byte offsets of the bitmap header's fields.
constexpr std::size_t kPixelOffsetAt = 10;
constexpr std::size_t kWidthAt = 18;
constexpr std::size_t kHeightAt = 22;
constexpr std::size_t kBitsAt = 28;
constexpr std::size_t kImageSizeAt = 34;
constexpr std::size_t kColoursUsedAt = 46;

inline void PokeU32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

inline Bytes Poked(Bytes bytes, std::size_t at, std::uint32_t value) {
    PokeU32(bytes, at, value);
    return bytes;
}

inline std::size_t RowBytes(int bits, int width) {
    return (static_cast<std::size_t>(bits) * width + 31) / 32 * 4;
}

// A bottom-up bitmap. `pixels` holds the stored rows (padding included); when
// empty, every byte of the pixel data is 0x40. For 8 bits, `palette` holds
// 4-byte entries and the colours-used field says how many.
inline Bytes MakeBitmap(int width, int height, int bits, Bytes pixels = {},
                        const Bytes& palette = {}) {
    if (pixels.empty()) pixels.assign(RowBytes(bits, width) * height, 0x40);
    const std::size_t offset = 54 + palette.size();
    Bytes bytes(offset, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    PokeU32(bytes, 2, static_cast<std::uint32_t>(offset + pixels.size()));
    PokeU32(bytes, kPixelOffsetAt, static_cast<std::uint32_t>(offset));
    PokeU32(bytes, 14, 40);
    PokeU32(bytes, kWidthAt, static_cast<std::uint32_t>(width));
    PokeU32(bytes, kHeightAt, static_cast<std::uint32_t>(height));
    bytes[26] = 1;  // one plane
    bytes[kBitsAt] = static_cast<std::uint8_t>(bits);
    PokeU32(bytes, kImageSizeAt, static_cast<std::uint32_t>(pixels.size()));
    PokeU32(bytes, kColoursUsedAt, static_cast<std::uint32_t>(palette.size() / 4));
    std::copy(palette.begin(), palette.end(), bytes.begin() + 54);
    bytes.insert(bytes.end(), pixels.begin(), pixels.end());
    return bytes;
}

// Bitmaps no loader may turn into an image, whichever way it finds the pixels.
inline std::vector<std::pair<std::string, Bytes>> MalformedBitmaps() {
    const Bytes good = MakeBitmap(4, 4, 24);
    const Bytes eightBit = MakeBitmap(4, 4, 8, {}, Bytes(16 * 4, 0x80));
    const auto cut = [](const Bytes& bytes, std::size_t size) {
        return Bytes(bytes.begin(), bytes.begin() + static_cast<long>(size));
    };
    Bytes wrongType = good;
    wrongType[0] = 'X';
    return {{"empty file", {}},
            {"shorter than the file header", cut(good, 10)},
            {"file header only", cut(good, 14)},
            {"information header cut short", cut(good, 40)},
            {"headers without pixels", cut(good, 54)},
            {"pixel data one byte short", cut(good, good.size() - 1)},
            {"wrong type", wrongType},
            {"image size larger than the file", Poked(good, kImageSizeAt, 1u << 30)},
            {"width 0", Poked(good, kWidthAt, 0)},
            {"height 0", Poked(good, kHeightAt, 0)},
            {"negative width", Poked(good, kWidthAt, static_cast<std::uint32_t>(-4))},
            {"most negative height", Poked(good, kHeightAt, 0x80000000u)},
            {"width far beyond the pixels", Poked(good, kWidthAt, 100000)},
            {"huge image in a tiny file", Poked(Poked(good, kWidthAt, 30000), kHeightAt, 30000)},
            {"height beyond the pixels", Poked(good, kHeightAt, 5)},
            {"16 bits per pixel", Poked(good, kBitsAt, 16)},
            {"1 bit per pixel", Poked(good, kBitsAt, 1)},
            {"0 bits per pixel", Poked(good, kBitsAt, 0)},
            {"run-length compressed", Poked(good, 30, 1)},
            {"palette of 257 colours", Poked(eightBit, kColoursUsedAt, 257)},
            {"palette count near 2^32", Poked(eightBit, kColoursUsedAt, 0xFFFFFFFFu)},
            {"palette runs past the end", Poked(eightBit, kColoursUsedAt, 200)},
            {"8-bit with too few pixels", cut(eightBit, eightBit.size() - 2)}};
}

inline Bytes BytesOf(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

inline void Append(Bytes& bytes, std::uint32_t value, int count) {
    for (int i = count - 1; i >= 0; --i) bytes.push_back(static_cast<std::uint8_t>(value >> 8 * i));
}

inline Bytes PngDeclaring(std::uint32_t width, std::uint32_t height) {
    Bytes bytes = BytesOf(std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16));
    Append(bytes, width, 4);
    Append(bytes, height, 4);
    bytes.insert(bytes.end(), {8, 2, 0, 0, 0, 0, 0, 0, 0});
    return bytes;
}

// A comment segment before the frame header, as cameras write their metadata.
inline Bytes JpegDeclaring(std::uint16_t width, std::uint16_t height) {
    Bytes bytes = {0xFF, 0xD8, 0xFF, 0xFE, 0, 4, 'h', 'i', 0xFF, 0xC0, 0, 17, 8};
    Append(bytes, height, 2);
    Append(bytes, width, 2);
    bytes.insert(bytes.end(), {3, 1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1});
    return bytes;
}

// Its headers only; a negative height is a top-down bitmap of as many rows.
inline Bytes BmpDeclaring(std::int32_t width, std::int32_t height) {
    Bytes bytes = MakeBitmap(1, 1, 24);
    PokeU32(bytes, kWidthAt, static_cast<std::uint32_t>(width));
    PokeU32(bytes, kHeightAt, static_cast<std::uint32_t>(height));
    bytes.resize(54);
    return bytes;
}

// A big-endian TIFF whose first directory gives the width as SHORT and the
// height as LONG.
inline Bytes TiffDeclaring(std::uint16_t width, std::uint32_t height) {
    Bytes bytes = {'M', 'M', 0, 42, 0, 0, 0, 8, 0, 2, 1, 0, 0, 3, 0, 0, 0, 1};
    Append(bytes, width, 2);
    bytes.insert(bytes.end(), {0, 0, 1, 1, 0, 4, 0, 0, 0, 1});
    Append(bytes, height, 4);
    return bytes;
}

// A music track's first bytes, as a renamed MP3 starts: an ID3 tag and an
// MPEG audio frame.
inline Bytes Mp3Bytes() {
    Bytes bytes = {'I', 'D', '3', 4, 0, 0, 0, 0, 0, 0, 0xFF, 0xFB, 0x90, 0x64};
    bytes.resize(432, 0);
    return bytes;
}
