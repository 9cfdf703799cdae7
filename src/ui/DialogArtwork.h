#pragma once

#include <wx/image.h>

// The Fish Settings dialog's picture panel: the ten species in a 5 x 2 grid of
// 100 x 90 cells in species order (species 0 top-left, 4 top-right, 5..9 on
// the second row), on a 500 x 512 picture. An invalid image when the program
// carries no panel.
wxImage FishSettingsPanelImage();
