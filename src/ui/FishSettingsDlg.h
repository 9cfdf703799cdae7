#pragma once

#include <array>
#include <functional>

#include <wx/bitmap.h>
#include <wx/dialog.h>
#include <wx/image.h>
#include <wx/timer.h>

#include "core/dialogs/FishSettingsModel.h"

class wxStaticText;

// How many fish of each species swim. The counts go live twice a second:
// written to the settings file and handed to the school, so the tank fills and
// empties behind the dialog. Closing it saves once more; Cancel keeps what the
// last save wrote.
class CFishSettingsDlg : public wxDialog {
  public:
    using CountsSink = std::function<void(const std::array<int, kSpeciesCount>&)>;

    // Starts from the counts the school swims with; `applyCounts` puts the
    // counts into the school at every save, whether or not the file takes them.
    CFishSettingsDlg(wxWindow* parent, const std::array<int, kSpeciesCount>& swimming,
                     CountsSink applyCounts);

  private:
    void AddControls();
    void OnPaint(wxPaintEvent& event);
    void OnLeftDown(wxMouseEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void OnClose(wxCloseEvent& event);
    void Act(char action);
    void Save();
    void Finish(int result);
    void RefreshCell(int species);
    void RefreshCountCorners();
    void RefreshTotal();
    // The picture panel with the counts and the inverted oval, at the screen's
    // pixel density.
    wxBitmap ComposePanel() const;

    FishSettingsModel model_;
    CountsSink applyCounts_;
    wxTimer saveTimer_;
    wxStaticText* total_ = nullptr;
    wxImage panel_;  // scaled once for the screen
    double scale_ = 1.0;
};
