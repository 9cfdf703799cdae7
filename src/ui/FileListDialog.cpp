#include "ui/FileListDialog.h"

#include <glib.h>

#include <wx/dnd.h>
#include <wx/filedlg.h>
#include <wx/filefn.h>
#include <wx/listctrl.h>
#include <wx/utils.h>

#include "core/settings/FileFilter.h"

namespace {
// The desktop's Music or Pictures folder (the XDG user directory), else home.
wxString UserFolderPath(UserFolder kind) {
    const char* folder = g_get_user_special_dir(
        kind == UserFolder::kMusic ? G_USER_DIRECTORY_MUSIC : G_USER_DIRECTORY_PICTURES);
    if (folder && wxDirExists(wxString::FromUTF8(folder))) return wxString::FromUTF8(folder);
    return wxGetHomeDir();
}

// Where files of each kind were last chosen in this run, by any tank's dialog.
wxString& LastFolder(UserFolder kind) {
    static wxString last[2];
    return last[kind == UserFolder::kMusic ? 0 : 1];
}

std::vector<std::string> Utf8Paths(const wxArrayString& paths) {
    std::vector<std::string> utf8;
    for (const wxString& path : paths) utf8.push_back(path.utf8_string());
    return utf8;
}

class FileDropTarget : public wxFileDropTarget {
  public:
    explicit FileDropTarget(FileListDialog& dialog) : dialog_(dialog) {}
    bool OnDropFiles(wxCoord, wxCoord, const wxArrayString& files) override {
        dialog_.AddFiles(Utf8Paths(files));
        return true;
    }

  private:
    FileListDialog& dialog_;
};
}  // namespace

FileListDialog::FileListDialog(wxWindow* parent, const wxString& title, UserFolder folder)
    : wxDialog(parent, wxID_ANY, title), folder_(folder) {
    Bind(wxEVT_CHAR_HOOK, &FileListDialog::OnCharHook, this);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { HideAndSave(); });
}

void FileListDialog::ShowCentred() {
    CentreOnParent();
    Show();
    Raise();
}

void FileListDialog::ChooseFiles(const wxString& title, const std::string& filter) {
    wxString& last = LastFolder(folder_);
    const wxString start = wxDirExists(last) ? last : UserFolderPath(folder_);
    wxFileDialog chooser(this, title, start, "", wxString::FromUTF8(WithUpperCasePatterns(filter)),
                         wxFD_OPEN | wxFD_MULTIPLE | wxFD_FILE_MUST_EXIST);
    if (chooser.ShowModal() != wxID_OK) return;
    last = chooser.GetDirectory();
    wxArrayString paths;
    chooser.GetPaths(paths);
    AddFiles(Utf8Paths(paths));
}

void FileListDialog::AcceptDroppedFiles(wxWindow& target) {
    target.SetDropTarget(new FileDropTarget(*this));
}

void FileListDialog::OnRowClicks(wxListCtrl& rows, std::function<void(int row)> clicked) {
    // The rows are drawn in a window of their own inside the list, below its
    // header, which is where the clicks land.
    wxWindow* rowWindow = &rows;
    for (wxWindow* child : rows.GetChildren()) {
        if (child->GetClassInfo()->GetClassName() == wxString("wxListMainWindow"))
            rowWindow = child;
    }
    rowWindow->Bind(wxEVT_LEFT_DOWN, [this, &rows, clicked](wxMouseEvent& event) {
        event.Skip();
        int flags = 0;
        const long row = rows.HitTest(event.GetPosition(), flags);
        // Once the list has selected the row itself.
        if (row >= 0) CallAfter([clicked, row] { clicked(static_cast<int>(row)); });
    });
}

int FileListDialog::SelectedRow(const wxListCtrl& rows) {
    return static_cast<int>(rows.GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED));
}

void FileListDialog::MatchRowCount(wxListCtrl& rows, int count) {
    if (rows.GetItemCount() > count) rows.DeleteAllItems();
    while (rows.GetItemCount() < count) rows.InsertItem(rows.GetItemCount(), "");
}

void FileListDialog::OnCharHook(wxKeyEvent& event) {
    switch (event.GetKeyCode()) {
        case WXK_ESCAPE:
            HideAndSave();
            return;
        case WXK_RETURN:
        case WXK_NUMPAD_ENTER:
            return;
        default:
            event.Skip();
    }
}

// The window behind takes the keyboard back, whatever the window manager (or
// none) would give it to.
void FileListDialog::HideAndSave() {
    Hide();
    if (wxWindow* owner = GetParent()) owner->Raise();
    SaveList();
}
