#include "core/settings/ProfileFile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <system_error>

namespace {
namespace fs = std::filesystem;

constexpr char kTemporaryMark[] = ".tmp-";
constexpr auto kAbandonedAfter = std::chrono::minutes(10);

// Closes the descriptor when it goes.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return fd_; }

  private:
    int fd_;
};

bool WriteAll(int fd, const std::string& text) {
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// Reads to the end, or fails once more than `limit` bytes come: the file may
// grow after its size was looked at.
std::optional<std::string> ReadAtMost(int fd, std::size_t limit, std::size_t expected) {
    std::string text(expected + 1, '\0');
    std::size_t filled = 0;
    while (true) {
        if (filled == text.size()) {
            if (text.size() > limit) return std::nullopt;
            text.resize(std::min(text.size() * 2, limit + 1));
        }
        const ssize_t n = ::read(fd, &text[filled], text.size() - filled);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        filled += static_cast<std::size_t>(n);
    }
    text.resize(filled);
    return text;
}

// Where a replacement of `path` writes: beside the file a link leads to.
fs::path ReplacedFile(const std::string& path) {
    std::error_code error;
    const fs::path target = fs::canonical(path, error);
    return error ? fs::path(path) : target;
}

// Creates a file of our own next to `target`; -1 when the folder refuses.
int CreateSiblingFile(const fs::path& target, fs::path& created) {
    static unsigned serial = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        created = target;
        created += kTemporaryMark + std::to_string(::getpid()) + "-" + std::to_string(serial++);
        const int fd = ::open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// Makes the rename itself survive a crash; a folder that cannot be synced is no
// reason to report the write as failed.
void SyncFolder(const fs::path& folder) {
    const FileDescriptor fd(
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Get() >= 0) ::fsync(fd.Get());
}

// The process id in "NAME.tmp-PID-N", or nothing when `name` is not such a name.
std::optional<pid_t> ReplacementOwner(const std::string& name, const std::string& fileName) {
    const std::string prefix = fileName + kTemporaryMark;
    if (name.compare(0, prefix.size(), prefix) != 0) return std::nullopt;
    const std::string rest = name.substr(prefix.size());
    const std::size_t dash = rest.find('-');
    const auto digits = [](const std::string& s) {
        return !s.empty() && s.size() <= 9 &&
               s.find_first_not_of("0123456789") == std::string::npos;
    };
    if (dash == std::string::npos || !digits(rest.substr(0, dash)) ||
        !digits(rest.substr(dash + 1))) {
        return std::nullopt;
    }
    return static_cast<pid_t>(std::stol(rest.substr(0, dash)));
}

bool ProcessRuns(pid_t pid) {
    return pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM);
}
}  // namespace

std::optional<std::string> ReadProfileFile(const std::string& path) {
    // Opened before it is looked at, so that what is checked is what is read;
    // without blocking, so that a pipe cannot hold the start up.
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.Get() < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return std::string();
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    const auto size = static_cast<std::uintmax_t>(info.st_size);
    if (size > kMaxProfileBytes) return std::nullopt;
    return ReadAtMost(fd.Get(), kMaxProfileBytes, static_cast<std::size_t>(size));
}

bool ReplaceProfileFile(const std::string& path, const std::string& text) {
    const fs::path target = ReplacedFile(path);
    fs::path temporary;
    const int fd = CreateSiblingFile(target, temporary);
    if (fd < 0) return false;
    struct stat existing {};
    bool ok = ::stat(target.c_str(), &existing) != 0 || ::fchmod(fd, existing.st_mode & 07777) == 0;
    ok = ok && WriteAll(fd, text) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolder(target.parent_path());
    return true;
}

void RemoveStaleReplacements(const std::string& path) {
    const fs::path target = ReplacedFile(path);
    const std::string fileName = target.filename().string();
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    std::error_code error;
    const auto now = fs::file_time_type::clock::now();
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::optional<pid_t> owner =
            ReplacementOwner(entry->path().filename().string(), fileName);
        std::error_code failed;
        if (!owner || entry->is_symlink(failed) || !entry->is_regular_file(failed)) continue;
        const auto written = entry->last_write_time(failed);
        const bool abandoned = !failed && now - written > kAbandonedAfter;
        if (abandoned || !ProcessRuns(*owner)) fs::remove(entry->path(), failed);
    }
}
