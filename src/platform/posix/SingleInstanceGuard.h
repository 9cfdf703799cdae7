#pragma once

#include <string>

// A named guard held for the life of the process, standing in for an initially
// owned named mutex: an abstract Unix socket named after the user id, the
// guard's name and the X display, so every start of one user on one display
// finds it whatever else its environment says (no folder that a variable
// names, no file). The kernel drops it with the process however it ends; a
// child forked without exec does not hold it.
class SingleInstanceGuard {
  public:
    // `display`: the X display the copy shows on, as $DISPLAY names it.
    SingleInstanceGuard(const std::string& name, const std::string& display);
    ~SingleInstanceGuard();
    SingleInstanceGuard(const SingleInstanceGuard&) = delete;
    SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;

    // True when another running copy already holds a guard of this name. A
    // socket that cannot be made guards nothing: the program runs.
    bool AlreadyHeldElsewhere() const { return heldElsewhere_; }

  private:
    int fd_ = -1;
    bool heldElsewhere_ = false;
};

// One display under each of its names: ":0", ":0.0" and "unix:0" are the same
// local display; another host's stays its own.
std::string DisplayGuardScope(const std::string& display);
