// libFuzzer target: any bytes as a user's background picture. The header
// reader stays inside the data and its sizes are never zero; a picture it
// lets through decodes within the limits, to a pixel buffer of exactly the
// size the upload reads. Small limits keep each run quick; the run's malloc
// limit and time-out catch a decoder that allocates or reads far beyond what
// the file declares.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <wx/init.h>

#include "core/resources/PictureHeader.h"
#include "gl/UserPicturePixels.h"

namespace {
void Require(bool condition) {
    if (!condition) std::abort();
}

constexpr PictureLimits kLimits{1024, 1024 * 1024};
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static wxInitializer wx;
    return wx.IsOk() ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<PictureHeader> header = ReadPictureHeader(data, size);
    if (header) Require(header->width > 0 && header->height > 0);
    const std::optional<PicturePixels> picture = PrepareUserPicture(data, size, kLimits);
    if (!picture) return 0;
    Require(header && FitsLimits(*header, kLimits));
    Require(picture->width > 0 && picture->height > 0);
    Require(static_cast<std::uint32_t>(picture->width) <= kLimits.maxSide);
    Require(static_cast<std::uint32_t>(picture->height) <= kLimits.maxSide);
    Require(picture->components == 3 || picture->components == 4);
    // Every byte the upload will read, so that the sanitizer checks the buffer.
    const std::size_t bytes =
        static_cast<std::size_t>(picture->width) * picture->height * picture->components;
    const unsigned char* pixels = picture->Data();
    Require(pixels != nullptr);
    unsigned sum = 0;
    for (std::size_t i = 0; i < bytes; ++i) sum += pixels[i];
    Require(sum <= bytes * 255);
    return 0;
}
