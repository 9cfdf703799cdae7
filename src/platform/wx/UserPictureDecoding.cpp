#include "platform/wx/UserPictureDecoding.h"

#include <vector>

#include <wx/image.h>
#include <wx/log.h>
#include <wx/mstream.h>

#include "platform/wx/ImageHandlers.h"

namespace {
wxBitmapType HandlerFor(PictureCodec codec) {
    switch (codec) {
        case PictureCodec::kPng:
            return wxBITMAP_TYPE_PNG;
        case PictureCodec::kJpeg:
            return wxBITMAP_TYPE_JPEG;
        case PictureCodec::kBmp:
            return wxBITMAP_TYPE_BMP;
        case PictureCodec::kTiff:
            return wxBITMAP_TYPE_TIFF;
    }
    return wxBITMAP_TYPE_INVALID;
}

bool Decode(const std::uint8_t* data, std::size_t size, wxBitmapType type, wxImage& image) {
    NeedImageHandler(type);
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

std::optional<PicturePixels> DecodePicture(const std::uint8_t* data, std::size_t size,
                                           PictureCodec codec,
                                           const std::function<bool(int, int)>& sizeAccepted) {
    auto image = std::make_shared<wxImage>();
    if (!Decode(data, size, HandlerFor(codec), *image)) return std::nullopt;
    PicturePixels picture;
    picture.width = image->GetWidth();
    picture.height = image->GetHeight();
    if (picture.width <= 0 || picture.height <= 0 || !sizeAccepted(picture.width, picture.height)) {
        return std::nullopt;
    }
    // A palette picture's transparent colour becomes its alpha.
    if (image->HasMask()) image->InitAlpha();
    if (image->HasAlpha()) {
        auto rgba = std::make_shared<std::vector<unsigned char>>(RgbaPixels(*image));
        picture.components = 4;
        picture.pixels = std::shared_ptr<const unsigned char>(rgba, rgba->data());
    } else {
        // The image's own buffer, without a copy.
        picture.pixels = std::shared_ptr<const unsigned char>(image, image->GetData());
    }
    return picture;
}
