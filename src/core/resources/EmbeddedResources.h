#pragma once

#include <string>

// Unpacks the embedded resource `id` (type "RCAD") to dir + name + ".ad" and
// unscrambles it to dir + name + ".bmp" (".wav" for the name "Music").
// Returns false, writing nothing, when there is no such resource.
bool ExtractResource(int id, const std::string& dir, const std::string& name);
