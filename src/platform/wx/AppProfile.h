#pragma once

#include <string>

// The application profile that stands in for the registry key
// "Local AppWizard-Generated Applications" of the application named kWindowName.
// Only the music volume lives here, and it is only read; every other setting is
// in the settings file.
void SetAppProfileKey(const std::string& vendorKey);
int GetAppProfileInt(const std::string& section, const std::string& entry, int defaultValue);
