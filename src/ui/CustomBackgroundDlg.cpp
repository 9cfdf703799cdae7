#include "ui/CustomBackgroundDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/listctrl.h>
#include <wx/radiobut.h>
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
std::string PictureFilter() {
    return "(*.jpg;*.bmp;*.png)|*.jpg;*.bmp;*.png|" + Tr("Other pictures") +
           " (*.jpeg;*.tif;*.tiff)|*.jpeg;*.tif;*.tiff";
}
}  // namespace

CCustomBackgroundDlg::CCustomBackgroundDlg(wxWindow* parent, TankSession& session)
    : FileListDialog(parent, wxString::FromUTF8(DialogTitle(N_("Custom Background")))),
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
    const auto at = [this](int x, int y) { return ConvertDialogToPixels(wxPoint(x, y)); };
    const auto size = [this](int w, int h) { return ConvertDialogToPixels(wxSize(w, h)); };
    ownImage_ = new wxCheckBox(this, background_ids::kOwnImage, _("Use your own image"), at(8, 10));
    const wxString modeTexts[] = {_("Repeat One"), _("Repeat All"), _("Random")};
    const int modeX[] = {94, 147, 199};
    for (int mode = 0; mode < 3; ++mode) {
        modes_[mode] =
            new wxRadioButton(this, background_ids::kFirstMode + mode, modeTexts[mode],
                              at(modeX[mode], 12), wxDefaultSize, mode == 0 ? wxRB_GROUP : 0);
        modes_[mode]->Bind(wxEVT_RADIOBUTTON, [this, mode](wxCommandEvent&) {
            list_.SetMode(static_cast<CustomBackgroundList::PlayMode>(mode));
        });
    }
    rows_ =
        new wxListCtrl(this, background_ids::kList, at(7, 23), size(251, 87),
                       wxLC_REPORT | wxLC_SINGLE_SEL | wxLC_HRULES | wxLC_VRULES | wxBORDER_SIMPLE);
    rows_->SetBackgroundColour(kListBackground);
    rows_->SetTextColour(kRowText);
    rows_->AppendColumn(_("Backgrounds Directory"), wxLIST_FORMAT_CENTRE, 430);
    rows_->AppendColumn(_("State"), wxLIST_FORMAT_CENTRE, 50);
    AcceptDroppedFiles(*rows_);
    OnRowClicks(*rows_, [this](int row) {
        list_.ClickRow(row);
        Sync();
    });

    auto* addImage =
        new wxButton(this, background_ids::kAddImage, _("Add Image"), at(7, 117), size(50, 11));
    auto* remove = new wxButton(this, background_ids::kRemoveImage, _("Remove Image"), at(63, 117),
                                size(51, 11));
    auto* removeAll =
        new wxButton(this, background_ids::kRemoveAll, _("Remove All"), at(119, 117), size(50, 11));
    new wxStaticText(this, wxID_ANY, _("Interval"), at(178, 119));
    interval_ = new wxTextCtrl(this, background_ids::kInterval, "5", at(204, 118), size(24, 12), 0,
                               wxTextValidator(wxFILTER_DIGITS));
    // TRANSLATORS: the unit after the picture interval, seconds.
    new wxStaticText(this, wxID_ANY, _("S"), at(231, 119));

    addImage->Bind(wxEVT_BUTTON,
                   [this](wxCommandEvent&) { ChooseFiles(_("Add Image"), PictureFilter()); });
    remove->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        list_.RemoveImage(SelectedRow());
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
    SetClientSize(size(265, 135));
}

void CCustomBackgroundDlg::AddFiles(const std::vector<std::string>& paths) {
    list_.AddChosen(paths);
    Sync();
}

void CCustomBackgroundDlg::SaveList() {
    SaveCustomImages(list_.Saved());
}

int CCustomBackgroundDlg::SelectedRow() const {
    return static_cast<int>(rows_->GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED));
}

void CCustomBackgroundDlg::Sync() {
    const std::vector<CustomBackgroundList::Row>& rows = list_.Rows();
    const int count = static_cast<int>(rows.size());
    // Rows are added at the end: the ones there keep the user's selection, for
    // "Remove Image".
    if (rows_->GetItemCount() > count) rows_->DeleteAllItems();
    while (rows_->GetItemCount() < count) {
        rows_->InsertItem(rows_->GetItemCount(),
                          wxString::FromUTF8(rows[rows_->GetItemCount()].path));
    }
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const wxString path = wxString::FromUTF8(rows[row].path);
        const wxString state = rows[row].on ? _("ON") : _("OFF");
        if (rows_->GetItemText(row) != path) rows_->SetItemText(row, path);
        if (rows_->GetItemText(row, 1) != state) rows_->SetItem(row, 1, state);
    }
}
