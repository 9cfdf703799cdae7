#include "gl/EmbeddedTexture.h"

#include "core/resources/UnpackedResource.h"
#include "gl/TextureLoaders.h"

void LoadEmbeddedTexture(const UnpackedAsset& picture, const std::string& dir, GLuint* texture) {
    UseUnpackedResource(picture.id, dir, picture.name, [&](const std::string& plainPath) {
        if (picture.loadedAs == LoadedAs::kRgbaWithMipmaps) {
            LoadTextureRGBA(plainPath, texture);
        } else {
            LoadTextureBMP(plainPath, texture);
        }
    });
}
