#pragma once

#include <string>

// A named guard held for the life of the process, standing in for an initially
// owned named mutex: an exclusive lock on a file of this user's in
// $XDG_RUNTIME_DIR (the temporary folder without one). The kernel drops the
// lock with the process however it ends, so a file left behind never blocks a
// later start.
class SingleInstanceGuard {
  public:
    explicit SingleInstanceGuard(const std::string& name);
    ~SingleInstanceGuard();
    SingleInstanceGuard(const SingleInstanceGuard&) = delete;
    SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;

    // True when another running copy already holds a guard of this name. A
    // lock file that cannot be opened guards nothing: the program runs.
    bool AlreadyHeldElsewhere() const { return heldElsewhere_; }

  private:
    int fd_ = -1;
    bool heldElsewhere_ = false;
};
