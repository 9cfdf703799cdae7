#include "core/resources/BitmapFile.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace {
constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kInfoHeaderBytes = 40;
constexpr std::size_t kHeadersBytes = kFileHeaderBytes + kInfoHeaderBytes;
constexpr std::uint16_t kBitmapType = 0x4D42;  // "BM"
constexpr std::uint32_t kUncompressed = 0;
constexpr std::size_t kPaletteEntries = 256;
constexpr std::size_t kPaletteEntryBytes = 4;

std::uint16_t ReadU16(const std::uint8_t* at) {
    return static_cast<std::uint16_t>(at[0] | (at[1] << 8));
}

std::uint32_t ReadU32(const std::uint8_t* at) {
    return static_cast<std::uint32_t>(at[0]) | (static_cast<std::uint32_t>(at[1]) << 8) |
           (static_cast<std::uint32_t>(at[2]) << 16) | (static_cast<std::uint32_t>(at[3]) << 24);
}

std::int32_t ReadI32(const std::uint8_t* at) {
    return static_cast<std::int32_t>(ReadU32(at));
}

bool SupportedDepth(int bits) {
    return bits == 8 || bits == 24 || bits == 32;
}
}  // namespace

std::size_t BitmapRowBytes(int bitsPerPixel, int width) {
    return ((static_cast<std::size_t>(bitsPerPixel) * static_cast<std::size_t>(width) + 31) / 32) *
           4;
}

std::optional<BitmapImage> ParseBitmap(const std::uint8_t* data, std::size_t size,
                                       PixelDataStart start) {
    if (!data || size < kHeadersBytes) return std::nullopt;
    if (ReadU16(data) != kBitmapType) return std::nullopt;
    const std::uint32_t pixelOffset = ReadU32(data + 10);
    const std::uint8_t* info = data + kFileHeaderBytes;
    const std::int32_t width = ReadI32(info + 4);
    const std::int32_t rawHeight = ReadI32(info + 8);
    const int bits = ReadU16(info + 14);
    const std::uint32_t compression = ReadU32(info + 16);
    const std::uint32_t imageSizeField = ReadU32(info + 20);
    const std::uint32_t coloursUsed = ReadU32(info + 32);

    if (!SupportedDepth(bits) || compression != kUncompressed) return std::nullopt;
    if (width <= 0 || width > kMaxBitmapSidePx) return std::nullopt;
    // Checked before negating: the most negative height has no positive twin.
    if (rawHeight == 0 || rawHeight > kMaxBitmapSidePx || rawHeight < -kMaxBitmapSidePx) {
        return std::nullopt;
    }
    const bool topDown = rawHeight < 0;
    const int height = topDown ? -rawHeight : rawHeight;

    BitmapImage image;
    image.width = width;
    image.height = height;
    image.bitsPerPixel = bits;

    std::size_t paletteBytes = 0;
    if (bits == 8) {
        const std::size_t entries = coloursUsed == 0 ? kPaletteEntries : coloursUsed;
        if (entries > kPaletteEntries) return std::nullopt;
        paletteBytes = entries * kPaletteEntryBytes;
        if (paletteBytes > size - kHeadersBytes) return std::nullopt;
        image.palette.assign(kPaletteEntries * kPaletteEntryBytes, 0);
        std::copy_n(data + kHeadersBytes, paletteBytes, image.palette.begin());
    }

    const std::size_t pixelStart =
        start == PixelDataStart::kFileHeaderOffset ? pixelOffset : kHeadersBytes + paletteBytes;
    if (pixelStart > size) return std::nullopt;
    const std::size_t available = size - pixelStart;
    const std::size_t rowBytes = BitmapRowBytes(bits, width);
    const std::size_t pixelBytes = rowBytes * static_cast<std::size_t>(height);
    if (imageSizeField > available || pixelBytes > available) return std::nullopt;

    const std::uint8_t* pixels = data + pixelStart;
    if (topDown) {
        image.pixels.resize(pixelBytes);
        for (int row = 0; row < height; ++row) {
            std::copy_n(pixels + static_cast<std::size_t>(height - 1 - row) * rowBytes, rowBytes,
                        image.pixels.begin() + static_cast<std::ptrdiff_t>(row * rowBytes));
        }
    } else {
        image.pixels.assign(pixels, pixels + pixelBytes);
    }
    return image;
}

std::optional<BitmapImage> ReadBitmapFile(const std::string& path, PixelDataStart start) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                          std::istreambuf_iterator<char>()};
    return ParseBitmap(bytes.data(), bytes.size(), start);
}
