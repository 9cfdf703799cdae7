#pragma once

#include <string>

#include <GL/gl.h>

#include "platform/wx/UserPictureDecoding.h"

// A texture of a decoded picture, uploaded as SOIL uploads the files it reads
// itself: scaled to powers of two with mipmaps, flipped to GL's bottom-up rows,
// compressed to DXT where the driver can and with NTSC-safe colours. Needs a
// current context; the bound texture stays.
GLuint CreatePictureTexture(const PicturePixels& picture);

// The texture of the user's picture at `path` (JPEG, PNG, BMP or TIFF, see
// LoadUserPicture); 0 when the file is no such picture or too large.
GLuint CreateUserPictureTexture(const std::string& path);
