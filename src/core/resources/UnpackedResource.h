#pragma once

#include <functional>
#include <string>

// The one way every caller uses an embedded resource: unpack resource `id`
// under `name` into `dir` (from GetWorkDir), hand the plain copy's path to
// `use` (a loader), then delete both unpacked copies. When the resource does
// not exist `use` still runs and finds no file, so its texture stays empty.
void UseUnpackedResource(int id, const std::string& dir, const std::string& name,
                         const std::function<void(const std::string& plainPath)>& use);
