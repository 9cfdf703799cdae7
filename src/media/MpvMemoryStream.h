#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

struct mpv_handle;
struct MpvLibrary;

// Serves a byte buffer to one mpv instance as the file "velmar-memory://".
// A data URL would do as well, but mpv unescapes the whole URL again while it
// plays, a tenth of a core for a tune of a few megabytes.
class MpvMemoryStream {
  public:
    static constexpr const char* kUrl = "velmar-memory://";

    // Registers the protocol; false when mpv refuses it.
    bool Register(const MpvLibrary& mpv, mpv_handle* handle);
    // The bytes the next opening of kUrl reads; streams already open keep theirs.
    void SetBytes(std::vector<std::uint8_t> bytes);
    std::shared_ptr<const std::vector<std::uint8_t>> Bytes() const;

  private:
    mutable std::mutex mutex_;
    std::shared_ptr<const std::vector<std::uint8_t>> bytes_;
};
