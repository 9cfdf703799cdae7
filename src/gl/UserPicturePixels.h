#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/resources/PictureHeader.h"
#include "platform/wx/UserPictureDecoding.h"

// Decodes a picture held in memory: only a kind ReadPictureHeader knows, and
// only when what its header declares fits `limits`, so a tiny file that
// claims a huge size is refused before anything is allocated for it. Nothing
// for anything else or a picture that does not decode.
std::optional<PicturePixels> PrepareUserPicture(const std::uint8_t* data, std::size_t size,
                                                const PictureLimits& limits = {});

// PrepareUserPicture on the regular file at `path`; nothing when it cannot be
// read or is larger than any picture within the limits could be.
std::optional<PicturePixels> LoadUserPicture(const std::string& path);
