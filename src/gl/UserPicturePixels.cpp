#include "gl/UserPicturePixels.h"

#include <filesystem>
#include <fstream>
#include <vector>

namespace {
// More than 4 bytes a pixel of the largest picture allowed, with room for
// headers and metadata: no picture within the limits is larger.
constexpr std::uintmax_t kMaxPictureFileBytes = kMaxUserPicturePixels * 4 + (64u << 20);

PictureCodec CodecFor(PictureKind kind) {
    switch (kind) {
        case PictureKind::kPng:
            return PictureCodec::kPng;
        case PictureKind::kJpeg:
            return PictureCodec::kJpeg;
        case PictureKind::kBmp:
            return PictureCodec::kBmp;
        case PictureKind::kTiff:
            return PictureCodec::kTiff;
    }
    return PictureCodec::kPng;
}
}  // namespace

std::optional<PicturePixels> PrepareUserPicture(const std::uint8_t* data, std::size_t size,
                                                const PictureLimits& limits) {
    const std::optional<PictureHeader> header = ReadPictureHeader(data, size);
    if (!header || !FitsLimits(*header, limits)) return std::nullopt;
    // The decoder has the last word on the size.
    return DecodePicture(data, size, CodecFor(header->kind), [&](int width, int height) {
        const PictureHeader decoded{header->kind, static_cast<std::uint32_t>(width),
                                    static_cast<std::uint32_t>(height)};
        return FitsLimits(decoded, limits);
    });
}

std::optional<PicturePixels> LoadUserPicture(const std::string& path) {
    // Not a device or pipe named like a picture, which would never end.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > kMaxPictureFileBytes) return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    std::vector<std::uint8_t> bytes(size);
    if (!file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size))) {
        return std::nullopt;
    }
    return PrepareUserPicture(bytes.data(), bytes.size());
}
