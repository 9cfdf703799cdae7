#include "platform/posix/SingleInstanceGuard.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {
// Lock files belong in the per-user runtime folder, not in the home folder.
std::filesystem::path LockDirectory() {
    const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    if (runtimeDir && *runtimeDir) return runtimeDir;
    std::error_code error;
    return std::filesystem::temp_directory_path(error);
}

// The user's login name, or the number where the system knows no name.
std::string UserName() {
    const passwd* user = getpwuid(getuid());
    return user ? user->pw_name : std::to_string(getuid());
}
}  // namespace

SingleInstanceGuard::SingleInstanceGuard(const std::string& name) {
    const std::filesystem::path path = LockDirectory() / (name + "-" + UserName());
    fd_ = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ < 0) return;
    int locked = 0;
    do {
        locked = flock(fd_, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    heldElsewhere_ = locked != 0 && errno == EWOULDBLOCK;
}

SingleInstanceGuard::~SingleInstanceGuard() {
    if (fd_ >= 0) close(fd_);
}
