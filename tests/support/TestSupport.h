#pragma once

#include <sys/stat.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/runtime/MessageBox.h"

// What every kind of test shares: scratch folders, the environment, files,
// polling, a tone to play and the message boxes shown.

using Bytes = std::vector<std::uint8_t>;

// A fresh folder under the system's temporary directory, removed with its
// contents when the object goes.
class TempDir {
  public:
    TempDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "velmar-test-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// Sets an environment variable for the life of the object, then restores it.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) previous_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (previous_) {
            setenv(name_, previous_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    const char* name_;
    std::optional<std::string> previous_;
};

// Collects the texts of the message boxes shown while it lives.
class MessageLog {
  public:
    MessageLog()
        : previous_(SetMessageBoxPresenter(
              [this](const std::string& text, const std::string&) { texts.push_back(text); })) {}
    ~MessageLog() { SetMessageBoxPresenter(previous_); }
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    std::vector<std::string> texts;

  private:
    MessageBoxPresenter previous_;
};

inline void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

inline void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
    WriteFile(path, std::string(bytes.begin(), bytes.end()));
}

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Changes when a file is replaced, not when it is left alone.
inline ino_t InodeOf(const std::filesystem::path& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_ino;
}

// How long a test waits for what must come. Generous: a loaded machine draws
// a few frames a second under the sanitizers, and only a fault takes this long.
constexpr int kPatientMs = 120000;

// Asks until `holds` is true (true) or the time is up (false).
inline bool PollUntil(const std::function<bool()>& holds, int timeoutMs, int everyMs = 20) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!holds()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(everyMs));
    }
    return true;
}

// `ms` milliseconds of a 440 Hz sine, 22050 Hz mono 16-bit, as a RIFF wave file.
inline Bytes ToneWav(std::uint32_t ms, double amplitude = 12000.0) {
    const std::uint32_t rate = 22050;
    const std::uint32_t samples = rate * ms / 1000;
    Bytes wav;
    const auto put = [&wav](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) wav.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    };
    const auto text = [&wav](const char* word) { wav.insert(wav.end(), word, word + 4); };
    text("RIFF");
    put(36 + samples * 2, 4);
    text("WAVE");
    text("fmt ");
    // Chunk size, PCM, mono, rate, bytes a second, bytes a frame, bits a sample.
    for (const auto& [value, bytes] :
         {std::pair{16u, 4}, {1u, 2}, {1u, 2}, {rate, 4}, {rate * 2, 4}, {2u, 2}, {16u, 2}}) {
        put(value, bytes);
    }
    text("data");
    put(samples * 2, 4);
    for (std::uint32_t i = 0; i < samples; ++i) {
        const double value = amplitude * std::sin(2.0 * M_PI * 440.0 * i / rate);
        put(static_cast<std::uint16_t>(static_cast<std::int16_t>(value)), 2);
    }
    return wav;
}
