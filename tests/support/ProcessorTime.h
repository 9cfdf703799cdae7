#pragma once

#include <sys/types.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "support/TestSupport.h"

// The processor time a running program takes, read from /proc.

// User and system time in seconds from a /proc stat file.
inline double StatSeconds(const std::filesystem::path& stat) {
    const std::string text = ReadFile(stat);
    // Fields after the command name, which is in brackets and may hold spaces.
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::vector<std::string> values{std::istream_iterator<std::string>(fields), {}};
    if (values.size() < 13) return 0.0;
    return (std::stod(values[11]) + std::stod(values[12])) / sysconf(_SC_CLK_TCK);
}

// The processor time of the process so far, in seconds, without the media
// engine's threads: the tune plays on whether the tank shows or not.
inline double DrawingSeconds(pid_t pid) {
    const std::filesystem::path process = "/proc/" + std::to_string(pid);
    double seconds = StatSeconds(process / "stat");
    for (const auto& task : std::filesystem::directory_iterator(process / "task")) {
        if (ReadFile(task.path() / "comm").rfind("mpv", 0) == 0)
            seconds -= StatSeconds(task.path() / "stat");
    }
    return seconds;
}

// The share of one processor the process takes for drawing over the next `seconds`.
inline double ProcessorShareOver(pid_t pid, int seconds) {
    const double before = DrawingSeconds(pid);
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    return (DrawingSeconds(pid) - before) / seconds;
}
