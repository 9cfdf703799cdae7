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
    return values.size() < 13
               ? 0.0
               : (std::stod(values[11]) + std::stod(values[12])) / sysconf(_SC_CLK_TCK);
}

// The share of one processor the process takes for drawing over the next
// `seconds`, without the media engine's threads: the tune plays on whether the
// tank shows or not.
inline double ProcessorShareOver(pid_t pid, int seconds) {
    const std::filesystem::path process = "/proc/" + std::to_string(pid);
    const auto drawingSeconds = [&] {
        double total = StatSeconds(process / "stat");
        for (const auto& task : std::filesystem::directory_iterator(process / "task"))
            if (ReadFile(task.path() / "comm").rfind("mpv", 0) == 0)
                total -= StatSeconds(task.path() / "stat");
        return total;
    };
    const double before = drawingSeconds();
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    return (drawingSeconds() - before) / seconds;
}
