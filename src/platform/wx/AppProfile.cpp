#include "platform/wx/AppProfile.h"

#include <wx/config.h>

#include "platform/ProgramNames.h"

namespace {
std::string& VendorKey() {
    static std::string key;
    return key;
}

wxString EntryPath(const std::string& section, const std::string& entry) {
    return "/" + wxString::FromUTF8(section) + "/" + wxString::FromUTF8(entry);
}
}  // namespace

void SetAppProfileKey(const std::string& vendorKey) {
    VendorKey() = vendorKey;
}

int GetAppProfileInt(const std::string& section, const std::string& entry, int defaultValue) {
    wxConfig config(kWindowName, wxString::FromUTF8(VendorKey()));
    long value = defaultValue;
    config.Read(EntryPath(section, entry), &value, defaultValue);
    return static_cast<int>(value);
}

bool WriteAppProfileInt(const std::string& section, const std::string& entry, int value) {
    wxConfig config(kWindowName, wxString::FromUTF8(VendorKey()));
    return config.Write(EntryPath(section, entry), static_cast<long>(value)) && config.Flush();
}
