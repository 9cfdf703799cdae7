#include "ui/CustomMusicDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/listctrl.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
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
// The list and the volume slider, in pixels: the list as designed, the slider
// long enough to set a level out of 1000.
const wxSize kListSize(375, 154);
constexpr int kVolumeWidth = 150;
// GTK leaves a group box's label out of its size.
void MakeRoomForLabel(wxStaticBoxSizer& box) {
    const wxStaticBox* frame = box.GetStaticBox();
    box.SetMinSize(frame->GetTextExtent(frame->GetLabel()).x + 4 * wxSizerFlags::GetDefaultBorder(),
                   -1);
}

std::string MusicFilter() {
    const std::string kinds = "*.mp3;*.wav;*.mpeg;*.ogg;*.flac;*.opus;*.m4a";
    return "(" + kinds + ")|" + kinds + "|" + Tr("All files") + " (*)|*";
}
}  // namespace

CCustomMusicDlg::CCustomMusicDlg(wxWindow* parent, TankSession& session)
    : FileListDialog(parent, wxString::FromUTF8(DialogTitle(N_("Custom Music"))),
                     UserFolder::kMusic),
      playList_(*session.Music()),
      shownHighlight_(playList_.HighlightedIndex()),
      shownPlaying_(playList_.Playing()) {
    AddControls();
    volume_->SetValue(playList_.Volume());
    Sync();
    session.AfterEachTick([this] { FollowTick(); });
}

void CCustomMusicDlg::AddControls() {
    auto* own = new wxStaticBoxSizer(wxVERTICAL, this, _("Use your own music"));
    ownMusic_ = new wxCheckBox(own->GetStaticBox(), music_ids::kOwnMusic, _("On/Off"));
    own->Add(ownMusic_, wxSizerFlags(1).Border());
    MakeRoomForLabel(*own);
    auto* modes = new wxStaticBoxSizer(wxHORIZONTAL, this, _("Play Modes"));
    const wxString modeTexts[] = {_("Repeat One"), _("Repeat All"), _("Random")};
    for (int mode = 0; mode < 3; ++mode) {
        modes_[mode] =
            new wxRadioButton(modes->GetStaticBox(), music_ids::kFirstMode + mode, modeTexts[mode],
                              wxDefaultPosition, wxDefaultSize, mode == 0 ? wxRB_GROUP : 0);
        modes_[mode]->Bind(wxEVT_RADIOBUTTON, [this, mode](wxCommandEvent&) {
            playList_.SetMode(static_cast<PlayList::PlayMode>(mode));
        });
        modes->Add(modes_[mode], wxSizerFlags(1).Border());
    }
    MakeRoomForLabel(*modes);
    auto* boxes = new wxBoxSizer(wxHORIZONTAL);
    boxes->Add(own, wxSizerFlags().Expand());
    boxes->Add(modes, wxSizerFlags(1).Expand().Border(wxLEFT));

    list_ =
        new wxListCtrl(this, music_ids::kList, wxDefaultPosition, kListSize,
                       wxLC_REPORT | wxLC_SINGLE_SEL | wxLC_HRULES | wxLC_VRULES | wxBORDER_SIMPLE);
    list_->SetBackgroundColour(kListBackground);
    list_->AppendColumn(_("Music List"), wxLIST_FORMAT_CENTRE, 500);
    AcceptDroppedFiles(*list_);
    OnRowClicks(*list_, [this](int row) {
        playList_.ClickRow(row);
        Sync();
    });

    auto* side = new wxBoxSizer(wxVERTICAL);
    const auto addButton = [this, side](int id, const wxString& label) {
        auto* button = new wxButton(this, id, label);
        side->Add(button, wxSizerFlags().Expand().Border(wxBOTTOM, 2));
        return button;
    };
    addMusic_ = addButton(music_ids::kAddMusic, _("Add Music"));
    remove_ = addButton(music_ids::kRemove, _("Remove"));
    removeAll_ = addButton(music_ids::kRemoveAll, _("Remove All"));
    play_ = addButton(music_ids::kPlay, _("Play"));
    wxButton* stop = addButton(music_ids::kStop, _("Stop"));
    auto* volume = new wxStaticBoxSizer(wxVERTICAL, this, _("Volume"));
    volume_ = new wxSlider(volume->GetStaticBox(), music_ids::kVolume, 1000, 0, 1000,
                           wxDefaultPosition, wxSize(kVolumeWidth, -1));
    volume->Add(volume_, wxSizerFlags().Expand());
    MakeRoomForLabel(*volume);
    side->AddStretchSpacer();
    side->Add(volume, wxSizerFlags().Expand());
    auto* rows = new wxBoxSizer(wxHORIZONTAL);
    rows->Add(list_, wxSizerFlags(1).Expand());
    rows->Add(side, wxSizerFlags().Expand().Border(wxLEFT));

    auto* page = new wxBoxSizer(wxVERTICAL);
    page->Add(boxes, wxSizerFlags().Expand().Border());
    page->Add(rows, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM));
    SetSizerAndFit(page);

    addMusic_->Bind(wxEVT_BUTTON,
                    [this](wxCommandEvent&) { ChooseFiles(_("Add Music"), MusicFilter()); });
    remove_->Bind(wxEVT_BUTTON, &CCustomMusicDlg::OnRemove, this);
    removeAll_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        playList_.RemoveAllRows();
        Sync();
    });
    play_->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        playList_.Play(SelectedRow(*list_));
        Sync();
    });
    stop->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        playList_.Stop();
        Sync();
    });
    ownMusic_->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) {
        playList_.SetOwnMusic(ownMusic_->GetValue(), SelectedRow(*list_));
        Sync();
    });
    volume_->Bind(wxEVT_SLIDER,
                  [this](wxCommandEvent&) { playList_.SetVolume(volume_->GetValue()); });
}

