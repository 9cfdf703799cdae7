#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

// Tiny picture files whose headers declare any size, the pixel data left out:
// what a decoder would believe before reading a single pixel.

inline std::vector<std::uint8_t> BytesOf(const std::string& text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

inline void Append(std::vector<std::uint8_t>& bytes, std::uint32_t value, int count,
                   bool bigEndian) {
    for (int i = 0; i < count; ++i) {
        const int shift = 8 * (bigEndian ? count - 1 - i : i);
        bytes.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

inline std::vector<std::uint8_t> PngDeclaring(std::uint32_t width, std::uint32_t height) {
    std::vector<std::uint8_t> bytes = BytesOf(std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16));
    Append(bytes, width, 4, true);
    Append(bytes, height, 4, true);
    for (std::uint8_t rest : {8, 2, 0, 0, 0, 0, 0, 0, 0}) bytes.push_back(rest);
    return bytes;
}

// A comment segment before the frame header, as cameras write their metadata.
inline std::vector<std::uint8_t> JpegDeclaring(std::uint32_t width, std::uint32_t height) {
    std::vector<std::uint8_t> bytes = {0xFF, 0xD8, 0xFF, 0xFE, 0,  4, 'h',
                                       'i',  0xFF, 0xC0, 0,    17, 8};
    Append(bytes, height, 2, true);
    Append(bytes, width, 2, true);
    for (std::uint8_t rest : {3, 1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1}) bytes.push_back(rest);
    return bytes;
}

// A negative height is a top-down bitmap of as many rows.
inline std::vector<std::uint8_t> BmpDeclaring(std::int32_t width, std::int32_t height) {
    std::vector<std::uint8_t> bytes = BytesOf("BM");
    for (std::uint32_t field : {54u, 0u, 54u, 40u}) Append(bytes, field, 4, false);
    Append(bytes, static_cast<std::uint32_t>(width), 4, false);
    Append(bytes, static_cast<std::uint32_t>(height), 4, false);
    Append(bytes, 1, 2, false);
    Append(bytes, 24, 2, false);
    bytes.resize(54, 0);
    return bytes;
}

// A big-endian TIFF whose first directory gives the width as SHORT and the
// height as LONG.
inline std::vector<std::uint8_t> TiffDeclaring(std::uint16_t width, std::uint32_t height) {
    std::vector<std::uint8_t> bytes = {'M', 'M', 0, 42, 0, 0, 0, 8, 0, 2};
    for (std::uint32_t field : {256u, 3u}) Append(bytes, field, 2, true);
    Append(bytes, 1, 4, true);
    Append(bytes, width, 2, true);
    Append(bytes, 0, 2, true);
    for (std::uint32_t field : {257u, 4u}) Append(bytes, field, 2, true);
    Append(bytes, 1, 4, true);
    Append(bytes, height, 4, true);
    return bytes;
}

// A music track's first bytes, as a renamed MP3 starts: an ID3 tag and an
// MPEG audio frame.
inline std::vector<std::uint8_t> Mp3Bytes() {
    std::vector<std::uint8_t> bytes = {'I', 'D', '3', 4, 0, 0, 0, 0, 0, 0, 0xFF, 0xFB, 0x90, 0x64};
    bytes.resize(432, 0);
    return bytes;
}

inline void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}
