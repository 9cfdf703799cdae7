#pragma once

#include <functional>
#include <string>
#include <vector>

#include <wx/dialog.h>

class wxListCtrl;

// Where a dialog's file chooser first opens: the user's folder of that kind.
enum class UserFolder { kMusic, kPictures };

// The frame of the Custom Music and Custom Background dialogs: modeless, made
// when first chosen and kept. Its close box and Escape hide it, give the
// keyboard back to the tank and save its list; Enter does nothing. Files join
// the list from a file chooser (several at once) or dropped from a file
// manager, as UTF-8 paths.
class FileListDialog : public wxDialog {
  public:
    FileListDialog(wxWindow* parent, const wxString& title, UserFolder folder);

    // Centred on the parent.
    void ShowCentred();
    // Adds the files as rows, as the chooser does with the files chosen.
    virtual void AddFiles(const std::vector<std::string>& paths) = 0;

  protected:
    // Writes the list to the settings file (the music dialog its volume too).
    virtual void SaveList() = 0;
    // The chooser with `title` and the wx filter text; the files chosen are
    // added. It opens where files were last chosen in this run, at first in
    // the user's folder of the dialog's kind.
    void ChooseFiles(const wxString& title, const std::string& filter);
    // Files dropped on `target` are added.
    void AcceptDroppedFiles(wxWindow& target);
    // Calls `clicked` with the row under every left click on `rows`, whether
    // or not that row was selected already. Moving the selection with the keys
    // calls nothing: only a click plays a track or shows a picture.
    void OnRowClicks(wxListCtrl& rows, std::function<void(int row)> clicked);
    // The row selected in `rows`, or -1.
    static int SelectedRow(const wxListCtrl& rows);
    // Adds empty rows at the end, so that the ones there keep the user's
    // selection, or starts again with `count` empty rows when there are more.
    static void MatchRowCount(wxListCtrl& rows, int count);

  private:
    void OnCharHook(wxKeyEvent& event);
    void HideAndSave();

    UserFolder folder_;
};
