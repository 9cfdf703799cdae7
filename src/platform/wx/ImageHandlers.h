#pragma once

#include <wx/image.h>

// Adds the toolkit's reader of `type`'s pictures unless it is there: wx says
// on standard error when a reader is added twice, as adding all of them at
// once over one added before does.
void NeedImageHandler(wxBitmapType type);
