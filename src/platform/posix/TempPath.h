#pragma once

// Whether the system names a temporary directory. The aquarium never uses the
// path itself; start-up only refuses to build the scene without one.
bool HasTempPath();

// The one message for a temporary path (or work folder) that cannot be had:
// "Error Find TempPath." with the caption "ERROR".
void ReportNoTempPath();