void CCustomMusicDlg::AddFiles(const std::vector<std::string>& paths) {
    // Rows change only while nothing plays, as the disabled buttons say.
    if (playList_.Playing()) return;
    for (const std::string& path : paths) playList_.AddRow(path);
    Sync();
}

void CCustomMusicDlg::OnRemove(wxCommandEvent&) {
    if (!playList_.RemoveRow(SelectedRow(*list_))) {
        ShowMessageBox(Tr("Please select an item from the music list!"), "");
        return;
    }
    Sync();
}

void CCustomMusicDlg::SaveList() {
    SaveCustomMusic(playList_.Saved());
    SaveMusicVolume(playList_.Volume());
}

void CCustomMusicDlg::FollowTick() {
    if (playList_.HighlightedIndex() != shownHighlight_ || playList_.Playing() != shownPlaying_) {
        Sync();
    } else if (const std::optional<int> row = playList_.TakeSelectionToShow()) {
        ShowSelection(*row);
    }
}

void CCustomMusicDlg::Sync() {
    shownHighlight_ = playList_.HighlightedIndex();
    shownPlaying_ = playList_.Playing();
    const std::vector<std::string>& rows = playList_.Rows();
    MatchRowCount(*list_, static_cast<int>(rows.size()));
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const wxString path = wxString::FromUTF8(rows[row]);
        if (list_->GetItemText(row) != path) list_->SetItemText(row, path);
        list_->SetItemTextColour(row, kRowText);
        list_->SetItemBackgroundColour(
            row, row == playList_.HighlightedIndex() ? kPlayingRow : kRowBackground);
    }
    if (const std::optional<int> row = playList_.TakeSelectionToShow()) ShowSelection(*row);
    ownMusic_->SetValue(playList_.OwnMusicOn());
    modes_[playList_.Mode()]->SetValue(true);
    for (wxButton* button : {addMusic_, remove_, removeAll_, play_}) button->Enable(!shownPlaying_);
}

void CCustomMusicDlg::ShowSelection(int row) {
    const long selected = SelectedRow(*list_);
    if (selected == row) return;
    if (selected != PlayList::kNoRow) list_->SetItemState(selected, 0, wxLIST_STATE_SELECTED);
    if (row == PlayList::kNoRow) return;
    list_->SetItemState(row, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                        wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
    list_->EnsureVisible(row);
}
