#include "platform/wx/AppProfile.h"

#include <wx/config.h>

#include "platform/ProgramNames.h"

namespace {
std::string& VendorKey() {
    static std::string key;
    return key;
}

const char kVolumeEntry[] = "/Settings/Volume";
}  // namespace

void SetAppProfileKey(const std::string& vendorKey) {
    VendorKey() = vendorKey;
}

int MusicVolume() {
    wxConfig config(kWindowName, wxString::FromUTF8(VendorKey()));
    long volume = 1000;
    config.Read(kVolumeEntry, &volume, 1000L);
    return static_cast<int>(volume);
}

void SaveMusicVolume(int volume) {
    wxConfig config(kWindowName, wxString::FromUTF8(VendorKey()));
    config.Write(kVolumeEntry, static_cast<long>(volume));
    config.Flush();
}
