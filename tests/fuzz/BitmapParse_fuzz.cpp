// libFuzzer target: any bytes at all, read as a bitmap file both ways the
// loaders read them, must parse to nothing or to an image whose buffers match
// its header, and the texture preparation must stay inside them.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/resources/BitmapFile.h"
#include "core/resources/TextureImages.h"

namespace {
void Require(bool condition) {
    if (!condition) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (PixelDataStart start :
         {PixelDataStart::kFileHeaderOffset, PixelDataStart::kAfterHeaders}) {
        std::optional<BitmapImage> image = ParseBitmap(data, size, start);
        if (!image) continue;
        const std::size_t pixels = static_cast<std::size_t>(image->width) * image->height;
        Require(image->pixels.size() ==
                BitmapRowBytes(image->bitsPerPixel, image->width) * image->height);
        Require(image->pixels.size() <= size);
        if (image->bitsPerPixel == 8) Require(image->palette.size() == 256 * 4);
        if (image->bitsPerPixel == 24) Require(BlackTransparentRgba(*image).size() == pixels * 4);
        const BmpTextureUpload upload = PrepareBmpUpload(std::move(*image), 2048);
        Require(upload.pixels.size() ==
                BitmapRowBytes(upload.components * 8, upload.width) * upload.height);
        Require(upload.targetWidth >= 2 && upload.targetWidth <= 512);
        Require(upload.targetHeight >= 2 && upload.targetHeight <= 512);
    }
    return 0;
}
