#include "resources/UserPictureTexture.h"

#include <vector>

#include <SOIL/SOIL.h>
#include <wx/image.h>
#include <wx/log.h>

namespace {
// Mipmaps, bottom-up rows, DXT compression and NTSC-safe colours.
constexpr unsigned kPictureUploadFlags =
    SOIL_FLAG_MIPMAPS | SOIL_FLAG_INVERT_Y | SOIL_FLAG_COMPRESS_TO_DXT | SOIL_FLAG_NTSC_SAFE_RGB;
static_assert(kPictureUploadFlags == 178);

bool DecodePicture(const std::string& path, wxImage& image) {
    // The application object brings the BMP reader; without one it is missing.
    if (!wxImage::FindHandler(wxBITMAP_TYPE_BMP)) wxImage::InitStandardHandlers();
    if (!wxImage::FindHandler(wxBITMAP_TYPE_JPEG)) wxInitAllImageHandlers();
    // A broken file is reported by the caller's own message, not wx's log window.
    wxLogNull quiet;
    return image.LoadFile(wxString::FromUTF8(path), wxBITMAP_TYPE_ANY) && image.IsOk();
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

GLuint CreateUserPictureTexture(const std::string& path) {
    wxImage image;
    if (!DecodePicture(path, image)) return 0;
    if (image.GetWidth() > kMaxUserPictureSide || image.GetHeight() > kMaxUserPictureSide) {
        return 0;
    }
    // A palette picture's transparent colour becomes its alpha.
    if (image.HasMask()) image.InitAlpha();
    glPushAttrib(GL_TEXTURE_BIT);
    GLuint texture = 0;
    if (image.HasAlpha()) {
        const std::vector<unsigned char> rgba = RgbaPixels(image);
        texture = SOIL_create_OGL_texture(rgba.data(), image.GetWidth(), image.GetHeight(), 4,
                                          SOIL_CREATE_NEW_ID, kPictureUploadFlags);
    } else {
        texture = SOIL_create_OGL_texture(image.GetData(), image.GetWidth(), image.GetHeight(), 3,
                                          SOIL_CREATE_NEW_ID, kPictureUploadFlags);
    }
    glPopAttrib();
    return texture;
}
