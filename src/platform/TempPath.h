#pragma once

// Whether the system names a temporary directory. The aquarium never uses the
// path itself; start-up only refuses to build the scene without one.
bool HasTempPath();
