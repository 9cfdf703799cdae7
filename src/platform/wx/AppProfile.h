#pragma once

#include <string>

// The application profile that stands in for the registry key
// "Local AppWizard-Generated Applications" of the application named kWindowName.
// Only the music volume lives here; every other setting is in the settings file.
void SetAppProfileKey(const std::string& vendorKey);
int GetAppProfileInt(const std::string& section, const std::string& entry, int defaultValue);
bool WriteAppProfileInt(const std::string& section, const std::string& entry, int value);
