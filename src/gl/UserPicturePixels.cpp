#include "gl/UserPicturePixels.h"

#include <filesystem>
#include <fstream>

#include <wx/log.h>
#include <wx/mstream.h>

namespace {
// More than 4 bytes a pixel of the largest picture allowed, with room for
// headers and metadata: no picture within the limits is larger.
constexpr std::uintmax_t kMaxPictureFileBytes = kMaxUserPicturePixels * 4 + (64u << 20);

wxBitmapType HandlerFor(PictureKind kind) {
    switch (kind) {
        case PictureKind::kPng:
            return wxBITMAP_TYPE_PNG;
        case PictureKind::kJpeg:
            return wxBITMAP_TYPE_JPEG;
        case PictureKind::kBmp:
            return wxBITMAP_TYPE_BMP;
        case PictureKind::kTiff:
            return wxBITMAP_TYPE_TIFF;
    }
    return wxBITMAP_TYPE_INVALID;
}

bool Decode(const std::uint8_t* data, std::size_t size, wxBitmapType type, wxImage& image) {
    // The application object brings the BMP reader; without one it is missing.
    if (!wxImage::FindHandler(wxBITMAP_TYPE_BMP)) wxImage::InitStandardHandlers();
    if (!wxImage::FindHandler(wxBITMAP_TYPE_JPEG)) wxInitAllImageHandlers();
    // A broken file is reported by the caller's own message, not wx's log window.
    wxLogNull quiet;
    wxMemoryInputStream stream(data, size);
    // The first image, whose size the header reader checked.
    return image.LoadFile(stream, type, 0) && image.IsOk();
}

// wxImage keeps colour and alpha apart; the upload wants them interleaved.
std::vector<unsigned char> RgbaPixels(const wxImage& image) {
    const std::size_t count = static_cast<std::size_t>(image.GetWidth()) * image.GetHeight();
    const unsigned char* rgb = image.GetData();
    const unsigned char* alpha = image.GetAlpha();
    std::vector<unsigned char> rgba(count * 4);
    for (std::size_t pixel = 0; pixel < count; ++pixel) {
        rgba[pixel * 4 + 0] = rgb[pixel * 3 + 0];
        rgba[pixel * 4 + 1] = rgb[pixel * 3 + 1];
        rgba[pixel * 4 + 2] = rgb[pixel * 3 + 2];
        rgba[pixel * 4 + 3] = alpha[pixel];
    }
    return rgba;
}
}  // namespace

std::optional<UserPicturePixels> PrepareUserPicture(const std::uint8_t* data, std::size_t size,
                                                    const PictureLimits& limits) {
    const std::optional<PictureHeader> header = ReadPictureHeader(data, size);
    if (!header || !FitsLimits(*header, limits)) return std::nullopt;
    UserPicturePixels picture;
    if (!Decode(data, size, HandlerFor(header->kind), picture.image)) return std::nullopt;
    picture.width = picture.image.GetWidth();
    picture.height = picture.image.GetHeight();
    // The decoder has the last word on the size.
    const PictureHeader decoded{header->kind, static_cast<std::uint32_t>(picture.width),
                                static_cast<std::uint32_t>(picture.height)};
    if (picture.width <= 0 || picture.height <= 0 || !FitsLimits(decoded, limits)) {
        return std::nullopt;
    }
    // A palette picture's transparent colour becomes its alpha.
    if (picture.image.HasMask()) picture.image.InitAlpha();
    if (picture.image.HasAlpha()) {
        picture.components = 4;
        picture.rgba = RgbaPixels(picture.image);
    }
    return picture;
}

std::optional<UserPicturePixels> LoadUserPicture(const std::string& path) {
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
