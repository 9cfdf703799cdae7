#pragma once

#include <wx/iconbndl.h>

// The program's own icon at every size it carries (16 to 256 pixels), for its
// window: task bars and window switchers pick the size they show.
wxIconBundle AppIconBundle();
