#include "platform/ScreenSize.h"

#include <wx/display.h>

ScreenSize ScreenSizeOf(const wxWindow* window) {
    int index = window ? wxDisplay::GetFromWindow(window) : wxNOT_FOUND;
    if (index == wxNOT_FOUND) index = 0;
    const wxRect geometry = wxDisplay(static_cast<unsigned>(index)).GetGeometry();
    return {geometry.GetWidth(), geometry.GetHeight()};
}
