#include "resources/DialogArtwork.h"

wxImage FishSettingsPanelImage() {
    wxImage panel(500, 512);
    panel.SetRGB(wxRect(0, 0, 500, 512), 40, 110, 160);
    return panel;
}
