#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ui/FileListDialog.h"

class PlayList;
class TankSession;
class wxButton;
class wxCheckBox;
class wxListCtrl;
class wxRadioButton;
class wxSlider;

// The user's own music, as the session has it: the play list, its mode, the
// volume and the "On/Off" box. The buttons act on the row the list shows
// selected. The row painted as playing, and the selection with it, follow the
// session's ticks.
class CCustomMusicDlg : public FileListDialog {
  public:
    // The session, which has music, outlives the dialog.
    CCustomMusicDlg(wxWindow* parent, TankSession& session);

    void AddFiles(const std::vector<std::string>& paths) override;

  private:
    void AddControls();
    void OnRemove(wxCommandEvent& event);
    void SaveList() override;
    // What the engine's answers changed since the last tick.
    void FollowTick();
    // Brings every control in line with the play list.
    void Sync();
    // Selects `row`, or none for kNoRow.
    void ShowSelection(int row);

    PlayList& playList_;
    int shownHighlight_;
    bool shownPlaying_;
    wxListCtrl* list_ = nullptr;
    wxCheckBox* ownMusic_ = nullptr;
    wxRadioButton* modes_[3] = {};
    wxButton* addMusic_ = nullptr;
    wxButton* remove_ = nullptr;
    wxButton* removeAll_ = nullptr;
    wxButton* play_ = nullptr;
    wxSlider* volume_ = nullptr;
};
