#pragma once

#include <string>

// A folder of this process's own under the system's temporary directory: an
// unpredictable name, readable by its owner only, removed with everything in
// it when the object goes. Copies of the program running side by side never
// share one.
class PrivateTempDir {
  public:
    PrivateTempDir();
    ~PrivateTempDir();
    PrivateTempDir(const PrivateTempDir&) = delete;
    PrivateTempDir& operator=(const PrivateTempDir&) = delete;

    bool Ok() const { return !path_.empty(); }
    // With a trailing '/'; empty when the folder could not be made.
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};
