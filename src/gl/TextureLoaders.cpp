#include "gl/TextureLoaders.h"

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include <GL/glu.h>

#include "core/resources/BitmapFile.h"
#include "core/resources/TextureImages.h"

void LoadTextureRGBA(const std::string& path, GLuint* texture) {
    glGenTextures(1, texture);
    glBindTexture(GL_TEXTURE_2D, *texture);
    const std::optional<BitmapImage> image =
        ReadBitmapFile(path, PixelDataStart::kFileHeaderOffset);
    if (!image || image->bitsPerPixel != 24) return;
    const std::vector<std::uint8_t> rgba = BlackTransparentRgba(*image);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 4, image->width, image->height, GL_RGBA, GL_UNSIGNED_BYTE,
                      rgba.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
}

void LoadTextureBMP(const std::string& path, GLuint* texture) {
    glGenTextures(1, texture);
    glBindTexture(GL_TEXTURE_2D, *texture);
    std::optional<BitmapImage> image = ReadBitmapFile(path, PixelDataStart::kAfterHeaders);
    if (!image) return;
    // The wrap modes stay at GL's default, repeat: the fish mesh relies on it.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);

    GLint maxTextureSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxTextureSize);
    const BmpTextureUpload upload = PrepareBmpUpload(std::move(*image), maxTextureSize);
    const GLenum format = upload.components == 4 ? GL_BGRA : GL_BGR;
    // Rows are padded to 4 bytes, as stored in the file.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    if (upload.targetWidth == upload.width && upload.targetHeight == upload.height) {
        glTexImage2D(GL_TEXTURE_2D, 0, upload.components, upload.width, upload.height, 0, format,
                     GL_UNSIGNED_BYTE, upload.pixels.data());
        return;
    }
    const std::size_t targetRowBytes =
        (static_cast<std::size_t>(upload.components) * upload.targetWidth + 3) / 4 * 4;
    std::vector<std::uint8_t> scaled(targetRowBytes * upload.targetHeight);
    gluScaleImage(format, upload.width, upload.height, GL_UNSIGNED_BYTE, upload.pixels.data(),
                  upload.targetWidth, upload.targetHeight, GL_UNSIGNED_BYTE, scaled.data());
    glTexImage2D(GL_TEXTURE_2D, 0, upload.components, upload.targetWidth, upload.targetHeight, 0,
                 format, GL_UNSIGNED_BYTE, scaled.data());
}
