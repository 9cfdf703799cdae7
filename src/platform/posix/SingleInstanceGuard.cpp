#include "platform/posix/SingleInstanceGuard.h"

#include <pthread.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <iterator>

namespace {
// The guards this process holds. A child forked without exec (a library
// starting a helper) must not keep them: the next start would find them held
// after the program ended.
int heldGuards[4] = {-1, -1, -1, -1};

void DropGuardsInChild() {
    for (int& fd : heldGuards) {
        if (fd >= 0) close(fd);
        fd = -1;
    }
}

void Remember(int fd) {
    static const bool handlerSet = pthread_atfork(nullptr, nullptr, DropGuardsInChild) == 0;
    static_cast<void>(handlerSet);
    for (int& slot : heldGuards) {
        if (slot < 0) {
            slot = fd;
            return;
        }
    }
}

void Forget(int fd) {
    std::replace(std::begin(heldGuards), std::end(heldGuards), fd, -1);
}
}  // namespace

SingleInstanceGuard::SingleInstanceGuard(const std::string& name, const std::string& display) {
    // The abstract namespace: a name that begins with a zero byte is no file,
    // and goes with the last socket bound to it.
    const std::string key =
        "velmar/" + std::to_string(getuid()) + "/" + name + "/" + DisplayGuardScope(display);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t length = std::min(key.size(), sizeof(address.sun_path) - 1);
    std::memcpy(address.sun_path + 1, key.data(), length);
    fd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd_ < 0) return;
    const auto size = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + length);
    if (bind(fd_, reinterpret_cast<const sockaddr*>(&address), size) != 0) {
        heldElsewhere_ = errno == EADDRINUSE;
        close(fd_);
        fd_ = -1;
        return;
    }
    Remember(fd_);
}

SingleInstanceGuard::~SingleInstanceGuard() {
    if (fd_ < 0) return;
    Forget(fd_);
    close(fd_);
}

std::string DisplayGuardScope(const std::string& display) {
    const std::size_t colon = display.rfind(':');
    if (colon == std::string::npos) return display;
    std::string host = display.substr(0, colon);
    if (host == "unix") host.clear();
    std::string number = display.substr(colon + 1);
    number = number.substr(0, number.find('.'));
    return host + ":" + number;
}
