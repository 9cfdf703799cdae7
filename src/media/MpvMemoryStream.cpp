#include "media/MpvMemoryStream.h"

#include <algorithm>
#include <cstring>

#include "media/MpvLibrary.h"

namespace {

// One opened stream: its own read position over bytes it keeps alive.
struct OpenStream {
    std::shared_ptr<const std::vector<std::uint8_t>> bytes;
    std::size_t position = 0;
};

int64_t Read(void* cookie, char* buffer, uint64_t capacity) {
    auto& stream = *static_cast<OpenStream*>(cookie);
    const std::size_t count = std::min<uint64_t>(capacity, stream.bytes->size() - stream.position);
    std::memcpy(buffer, stream.bytes->data() + stream.position, count);
    stream.position += count;
    return static_cast<int64_t>(count);
}

int64_t Seek(void* cookie, int64_t offset) {
    auto& stream = *static_cast<OpenStream*>(cookie);
    if (offset < 0 || static_cast<uint64_t>(offset) > stream.bytes->size())
        return MPV_ERROR_GENERIC;
    stream.position = static_cast<std::size_t>(offset);
    return offset;
}

int64_t Size(void* cookie) {
    return static_cast<int64_t>(static_cast<OpenStream*>(cookie)->bytes->size());
}

void Close(void* cookie) {
    delete static_cast<OpenStream*>(cookie);
}

int Open(void* userData, char*, mpv_stream_cb_info* info) {
    auto bytes = static_cast<const MpvMemoryStream*>(userData)->Bytes();
    if (!bytes) return MPV_ERROR_LOADING_FAILED;
    info->cookie = new OpenStream{std::move(bytes)};
    info->read_fn = Read;
    info->seek_fn = Seek;
    info->size_fn = Size;
    info->close_fn = Close;
    return 0;
}

}  // namespace

bool MpvMemoryStream::Register(const MpvLibrary& mpv, mpv_handle* handle) {
    std::string protocol = kUrl;
    protocol.resize(protocol.find(':'));
    return mpv.streamCbAddRo(handle, protocol.c_str(), this, Open) >= 0;
}

void MpvMemoryStream::SetBytes(std::vector<std::uint8_t> bytes) {
    auto shared = std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes));
    std::lock_guard<std::mutex> lock(mutex_);
    bytes_ = std::move(shared);
}

std::shared_ptr<const std::vector<std::uint8_t>> MpvMemoryStream::Bytes() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return bytes_;
}
