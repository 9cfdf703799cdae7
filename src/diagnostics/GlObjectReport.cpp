#include "diagnostics/GlObjectReport.h"

#include <cstdio>

#include <GL/gl.h>

namespace {
constexpr double kReportPeriodMs = 1000.0;
constexpr unsigned kNameMargin = 4096;

// The names up to `highest` plus the margin that `isObject` knows; `highest`
// becomes the highest of them.
template <typename IsObject>
long CountAlive(IsObject isObject, unsigned& highest) {
    long alive = 0;
    const unsigned limit = highest + kNameMargin;
    for (unsigned name = 1; name <= limit; ++name) {
        if (isObject(name) == GL_TRUE) {
            ++alive;
            highest = name;
        }
    }
    return alive;
}
}  // namespace

void GlObjectReport::AfterFrame(double nowMs) {
    ++frames_;
    if (lastReportMs_ >= 0.0 && nowMs - lastReportMs_ < kReportPeriodMs) return;
    lastReportMs_ = nowMs;
    const long textures =
        CountAlive([](GLuint name) { return glIsTexture(name); }, highestTexture_);
    const long lists = CountAlive([](GLuint name) { return glIsList(name); }, highestList_);
    if (std::FILE* file = std::fopen(path_.c_str(), "a")) {
        std::fprintf(file, "frames=%ld textures=%ld lists=%ld\n", frames_, textures, lists);
        std::fclose(file);
    }
}
