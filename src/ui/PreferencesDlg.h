#pragma once

#include <functional>
#include <string>
#include <vector>

#include <wx/dialog.h>

#include "core/dialogs/PreferencesModel.h"

class wxCheckBox;
class wxChoice;
class wxColourPickerCtrl;
class wxRadioButton;
class wxSlider;

// Everything the tank shows and plays beyond the fish, the music and the
// pictures, in the desktop's own look. Each change is handed on at once, so
// the tank behind shows it; what the dialog ends with is the caller's to keep
// (OK) or to put back (Cancel, Escape, the window's close).
class CPreferencesDlg : public wxDialog {
  public:
    // `monitorNames` in RandR's order, for the placement's choice.
    CPreferencesDlg(wxWindow* parent, const Preferences& shown,
                    const std::vector<std::string>& monitorNames,
                    std::function<void(const Preferences&)> onChange);

    const Preferences& Chosen() const { return chosen_; }

  private:
    wxSizer* TankControls();
    wxSizer* SoundControls();
    wxSizer* StartControls(const std::vector<std::string>& monitorNames);
    // Reads every control into `chosen_` and hands it on.
    void Changed();
    void EnableDependents();

    Preferences chosen_;
    std::function<void(const Preferences&)> onChange_;
    wxCheckBox* wall_ = nullptr;
    wxRadioButton* black_ = nullptr;
    wxRadioButton* gradient_ = nullptr;
    wxColourPickerCtrl* topColour_ = nullptr;
    wxColourPickerCtrl* bottomColour_ = nullptr;
    wxSlider* light_ = nullptr;
    wxSlider* bubbles_ = nullptr;
    wxCheckBox* helpText_ = nullptr;
    wxCheckBox* dayNight_ = nullptr;
    wxCheckBox* clock_ = nullptr;
    wxCheckBox* tune_ = nullptr;
    wxSlider* tuneLevel_ = nullptr;
    wxCheckBox* wallpaperMusic_ = nullptr;
    wxChoice* placement_ = nullptr;
    int placementShown_ = 0;  // a choice left alone keeps the placement as it was
    wxChoice* frameRate_ = nullptr;
};
