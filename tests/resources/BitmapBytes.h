#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// Bitmap files built byte by byte, well-formed or deliberately broken, for the
// parser's and the loaders' tests.

using Bytes = std::vector<std::uint8_t>;

// Byte offsets of the header fields from the start of the file.
constexpr std::size_t kPixelOffsetAt = 10;
constexpr std::size_t kWidthAt = 18;
constexpr std::size_t kHeightAt = 22;
constexpr std::size_t kBitsAt = 28;
constexpr std::size_t kCompressionAt = 30;
constexpr std::size_t kImageSizeAt = 34;
constexpr std::size_t kColoursUsedAt = 46;

inline void PokeU32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
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

struct MalformedBitmap {
    std::string what;
    Bytes bytes;
};

// Files that no loader may turn into an image, whichever way it finds the
// pixels.
inline std::vector<MalformedBitmap> MalformedBitmaps() {
    std::vector<MalformedBitmap> cases;
    auto add = [&](const std::string& what, Bytes bytes) {
        cases.push_back({what, std::move(bytes)});
    };
    const Bytes good = MakeBitmap(4, 4, 24);
    auto with32 = [&](const Bytes& base, std::size_t at, std::uint32_t value) {
        Bytes b = base;
        PokeU32(b, at, value);
        return b;
    };
    add("empty file", {});
    add("shorter than the file header", Bytes(good.begin(), good.begin() + 10));
    add("file header only", Bytes(good.begin(), good.begin() + 14));
    add("information header cut short", Bytes(good.begin(), good.begin() + 40));
    add("headers without pixels", Bytes(good.begin(), good.begin() + 54));
    add("pixel data one byte short", Bytes(good.begin(), good.end() - 1));
    Bytes wrongType = good;
    wrongType[0] = 'X';
    add("wrong type", wrongType);
    add("image size larger than the file", with32(good, kImageSizeAt, 1u << 30));
    add("width 0", with32(good, kWidthAt, 0));
    add("height 0", with32(good, kHeightAt, 0));
    add("negative width", with32(good, kWidthAt, static_cast<std::uint32_t>(-4)));
    add("most negative height", with32(good, kHeightAt, 0x80000000u));
    add("width far beyond the pixels", with32(good, kWidthAt, 100000));
    add("huge image in a tiny file", with32(with32(good, kWidthAt, 30000), kHeightAt, 30000));
    add("height beyond the pixels", with32(good, kHeightAt, 5));
    add("16 bits per pixel", with32(good, kBitsAt, 16));
    add("1 bit per pixel", with32(good, kBitsAt, 1));
    add("0 bits per pixel", with32(good, kBitsAt, 0));
    add("run-length compressed", with32(good, kCompressionAt, 1));
    const Bytes eightBit = MakeBitmap(4, 4, 8, {}, Bytes(16 * 4, 0x80));
    add("palette of 257 colours", with32(eightBit, kColoursUsedAt, 257));
    add("palette count near 2^32", with32(eightBit, kColoursUsedAt, 0xFFFFFFFFu));
    add("palette runs past the end", with32(eightBit, kColoursUsedAt, 200));
    add("8-bit with too few pixels", Bytes(eightBit.begin(), eightBit.end() - 2));
    return cases;
}

inline void WriteBytes(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

inline Bytes ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return Bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}
