#pragma once

#include <cstdint>
#include <vector>

#include "core/resources/BitmapFile.h"

// The GL-free halves of the two texture loaders: what to upload, at what size.

// A 24-bit image as red-green-blue-alpha, 4 bytes a pixel, rows bottom first
// and unpadded. Pure black pixels get alpha 0, all others 255. Empty for any
// other depth.
std::vector<std::uint8_t> BlackTransparentRgba(const BitmapImage& image);

// The texture side for an image side of `imageSidePx`: the smallest power of
// two not below min(imageSidePx, maximum), at least 2, where the maximum is
// `glMaxTextureSize` capped at 512.
int TextureSideFor(int imageSidePx, int glMaxTextureSize);

// Pixels ready for glTexImage2D or gluScaleImage, rows bottom first and padded
// to multiples of 4 bytes (the GL's default row alignment).
struct BmpTextureUpload {
    int components = 3;  // 3: blue-green-red, 4: blue-green-red-alpha
    int width = 0;       // of `pixels`
    int height = 0;
    std::vector<std::uint8_t> pixels;
    int targetWidth = 0;  // the texture's size; differs from width/height when rescaling
    int targetHeight = 0;
};

// 24- and 32-bit pixels as stored; an 8-bit image expanded through its palette
// to 24 bits.
BmpTextureUpload PrepareBmpUpload(BitmapImage image, int glMaxTextureSize);
