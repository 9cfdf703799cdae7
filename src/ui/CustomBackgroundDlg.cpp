#include "ui/CustomBackgroundDlg.h"

#include <algorithm>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/listctrl.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/valtext.h>

#include "core/session/TankSession.h"
#include "core/settings/StartupSettings.h"
#include "platform/ProgramNames.h"
#include "platform/runtime/Translation.h"
#include "ui/DialogControlIds.h"

namespace {
const wxColour kListBackground(207, 184, 130);
const wxColour kRowText(0, 0, 255);
// The list as designed, in pixels.
const wxSize kListSize(376, 141);
std::string PictureFilter() {
    const std::string kinds = "*.jpg;*.bmp;*.png;*.jpeg;*.tif;*.tiff";
    return "(" + kinds + ")|" + kinds + "|" + Tr("All files") + " (*)|*";
}
}  // namespace

CCustomBackgroundDlg::CCustomBackgroundDlg(wxWindow* parent, TankSession& session)
    : FileListDialog(parent, wxString::FromUTF8(DialogTitle(N_("Custom Background"))),
                     UserFolder::kPictures),
      list_(session.Pictures()) {
    AddControls();
    // Only these controls change the boxes and the interval afterwards.
    interval_->ChangeValue(wxString::FromUTF8(list_.Interval()));
    ownImage_->SetValue(list_.OwnImage());
    modes_[list_.Mode()]->SetValue(true);
    Sync();
    session.AfterEachTick([this] { Sync(); });
}

void CCustomBackgroundDlg::AddControls() {
    auto* boxes = new wxBoxSizer(wxHORIZONTAL);
    ownImage_ = new wxCheckBox(this, background_ids::kOwnImage, _("Use your own image"));
    boxes->Add(ownImage_, wxSizerFlags().CentreVertical());
    boxes->AddStretchSpacer();
    const wxString modeTexts[] = {_("Repeat One"), _("Repeat All"), _("Random")};
    for (int mode = 0; mode < 3; ++mode) {
        modes_[mode] =
            new wxRadioButton(this, background_ids::kFirstMode + mode, modeTexts[mode],
                              wxDefaultPosition, wxDefaultSize, mode == 0 ? wxRB_GROUP : 0);
        modes_[mode]->Bind(wxEVT_RADIOBUTTON, [this, mode](wxCommandEvent&) {
            list_.SetMode(static_cast<CustomBackgroundList::PlayMode>(mode));
        });
        boxes->Add(modes_[mode], wxSizerFlags().CentreVertical().DoubleBorder(wxLEFT));
    }
    rows_ =
        new wxListCtrl(this, background_ids::kList, wxDefaultPosition, kListSize,
                       wxLC_REPORT | wxLC_SINGLE_SEL | wxLC_HRULES | wxLC_VRULES | wxBORDER_SIMPLE);
    rows_->SetBackgroundColour(kListBackground);
    rows_->SetTextColour(kRowText);
    rows_->AppendColumn(_("Backgrounds Directory"), wxLIST_FORMAT_CENTRE, 430);
    // As designed, or wide enough for its words at a large font.
    int stateWidth = 50;
    for (const wxString& word : {_("State"), _("ON"), _("OFF")}) {
        stateWidth = std::max(stateWidth, rows_->GetTextExtent(word).x + 16);
    }
    rows_->AppendColumn(_("State"), wxLIST_FORMAT_CENTRE, stateWidth);
    AcceptDroppedFiles(*rows_);
    OnRowClicks(*rows_, [this](int row) {
        list_.ClickRow(row);
        Sync();
    });

    auto* actions = new wxBoxSizer(wxHORIZONTAL);
    const auto addButton = [this, actions](int id, const wxString& label) {
        auto* button = new wxButton(this, id, label);
        actions->Add(button, wxSizerFlags().CentreVertical().Border(wxRIGHT));
        return button;
    };
    wxButton* addImage = addButton(background_ids::kAddImage, _("Add Image"));
    wxButton* remove = addButton(background_ids::kRemoveImage, _("Remove Image"));
    wxButton* removeAll = addButton(background_ids::kRemoveAll, _("Remove All"));
    actions->AddStretchSpacer();
    actions->Add(new wxStaticText(this, wxID_ANY, _("Interval")),
                 wxSizerFlags().CentreVertical().Border(wxLEFT));
    interval_ = new wxTextCtrl(this, background_ids::kInterval, "5", wxDefaultPosition,
                               wxDefaultSize, 0, wxTextValidator(wxFILTER_DIGITS));
    // Room for a few digits.
    interval_->SetMinSize(interval_->GetSizeFromTextSize(interval_->GetTextExtent("00000")));
    actions->Add(interval_, wxSizerFlags().CentreVertical().Border(wxLEFT));
    // TRANSLATORS: the unit after the picture interval, seconds.
    actions->Add(new wxStaticText(this, wxID_ANY, _("S")),
                 wxSizerFlags().CentreVertical().Border(wxLEFT));

    auto* page = new wxBoxSizer(wxVERTICAL);
    page->Add(boxes, wxSizerFlags().Expand().Border());
    page->Add(rows_, wxSizerFlags(1).Expand().Border(wxLEFT | wxRIGHT));
    page->Add(actions, wxSizerFlags().Expand().Border());
    SetSizerAndFit(page);

    addImage->Bind(wxEVT_BUTTON,
                   [this](wxCommandEvent&) { ChooseFiles(_("Add Image"), PictureFilter()); });
    remove->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        list_.RemoveImage(SelectedRow(*rows_));
        Sync();
    });
    removeAll->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        list_.RemoveAll();
        Sync();
    });
    ownImage_->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) {
        list_.SetOwnImage(ownImage_->GetValue());
        Sync();
    });
    interval_->Bind(wxEVT_TEXT, [this](wxCommandEvent&) {
        list_.SetInterval(interval_->GetValue().utf8_string());
    });
}

void CCustomBackgroundDlg::AddFiles(const std::vector<std::string>& paths) {
    list_.AddChosen(paths);
    Sync();
}

void CCustomBackgroundDlg::SaveList() {
    SaveCustomImages(list_.Saved());
}

void CCustomBackgroundDlg::Sync() {
    const std::vector<CustomBackgroundList::Row>& rows = list_.Rows();
    MatchRowCount(*rows_, static_cast<int>(rows.size()));
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const wxString path = wxString::FromUTF8(rows[row].path);
        const wxString state = rows[row].on ? _("ON") : _("OFF");
        if (rows_->GetItemText(row) != path) rows_->SetItemText(row, path);
        if (rows_->GetItemText(row, 1) != state) rows_->SetItem(row, 1, state);
    }
}
