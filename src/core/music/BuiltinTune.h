#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The built-in tune's wave file, unpacked from the program through the work
// folder `dir` (the unpacked copies are deleted again); empty when it cannot
// be had.
std::vector<std::uint8_t> BuiltinTuneWav(const std::string& dir);
