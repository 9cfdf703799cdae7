#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

// The file formats a user's picture may come in.
enum class PictureCodec { kPng, kJpeg, kBmp, kTiff };

// A picture decoded for the texture upload, rows top first.
struct PicturePixels {
    int width = 0;
    int height = 0;
    int components = 3;  // 3: red, green, blue; 4: red, green, blue, alpha
    // width x height x components bytes, kept alive with whatever holds them.
    std::shared_ptr<const unsigned char> pixels;

    const unsigned char* Data() const { return pixels.get(); }
};

// Decodes the first picture of `codec`'s format in memory with the toolkit's
// readers, quietly. Nothing when it does not decode, or when `sizeAccepted`
// refuses the decoded width and height (asked before the pixels are copied).
std::optional<PicturePixels> DecodePicture(const std::uint8_t* data, std::size_t size,
                                           PictureCodec codec,
                                           const std::function<bool(int, int)>& sizeAccepted);
