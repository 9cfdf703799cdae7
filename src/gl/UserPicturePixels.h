#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <wx/image.h>

#include "core/resources/PictureHeader.h"

// A user's picture decoded for the texture upload, rows top first.
struct UserPicturePixels {
    int width = 0;
    int height = 0;
    int components = 3;  // 3: red, green, blue; 4: red, green, blue, alpha
    wxImage image;       // the decoded picture; its pixels when there is no alpha
    std::vector<unsigned char> rgba;

    // width x height x components bytes.
    const unsigned char* Data() const { return components == 4 ? rgba.data() : image.GetData(); }
};

// Decodes a picture held in memory: only a kind ReadPictureHeader knows, and
// only when what its header declares fits `limits`, so a tiny file that
// claims a huge size is refused before anything is allocated for it. Nothing
// for anything else or a picture that does not decode.
std::optional<UserPicturePixels> PrepareUserPicture(const std::uint8_t* data, std::size_t size,
                                                    const PictureLimits& limits = {});

// PrepareUserPicture on the regular file at `path`; nothing when it cannot be
// read or is larger than any picture within the limits could be.
std::optional<UserPicturePixels> LoadUserPicture(const std::string& path);
