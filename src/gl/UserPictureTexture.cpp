#include "gl/UserPictureTexture.h"

#include <SOIL/SOIL.h>

#include "gl/UserPicturePixels.h"

namespace {
// Mipmaps, bottom-up rows, DXT compression and NTSC-safe colours.
constexpr unsigned kPictureUploadFlags =
    SOIL_FLAG_MIPMAPS | SOIL_FLAG_INVERT_Y | SOIL_FLAG_COMPRESS_TO_DXT | SOIL_FLAG_NTSC_SAFE_RGB;
static_assert(kPictureUploadFlags == 178);
}  // namespace

GLuint CreatePictureTexture(const PicturePixels& picture) {
    glPushAttrib(GL_TEXTURE_BIT);
    const GLuint texture =
        SOIL_create_OGL_texture(picture.Data(), picture.width, picture.height, picture.components,
                                SOIL_CREATE_NEW_ID, kPictureUploadFlags);
    glPopAttrib();
    return texture;
}

GLuint CreateUserPictureTexture(const std::string& path) {
    const std::optional<PicturePixels> picture = LoadUserPicture(path);
    return picture ? CreatePictureTexture(*picture) : 0;
}
