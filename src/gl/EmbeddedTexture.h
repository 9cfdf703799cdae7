#pragma once

#include <string>

#include <GL/gl.h>

#include "core/resources/ResourceTable.h"

// Unpacks `picture` into `dir` (a private temporary folder of this process),
// loads it into a new texture the way the table says, and deletes the unpacked
// copies. A missing resource leaves the texture without an image.
void LoadEmbeddedTexture(const UnpackedAsset& picture, const std::string& dir, GLuint* texture);
