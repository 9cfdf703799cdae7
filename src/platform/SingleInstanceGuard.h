#pragma once

#include <memory>
#include <string>

class wxSingleInstanceChecker;

// A named guard held for the life of the process, standing in for an initially
// owned named mutex. The operating system drops it when the process ends.
class SingleInstanceGuard {
  public:
    explicit SingleInstanceGuard(const std::string& name);
    ~SingleInstanceGuard();

    // True when another running copy already holds a guard of this name.
    bool AlreadyHeldElsewhere() const;

  private:
    std::unique_ptr<wxSingleInstanceChecker> checker_;
};
