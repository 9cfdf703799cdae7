#pragma once

#include <string>

#include <GL/gl.h>

// A texture of the user's picture (JPEG, PNG, BMP or TIFF, see
// LoadUserPicture), uploaded as SOIL uploads the files it reads itself: scaled
// to powers of two with mipmaps, flipped to GL's bottom-up rows, compressed to
// DXT where the driver can and with NTSC-safe colours. 0 when the file is no
// such picture or too large. Needs a current context; the bound texture stays.
GLuint CreateUserPictureTexture(const std::string& path);
