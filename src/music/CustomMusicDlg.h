#pragma once

#include <string>
#include <vector>

#include <wx/timer.h>

#include "music/PlayList.h"
#include "settings/FileListDialog.h"

class MediaPlayer;
class MusicHandover;
class wxButton;
class wxCheckBox;
class wxListCtrl;
class wxRadioButton;
class wxSlider;

// The user's own music: the play list, its mode, the volume and the "On/Off"
// box. Made hidden at start-up and kept for the whole run: its 200 ms timer
// drives the play list and tells the hand-over whether the user's music is
// on, shown or not.
class CCustomMusicDlg : public FileListDialog {
  public:
    CCustomMusicDlg(wxWindow* parent, MediaPlayer& player, MusicHandover& handover);

    void AddFiles(const std::vector<std::string>& paths) override;

    const PlayList& List() const { return playList_; }

  private:
    void AddControls();
    void Restore();
    void OnTimer(wxTimerEvent& event);
    void OnRemove(wxCommandEvent& event);
    void SaveList() override;
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
