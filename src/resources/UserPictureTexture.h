#pragma once

#include <string>

#include <GL/gl.h>

// The longest side a user's picture may have. The upload scales a picture up
// to powers of two and sizes that copy in int: up to this side it stays in
// range (4 x 16384 x 16384 bytes), one pixel more and it may wrap.
inline constexpr int kMaxUserPictureSide = 16384;

// A texture of the user's picture in any format wxImage reads (JPEG, PNG, BMP,
// GIF, TIFF, ...), uploaded as SOIL uploads the files it reads itself: scaled
// to powers of two with mipmaps, flipped to GL's bottom-up rows, compressed to
// DXT where the driver can and with NTSC-safe colours. 0 when the file is no
// picture or too large. Needs a current context; the bound texture stays.
GLuint CreateUserPictureTexture(const std::string& path);
