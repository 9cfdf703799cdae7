#pragma once

#include <functional>
#include <string>
#include <vector>

#include <wx/timer.h>

#include "settings/CustomBackgroundList.h"
#include "settings/FileListDialog.h"

class wxCheckBox;
class wxListCtrl;
class wxRadioButton;
class wxTextCtrl;

// The user's own background pictures: the list, its play mode, the interval
// and the "Use your own image" box. Made hidden at start-up and kept for the
// whole run: its 200 ms timer switches the pictures whether it is shown or not
// and hands the choice to the scene.
class CCustomBackgroundDlg : public FileListDialog {
  public:
    // The picture the scene shows: the box's state and the current texture.
    using PictureChanged = std::function<void(bool on, unsigned texture)>;

    // Pictures load through `loader`, which must outlive the dialog's timer.
    CCustomBackgroundDlg(wxWindow* parent, PictureTextureLoader& loader,
                         PictureChanged pictureChanged);

    void AddFiles(const std::vector<std::string>& paths) override;

    const CustomBackgroundList& List() const { return list_; }

  private:
    void AddControls();
    void OnTimer(wxTimerEvent& event);
    void SaveList() override;
    int SelectedRow() const;
    // Brings the rows and their states in line with the list, and hands the
    // picture on.
    void Sync();

    CustomBackgroundList list_;
    PictureChanged pictureChanged_;
    wxTimer timer_;
    wxListCtrl* rows_ = nullptr;
    wxCheckBox* ownImage_ = nullptr;
    wxRadioButton* modes_[3] = {};
    wxTextCtrl* interval_ = nullptr;
};
