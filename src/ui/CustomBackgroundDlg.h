#pragma once

#include <string>
#include <vector>

#include "ui/FileListDialog.h"

class CustomBackgroundList;
class TankSession;

class wxCheckBox;
class wxListCtrl;
class wxRadioButton;
class wxTextCtrl;

// The user's own background pictures, as the session has them: the list, its
// play mode, the interval and the "Use your own image" box. Made hidden once
// the session starts and kept for the whole run; the rows' states follow the
// session's ticks.
class CCustomBackgroundDlg : public FileListDialog {
  public:
    // The session outlives the dialog.
    CCustomBackgroundDlg(wxWindow* parent, TankSession& session);

    void AddFiles(const std::vector<std::string>& paths) override;

  private:
    void AddControls();
    void SaveList() override;
    // Brings the rows and their states in line with the list.
    void Sync();

    CustomBackgroundList& list_;
    wxListCtrl* rows_ = nullptr;
    wxCheckBox* ownImage_ = nullptr;
    wxRadioButton* modes_[3] = {};
    wxTextCtrl* interval_ = nullptr;
};
