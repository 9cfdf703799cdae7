#include "gl/EmbeddedTexture.h"

#include "core/resources/UnpackedResource.h"

void LoadEmbeddedTexture(int id, const std::string& dir, const std::string& name,
                         TextureLoader loader, GLuint* texture) {
    UseUnpackedResource(id, dir, name,
                        [&](const std::string& plainPath) { loader(plainPath, texture); });
}
