#include "platform/wx/DisplayGeometry.h"

#include <wx/display.h>

wxRect DisplayGeometryOf(const wxWindow* window) {
    int index = window ? wxDisplay::GetFromWindow(window) : wxNOT_FOUND;
    if (index == wxNOT_FOUND) index = 0;
    return wxDisplay(static_cast<unsigned>(index)).GetGeometry();
}
