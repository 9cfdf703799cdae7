#pragma once

#include <string>

#include <GL/gl.h>

// One of the two texture loaders (LoadTextureRGBA, LoadTextureBMP).
using TextureLoader = void (*)(const std::string& path, GLuint* texture);

// Unpacks resource `id` under `name` into `dir` (a private temporary folder of
// this process), loads the bitmap into a new texture with `loader`, and deletes
// the unpacked copies. A missing resource leaves the texture without an image.
void LoadEmbeddedTexture(int id, const std::string& dir, const std::string& name,
                         TextureLoader loader, GLuint* texture);
