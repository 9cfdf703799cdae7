#pragma once

#include <string>

// A line a second of the frames drawn and the texture and display-list objects
// alive in the current GL context, appended to a file, for long runs that
// watch for leaks.
class GlObjectReport {
  public:
    explicit GlObjectReport(std::string path) : path_(std::move(path)) {}

    // After each frame, with its context still current; `nowMs` on a steady clock.
    void AfterFrame(double nowMs);

  private:
    std::string path_;
    long frames_ = 0;
    double lastReportMs_ = -1.0;
    // Object names are searched up to the highest one seen alive plus a margin,
    // so the search follows names as the driver hands out higher ones.
    unsigned highestTexture_ = 0;
    unsigned highestList_ = 0;
};
