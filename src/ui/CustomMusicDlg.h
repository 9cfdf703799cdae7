#pragma once

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
// volume and the "On/Off" box. Made hidden once the session starts and kept
// for the whole run; the row painted as playing follows the session's ticks.
class CCustomMusicDlg : public FileListDialog {
  public:
    // The session, which has music, outlives the dialog.
    CCustomMusicDlg(wxWindow* parent, TankSession& session);

    void AddFiles(const std::vector<std::string>& paths) override;

  private:
    void AddControls();
    void OnRemove(wxCommandEvent& event);
    void SaveList() override;
    // Brings every control in line with the play list.
    void Sync();

    PlayList& playList_;
    int shownHighlight_;
    wxListCtrl* list_ = nullptr;
    wxCheckBox* ownMusic_ = nullptr;
    wxRadioButton* modes_[3] = {};
    wxButton* addMusic_ = nullptr;
    wxButton* remove_ = nullptr;
    wxButton* removeAll_ = nullptr;
    wxButton* play_ = nullptr;
    wxSlider* volume_ = nullptr;
};
