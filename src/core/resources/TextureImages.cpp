#include "core/resources/TextureImages.h"

#include <algorithm>
#include <utility>

namespace {
constexpr int kTextureSideCapPx = 512;
constexpr int kMinTextureSidePx = 2;

std::vector<std::uint8_t> ExpandPaletteToBgr(const BitmapImage& image) {
    const std::size_t sourceRow = BitmapRowBytes(8, image.width);
    const std::size_t targetRow = BitmapRowBytes(24, image.width);
    std::vector<std::uint8_t> bgr(targetRow * static_cast<std::size_t>(image.height), 0);
    for (int y = 0; y < image.height; ++y) {
        const std::uint8_t* indices = image.pixels.data() + y * sourceRow;
        std::uint8_t* out = bgr.data() + y * targetRow;
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t* entry = image.palette.data() + indices[x] * 4;
            std::copy_n(entry, 3, out + x * 3);
        }
    }
    return bgr;
}
}  // namespace

std::vector<std::uint8_t> BlackTransparentRgba(const BitmapImage& image) {
    if (image.bitsPerPixel != 24) return {};
    const std::size_t rowBytes = BitmapRowBytes(24, image.width);
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(image.width) * image.height * 4);
    std::uint8_t* out = rgba.data();
    for (int y = 0; y < image.height; ++y) {
        const std::uint8_t* in = image.pixels.data() + y * rowBytes;
        for (int x = 0; x < image.width; ++x, in += 3, out += 4) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
            out[3] = (in[0] | in[1] | in[2]) == 0 ? 0 : 255;
        }
    }
    return rgba;
}

int TextureSideFor(int imageSidePx, int glMaxTextureSize) {
    const int limit = std::min(std::max(glMaxTextureSize, kMinTextureSidePx), kTextureSideCapPx);
    const int wanted = std::min(imageSidePx, limit);
    int side = kMinTextureSidePx;
    while (side < wanted) side *= 2;
    return side;
}

BmpTextureUpload PrepareBmpUpload(BitmapImage image, int glMaxTextureSize) {
    BmpTextureUpload upload;
    upload.components = image.bitsPerPixel == 32 ? 4 : 3;
    upload.width = image.width;
    upload.height = image.height;
    upload.pixels = image.bitsPerPixel == 8 ? ExpandPaletteToBgr(image) : std::move(image.pixels);
    upload.targetWidth = TextureSideFor(image.width, glMaxTextureSize);
    upload.targetHeight = TextureSideFor(image.height, glMaxTextureSize);
    return upload;
}
