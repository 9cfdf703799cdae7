#include "core/resources/PictureHeader.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {
// Bounds-checked reads of little- and big-endian fields; an offset past the
// end gives nothing.
class Bytes {
  public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::size_t Size() const { return size_; }
    bool Has(std::size_t offset, std::size_t count) const {
        return offset <= size_ && count <= size_ - offset;
    }
    bool StartsWith(std::size_t offset, const char* text) const {
        const std::size_t length = std::strlen(text);
        return Has(offset, length) && std::memcmp(data_ + offset, text, length) == 0;
    }
    std::optional<std::uint8_t> U8(std::size_t offset) const {
        if (!Has(offset, 1)) return std::nullopt;
        return data_[offset];
    }
    std::optional<std::uint32_t> Le(std::size_t offset, int count) const {
        if (!Has(offset, count)) return std::nullopt;
        std::uint32_t value = 0;
        for (int i = count - 1; i >= 0; --i) value = value << 8 | data_[offset + i];
        return value;
    }
    std::optional<std::uint32_t> Be(std::size_t offset, int count) const {
        if (!Has(offset, count)) return std::nullopt;
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i) value = value << 8 | data_[offset + i];
        return value;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
};

std::optional<PictureHeader> Sized(PictureKind kind, std::optional<std::uint32_t> width,
                                   std::optional<std::uint32_t> height) {
    if (!width || !height || *width == 0 || *height == 0) return std::nullopt;
    return PictureHeader{kind, *width, *height};
}

// Every chunk must lie inside the file: the decoder goes on reading a chunk
// that claims more than is there, a gigabyte of nothing for a tiny file.
std::optional<PictureHeader> PngHeader(const Bytes& bytes) {
    if (!bytes.StartsWith(12, "IHDR")) return std::nullopt;
    for (std::size_t at = 8; at < bytes.Size() && !bytes.StartsWith(at + 4, "IEND");) {
        const auto length = bytes.Be(at, 4);
        if (!length || *length > 0x7FFFFFFF || !bytes.Has(at + 8, std::size_t{*length} + 4)) {
            return std::nullopt;
        }
        at += 12 + std::size_t{*length};
    }
    return Sized(PictureKind::kPng, bytes.Be(16, 4), bytes.Be(20, 4));
}

// The first start-of-frame marker holds the size; the scan data comes after it.
std::optional<PictureHeader> JpegHeader(const Bytes& bytes) {
    std::size_t at = 2;
    while (true) {
        const auto prefix = bytes.U8(at);
        if (prefix != 0xFF) return std::nullopt;
        while (bytes.U8(at + 1) == 0xFF) ++at;
        const auto marker = bytes.U8(at + 1);
        if (!marker) return std::nullopt;
        at += 2;
        const bool standalone = (*marker >= 0xD0 && *marker <= 0xD7) || *marker == 0x01;
        if (standalone) continue;
        const bool startOfFrame = *marker >= 0xC0 && *marker <= 0xCF && *marker != 0xC4 &&
                                  *marker != 0xC8 && *marker != 0xCC;
        if (startOfFrame) {
            return Sized(PictureKind::kJpeg, bytes.Be(at + 5, 2), bytes.Be(at + 3, 2));
        }
        if (*marker == 0xDA || *marker == 0xD9) return std::nullopt;
        const auto length = bytes.Be(at, 2);
        if (!length || *length < 2) return std::nullopt;
        at += *length;
    }
}

// The OS/2 header has 16-bit sizes, every later one signed 32-bit sizes, a
// negative height meaning rows top first.
std::optional<PictureHeader> BmpHeader(const Bytes& bytes) {
    const auto infoSize = bytes.Le(14, 4);
    if (!infoSize) return std::nullopt;
    if (*infoSize == 12) return Sized(PictureKind::kBmp, bytes.Le(18, 2), bytes.Le(20, 2));
    const auto width = bytes.Le(18, 4);
    const auto height = bytes.Le(22, 4);
    if (!width || !height || *width > 0x7FFFFFFFu) return std::nullopt;
    const std::int64_t signedHeight = static_cast<std::int32_t>(*height);
    const std::int64_t rows = signedHeight < 0 ? -signedHeight : signedHeight;
    return Sized(PictureKind::kBmp, width,
                 static_cast<std::uint32_t>(std::min<std::int64_t>(rows, 0xFFFFFFFF)));
}

// ImageWidth and ImageLength of the first image file directory.
std::optional<PictureHeader> TiffHeader(const Bytes& bytes) {
    const bool little = bytes.StartsWith(0, "II");
    const auto field = [&](std::size_t offset, int count) {
        return little ? bytes.Le(offset, count) : bytes.Be(offset, count);
    };
    const auto directory = field(4, 4);
    if (!directory) return std::nullopt;
    const auto entries = field(*directory, 2);
    if (!entries) return std::nullopt;
    std::optional<std::uint32_t> width;
    std::optional<std::uint32_t> height;
    for (std::uint32_t entry = 0; entry < *entries; ++entry) {
        const std::size_t at = std::size_t{*directory} + 2 + std::size_t{entry} * 12;
        const auto tag = field(at, 2);
        const auto type = field(at + 2, 2);
        if (!tag || !type) break;
        constexpr std::uint32_t kShort = 3;
        constexpr std::uint32_t kLong = 4;
        if (*type != kShort && *type != kLong) continue;
        const auto value = field(at + 8, *type == kShort ? 2 : 4);
        for (auto [sizeTag, size] : {std::pair{256u, &width}, std::pair{257u, &height}}) {
            if (*tag != sizeTag) continue;
            // Which of two differing sizes the decoder keeps is its own affair.
            if (*size && *size != value) return std::nullopt;
            *size = value;
        }
    }
    return Sized(PictureKind::kTiff, width, height);
}
}  // namespace

std::optional<PictureHeader> ReadPictureHeader(const std::uint8_t* data, std::size_t size) {
    const Bytes bytes(data, size);
    if (bytes.StartsWith(0, "\x89PNG\r\n\x1a\n")) return PngHeader(bytes);
    if (bytes.StartsWith(0, "\xFF\xD8")) return JpegHeader(bytes);
    if (bytes.StartsWith(0, "BM")) return BmpHeader(bytes);
    const bool tiff = (bytes.StartsWith(0, "II*") && bytes.U8(3) == 0) ||
                      (bytes.StartsWith(0, "MM") && bytes.U8(2) == 0 && bytes.U8(3) == 42);
    if (tiff) return TiffHeader(bytes);
    return std::nullopt;
}

bool FitsLimits(const PictureHeader& header, const PictureLimits& limits) {
    return header.width <= limits.maxSide && header.height <= limits.maxSide &&
           std::uint64_t{header.width} * header.height <= limits.maxPixels;
}
