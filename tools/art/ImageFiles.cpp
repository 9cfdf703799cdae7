#include "art/ImageFiles.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <vector>

namespace {
using Bytes = std::vector<std::uint8_t>;

void PutU16(Bytes& out, std::uint32_t v) {
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}

void PutU32(Bytes& out, std::uint32_t v) {
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

void PutU32BigEndian(Bytes& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back((v >> shift) & 0xFF);
}

bool WriteFile(const Bytes& bytes, const std::string& path) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void PutPngChunk(Bytes& out, const char* type, const Bytes& data) {
    PutU32BigEndian(out, static_cast<std::uint32_t>(data.size()));
    Bytes typed(type, type + 4);
    typed.insert(typed.end(), data.begin(), data.end());
    out.insert(out.end(), typed.begin(), typed.end());
    PutU32BigEndian(out, Crc32(typed.data(), typed.size()));
}

// A zlib stream of stored blocks: no compression, so no library needed.
Bytes StoredZlib(const Bytes& raw) {
    Bytes out{0x78, 0x01};
    constexpr std::size_t kBlock = 65535;
    std::size_t offset = 0;
    do {
        const std::size_t length = std::min(kBlock, raw.size() - offset);
        const bool last = offset + length == raw.size();
        out.push_back(last ? 1 : 0);
        PutU16(out, static_cast<std::uint32_t>(length));
        PutU16(out, static_cast<std::uint32_t>(~length & 0xFFFF));
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(offset),
                   raw.begin() + static_cast<std::ptrdiff_t>(offset + length));
        offset += length;
    } while (offset < raw.size());
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    PutU32BigEndian(out, (b << 16) | a);
    return out;
}
}  // namespace

bool WriteBitmap24(const Canvas& canvas, const std::string& path) {
    const int width = canvas.Width();
    const int height = canvas.Height();
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * 3 + 3) / 4 * 4;
    const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(height);
    Bytes out;
    out.push_back('B');
    out.push_back('M');
    PutU32(out, 54 + imageBytes);
    PutU32(out, 0);
    PutU32(out, 54);
    PutU32(out, 40);
    PutU32(out, static_cast<std::uint32_t>(width));
    PutU32(out, static_cast<std::uint32_t>(height));
    PutU16(out, 1);
    PutU16(out, 24);
    PutU32(out, 0);
    PutU32(out, imageBytes);
    PutU32(out, 2835);  // 72 dots per inch
    PutU32(out, 2835);
    PutU32(out, 0);
    PutU32(out, 0);
    const Bytes rgb = canvas.ToRgb8();
    for (int y = height - 1; y >= 0; --y) {
        const std::uint8_t* row = rgb.data() + static_cast<std::size_t>(y) * width * 3;
        for (int x = 0; x < width; ++x) {
            out.push_back(row[x * 3 + 2]);
            out.push_back(row[x * 3 + 1]);
            out.push_back(row[x * 3]);
        }
        for (std::uint32_t pad = static_cast<std::uint32_t>(width) * 3; pad < rowBytes; ++pad) {
            out.push_back(0);
        }
    }
    return WriteFile(out, path);
}

namespace {
// `pixels` holds `channels` bytes a pixel, top row first: 3 for RGB, 4 for RGBA.
bool WritePngPixels(const Bytes& pixels, int width, int height, int channels,
                    const std::string& path) {
    const std::size_t rowBytes = static_cast<std::size_t>(width) * channels;
    Bytes raw;
    raw.reserve(pixels.size() + height);
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);  // filter: none
        const auto row = pixels.begin() + static_cast<std::ptrdiff_t>(y * rowBytes);
        raw.insert(raw.end(), row, row + static_cast<std::ptrdiff_t>(rowBytes));
    }
    Bytes header;
    PutU32BigEndian(header, static_cast<std::uint32_t>(width));
    PutU32BigEndian(header, static_cast<std::uint32_t>(height));
    const std::uint8_t colourType = channels == 4 ? 6 : 2;  // RGBA or RGB
    header.insert(header.end(), {8, colourType, 0, 0, 0});  // 8 bits, no interlace
    Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutPngChunk(out, "IHDR", header);
    PutPngChunk(out, "IDAT", StoredZlib(raw));
    PutPngChunk(out, "IEND", {});
    return WriteFile(out, path);
}
}  // namespace

bool WritePng(const Canvas& canvas, const std::string& path) {
    return WritePngPixels(canvas.ToRgb8(), canvas.Width(), canvas.Height(), 3, path);
}

bool WritePng(const RgbaCanvas& canvas, const std::string& path) {
    return WritePngPixels(canvas.ToRgba8(), canvas.Width(), canvas.Height(), 4, path);
}
