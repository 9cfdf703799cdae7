#pragma once

#include <functional>
#include <string>
#include <vector>

#include <wx/dialog.h>

class wxListCtrl;

// The frame of the Custom Music and Custom Background dialogs: modeless, made
// hidden at start-up and kept for the whole run. Its close box and Escape hide
// it, give the keyboard back to the tank and save its list; Enter does nothing. Files join the list
// from a file chooser (several at once) or dropped from a file manager, as UTF-8 paths.
class FileListDialog : public wxDialog {
  public:
    FileListDialog(wxWindow* parent, const wxString& title);

    // Centred on the parent.
    void ShowCentred();
    // Adds the files as rows, as the chooser does with the files chosen.
    virtual void AddFiles(const std::vector<std::string>& paths) = 0;

  protected:
    // Writes the list to the settings file (the music dialog its volume too).
    virtual void SaveList() = 0;
    // The chooser with `title` and the wx filter text; the files chosen are added.
    void ChooseFiles(const wxString& title, const std::string& filter);
    // Files dropped on `target` are added.
    void AcceptDroppedFiles(wxWindow& target);
    // Calls `clicked` with the row under every left click on `rows`, whether
    // or not that row was selected already. Moving the selection with the keys
    // calls nothing: only a click plays a track or shows a picture.
    void OnRowClicks(wxListCtrl& rows, std::function<void(int row)> clicked);

  private:
    void OnCharHook(wxKeyEvent& event);
    void HideAndSave();
};
