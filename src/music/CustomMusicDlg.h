#pragma once

#include <string>
#include <vector>

#include <wx/dialog.h>
#include <wx/timer.h>

#include "music/PlayList.h"

class MediaPlayer;
class MusicHandover;
class wxButton;
class wxCheckBox;
class wxListCtrl;
class wxListEvent;
class wxRadioButton;
class wxSlider;

// The user's own music: the play list, its mode, the volume and the "On/Off"
// box. Made hidden at start-up and kept for the whole run: its 200 ms timer
// drives the play list and tells the hand-over whether the user's music is
// on, shown or not. Hiding it writes the list to the settings file.
class CCustomMusicDlg : public wxDialog {
  public:
    CCustomMusicDlg(wxWindow* parent, MediaPlayer& player, MusicHandover& handover);

    // Centred on the parent.
    void ShowCentred();
    // Adds the files as rows, as "Add Music" does with the files chosen.
    void AddFiles(const std::vector<std::string>& paths);

    const PlayList& List() const { return playList_; }

  private:
    void AddControls();
    void Restore();
    void OnTimer(wxTimerEvent& event);
    void OnAddMusic(wxCommandEvent& event);
    void OnRemove(wxCommandEvent& event);
    void OnRowClicked(wxListEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void HideAndSave();
    // Brings every control in line with the play list.
    void Sync();

    PlayList playList_;
    MusicHandover& handover_;
    wxTimer timer_;
    wxListCtrl* list_ = nullptr;
    wxCheckBox* ownMusic_ = nullptr;
    wxRadioButton* modes_[3] = {};
    wxButton* addMusic_ = nullptr;
    wxButton* remove_ = nullptr;
    wxButton* removeAll_ = nullptr;
    wxButton* play_ = nullptr;
    wxSlider* volume_ = nullptr;
};
