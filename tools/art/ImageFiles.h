#pragma once

#include <string>

#include "art/Canvas.h"

// Writes the canvas as an uncompressed 24-bit Windows bitmap (40-byte header,
// rows bottom first, padded to 4 bytes). Returns false when the file cannot
// be written.
bool WriteBitmap24(const Canvas& canvas, const std::string& path);

// Writes the canvas as an 8-bit RGB PNG (stored, uncompressed deflate blocks).
bool WritePng(const Canvas& canvas, const std::string& path);

// Writes the picture as an 8-bit RGBA PNG (stored, uncompressed deflate blocks).
bool WritePng(const RgbaCanvas& canvas, const std::string& path);
