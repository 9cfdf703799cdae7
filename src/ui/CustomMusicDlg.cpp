#include "ui/CustomMusicDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/listctrl.h>
#include <wx/radiobut.h>
#include <wx/slider.h>
#include <wx/statbox.h>

#include "core/music/PlayList.h"
#include "core/session/TankSession.h"
#include "core/settings/StartupSettings.h"
#include "platform/ProgramNames.h"
#include "platform/runtime/MessageBox.h"
#include "platform/runtime/Translation.h"
#include "platform/wx/AppProfile.h"
#include "ui/DialogControlIds.h"

namespace {
const wxColour kListBackground(207, 184, 130);
const wxColour kRowBackground(196, 184, 130);
const wxColour kPlayingRow(0, 255, 0);
const wxColour kRowText(0, 0, 255);
std::string MusicFilter() {
    return "(*.mp3;*.wav;*.mpeg)|*.mp3;*.wav;*.mpeg|" + Tr("Other audio") +
           " (*.ogg;*.flac;*.opus;*.m4a)|*.ogg;*.flac;*.opus;*.m4a";
}
}  // namespace

CCustomMusicDlg::CCustomMusicDlg(wxWindow* parent, TankSession& session)
    : FileListDialog(parent, wxString::FromUTF8(DialogTitle(N_("Custom Music")))),
      playList_(*session.Music()),
      shownHighlight_(playList_.HighlightedIndex()) {
    AddControls();
    volume_->SetValue(playList_.Volume());
    Sync();
    session.AfterEachTick([this] {
        if (playList_.HighlightedIndex() != shownHighlight_) Sync();
    });
}

void CCustomMusicDlg::AddControls() {
    const auto at = [this](int x, int y) { return ConvertDialogToPixels(wxPoint(x, y)); };
    const auto size = [this](int w, int h) { return ConvertDialogToPixels(wxSize(w, h)); };
    new wxStaticBox(this, wxID_ANY, _("Use your own music"), at(10, 10), size(79, 22));
    ownMusic_ = new wxCheckBox(this, music_ids::kOwnMusic, _("On/Off"), at(17, 19), size(54, 12));
    new wxStaticBox(this, wxID_ANY, _("Play Modes"), at(95, 10), size(212, 22));
    const wxString modeTexts[] = {_("Repeat One"), _("Repeat All"), _("Random")};
    const int modeX[] = {100, 186, 262};
    const int modeWidth[] = {58, 53, 41};
    for (int mode = 0; mode < 3; ++mode) {
        modes_[mode] = new wxRadioButton(this, music_ids::kFirstMode + mode, modeTexts[mode],
                                         at(modeX[mode], 20), size(modeWidth[mode], 10),
                                         mode == 0 ? wxRB_GROUP : 0);
        modes_[mode]->Bind(wxEVT_RADIOBUTTON, [this, mode](wxCommandEvent&) {
            playList_.SetMode(static_cast<PlayList::PlayMode>(mode));
        });
    }
    list_ =
        new wxListCtrl(this, music_ids::kList, at(15, 44), size(250, 95),
                       wxLC_REPORT | wxLC_SINGLE_SEL | wxLC_HRULES | wxLC_VRULES | wxBORDER_SIMPLE);
    list_->SetBackgroundColour(kListBackground);
    list_->AppendColumn(_("Music List"), wxLIST_FORMAT_CENTRE, 500);
    AcceptDroppedFiles(*list_);
    OnRowClicks(*list_, [this](int row) {
        playList_.ClickRow(row);
        Sync();
    });

    addMusic_ = new wxButton(this, music_ids::kAddMusic, _("Add Music"), at(270, 44), size(38, 11));
    remove_ = new wxButton(this, music_ids::kRemove, _("Remove"), at(270, 57), size(38, 11));
    removeAll_ =
        new wxButton(this, music_ids::kRemoveAll, _("Remove All"), at(270, 70), size(38, 11));
    play_ = new wxButton(this, music_ids::kPlay, _("Play"), at(270, 83), size(38, 11));
    auto* stop = new wxButton(this, music_ids::kStop, _("Stop"), at(270, 97), size(38, 11));
    new wxStaticBox(this, wxID_ANY, _("Volume"), at(270, 113), size(38, 26));
    volume_ = new wxSlider(this, music_ids::kVolume, 1000, 0, 1000, at(271, 122), size(33, 13));

    addMusic_->Bind(wxEVT_BUTTON,
                    [this](wxCommandEvent&) { ChooseFiles(_("Add Music"), MusicFilter()); });
    remove_->Bind(wxEVT_BUTTON, &CCustomMusicDlg::OnRemove, this);
    removeAll_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        playList_.RemoveAllRows();
        Sync();
    });
    play_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        playList_.Play();
        Sync();
    });
    stop->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        playList_.Stop();
        Sync();
    });
    ownMusic_->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) {
        playList_.SetOwnMusic(ownMusic_->GetValue());
        Sync();
    });
    volume_->Bind(wxEVT_SLIDER,
                  [this](wxCommandEvent&) { playList_.SetVolume(volume_->GetValue()); });
    SetClientSize(size(317, 151));
}

void CCustomMusicDlg::AddFiles(const std::vector<std::string>& paths) {
    // Rows change only while nothing plays, as the disabled buttons say.
    if (playList_.Playing()) return;
    for (const std::string& path : paths) playList_.AddRow(path);
    Sync();
}

void CCustomMusicDlg::OnRemove(wxCommandEvent&) {
    if (!playList_.RemoveSelectedRow()) {
        ShowMessageBox(Tr("Please select an item from the music list!"), "");
        return;
    }
    Sync();
}

void CCustomMusicDlg::SaveList() {
    SaveCustomMusic(playList_.Saved());
    SaveMusicVolume(playList_.Volume());
}

void CCustomMusicDlg::Sync() {
    shownHighlight_ = playList_.HighlightedIndex();
    const std::vector<std::string>& rows = playList_.Rows();
    if (list_->GetItemCount() != static_cast<int>(rows.size())) {
        list_->DeleteAllItems();
        for (const std::string& row : rows) {
            list_->InsertItem(list_->GetItemCount(), wxString::FromUTF8(row));
        }
    }
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        list_->SetItemText(row, wxString::FromUTF8(rows[row]));
        list_->SetItemTextColour(row, kRowText);
        list_->SetItemBackgroundColour(
            row, row == playList_.HighlightedIndex() ? kPlayingRow : kRowBackground);
        const bool selected = row == playList_.SelectedRow();
        list_->SetItemState(row, selected ? wxLIST_STATE_SELECTED : 0, wxLIST_STATE_SELECTED);
    }
    ownMusic_->SetValue(playList_.OwnMusicOn());
    modes_[playList_.Mode()]->SetValue(true);
    const bool stopped = !playList_.Playing();
    for (wxButton* button : {addMusic_, remove_, removeAll_, play_}) button->Enable(stopped);
}
