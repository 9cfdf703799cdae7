#include "ui/FishSettingsDlg.h"

#include <cmath>

#include <wx/button.h>
#include <wx/dcbuffer.h>
#include <wx/dcmemory.h>
#include <wx/hyperlink.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "core/settings/StartupSettings.h"
#include "platform/ProgramNames.h"
#include "ui/DialogArtwork.h"

namespace {
constexpr int kPanelWidth = 500;
constexpr int kPanelHeight = 512;
constexpr int kSavePeriodMs = 500;
// Around and between the controls under the panel, in pixels.
constexpr int kMargin = 6;
constexpr int kButtonGap = 3;
constexpr int kButtonPadding = 3;
const wxColour kTotalColour(0, 0, 255);
const wxColour kTotalBackground(255, 255, 239);

struct ActionButton {
    int id;
    const char* label;  // English, with the mnemonic's &
    char action;
};
constexpr ActionButton kButtons[] = {
    {1007, N_("&Add"), 'A'},
    {1008, N_("&Delete"), 'D'},
    {1009, N_("&Random"), 'R'},
    {1010, N_("&Clear"), 'C'},
};

// Turns the colours inside the oval that fills `box` (in image pixels) over.
void InvertOval(wxImage& image, const wxRect& box) {
    const double rx = box.width / 2.0;
    const double ry = box.height / 2.0;
    const double cx = box.x + rx;
    const double cy = box.y + ry;
    for (int y = std::max(box.y, 0); y < std::min(box.GetBottom() + 1, image.GetHeight()); ++y) {
        for (int x = std::max(box.x, 0); x < std::min(box.GetRight() + 1, image.GetWidth()); ++x) {
            const double dx = (x + 0.5 - cx) / rx;
            const double dy = (y + 0.5 - cy) / ry;
            if (dx * dx + dy * dy > 1.0) continue;
            image.SetRGB(x, y, 255 - image.GetRed(x, y), 255 - image.GetGreen(x, y),
                         255 - image.GetBlue(x, y));
        }
    }
}

wxRect ToRect(const CellBox& box) {
    return {box.left, box.top, box.width, box.height};
}
}  // namespace

CFishSettingsDlg::CFishSettingsDlg(wxWindow* parent, const std::array<int, kSpeciesCount>& swimming,
                                   CountsSink applyCounts)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8(DialogTitle(N_("Fish Settings")))),
      applyCounts_(std::move(applyCounts)),
      saveTimer_(this) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    scale_ = GetContentScaleFactor();
    const wxImage panel = FishSettingsPanelImage();
    if (panel.IsOk()) {
        panel_ = scale_ == 1.0
                     ? panel
                     : panel.Scale(static_cast<int>(kPanelWidth * scale_),
                                   static_cast<int>(kPanelHeight * scale_), wxIMAGE_QUALITY_HIGH);
    }
    AddControls();
    model_.StartFrom(swimming);
    RefreshTotal();
    Bind(wxEVT_PAINT, &CFishSettingsDlg::OnPaint, this);
    Bind(wxEVT_LEFT_DOWN, &CFishSettingsDlg::OnLeftDown, this);
    Bind(wxEVT_LEFT_DCLICK, [this](wxMouseEvent&) { Act('A'); });
    Bind(wxEVT_RIGHT_DCLICK, [this](wxMouseEvent&) { Act('D'); });
    Bind(wxEVT_CHAR_HOOK, &CFishSettingsDlg::OnCharHook, this);
    Bind(wxEVT_CLOSE_WINDOW, &CFishSettingsDlg::OnClose, this);
    Bind(wxEVT_TIMER, [this](wxTimerEvent&) { Save(); });
    saveTimer_.Start(kSavePeriodMs);
}

// The panel's width, the buttons, the total and the link under it; the link
// goes below them when all three would make the dialog wider than the panel.
void CFishSettingsDlg::AddControls() {
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    for (const ActionButton& button : kButtons) {
        auto* control = new wxButton(this, button.id, wxGetTranslation(button.label),
                                     wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
        control->SetMinSize(control->GetBestSize() + wxSize(2 * kButtonPadding, 0));
        control->Bind(wxEVT_BUTTON,
                      [this, action = button.action](wxCommandEvent&) { Act(action); });
        if (!buttons->IsEmpty()) buttons->AddSpacer(kButtonGap);
        buttons->Add(control);
    }
    // Enter and Escape reach these through the key hook; they are never shown.
    auto* ok = new wxButton(this, wxID_OK, "OK");
    ok->SetDefault();
    ok->Hide();
    auto* cancel = new wxButton(this, wxID_CANCEL, "Cancel");
    cancel->Hide();

    // The total and the link in the smaller type of the dialog's notes; the
    // total as wide as the widest.
    FishSettingsModel full;
    full.StartFrom({FishSettingsModel::kMaxTotal});
    total_ = new wxStaticText(this, 1001, wxString::FromUTF8(full.TotalLabel()), wxDefaultPosition,
                              wxDefaultSize, wxST_NO_AUTORESIZE);
    total_->SetFont(GetFont().Smaller());
    total_->SetMinSize(total_->GetBestSize());
    total_->SetForegroundColour(kTotalColour);
    total_->SetBackgroundColour(kTotalBackground);
    auto* link = new wxGenericHyperlinkCtrl(this, 1037, "www.velmar-aquarium.example",
                                            "https://www.velmar-aquarium.example");
    link->SetFont(GetFont().Smaller().Underlined());

    auto* controls = new wxBoxSizer(wxHORIZONTAL);
    controls->Add(buttons, wxSizerFlags().CentreVertical());
    controls->AddStretchSpacer();
    controls->Add(total_, wxSizerFlags().CentreVertical().Border(wxLEFT, kMargin));
    auto* page = new wxBoxSizer(wxVERTICAL);
    page->Add(kPanelWidth + 1, kPanelHeight + 2 * kMargin);
    const int besideLink = link->GetBestSize().x + kMargin + controls->GetMinSize().x + 2 * kMargin;
    wxSizer* under = controls;
    if (besideLink <= kPanelWidth + 1) {
        under = new wxBoxSizer(wxHORIZONTAL);
        under->Add(link, wxSizerFlags().CentreVertical());
        under->AddStretchSpacer();
        under->Add(controls, wxSizerFlags().Expand().Border(wxLEFT, kMargin));
    }
    page->Add(under, wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT, kMargin));
    if (under == controls) page->Add(link, wxSizerFlags().Border(wxLEFT | wxTOP, kMargin));
    page->AddSpacer(kMargin);
    SetSizerAndFit(page);
    FindWindow(kButtons[0].id)->SetFocus();
}

void CFishSettingsDlg::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    dc.SetBackground(wxBrush(GetBackgroundColour()));
    dc.Clear();
    dc.DrawBitmap(ComposePanel(), 0, 0);
}

wxBitmap CFishSettingsDlg::ComposePanel() const {
    if (!panel_.IsOk()) return wxBitmap();
    wxBitmap bitmap(panel_, -1, scale_);
    {
        wxMemoryDC dc(bitmap);
        dc.SetFont(GetFont());
        dc.SetTextForeground(*wxBLACK);
        dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
        for (int species = 0; species < kSpeciesCount; ++species) {
            const CellBox cell = FishSettingsModel::Cell(species);
            dc.DrawText(std::to_string(model_.Counts()[species]), cell.left + 2, cell.top + 2);
        }
    }
    if (model_.Selected() == FishSettingsModel::kNoSpecies) return bitmap;
    wxImage image = bitmap.ConvertToImage();
    const wxRect cell = ToRect(FishSettingsModel::Cell(model_.Selected()));
    InvertOval(image, wxRect(static_cast<int>(cell.x * scale_), static_cast<int>(cell.y * scale_),
                             static_cast<int>(cell.width * scale_),
                             static_cast<int>(cell.height * scale_)));
    return wxBitmap(image, -1, scale_);
}

void CFishSettingsDlg::OnLeftDown(wxMouseEvent& event) {
    event.Skip();
    const int previous = model_.SelectAt(event.GetX(), event.GetY());
    if (previous == model_.Selected()) return;
    RefreshCell(previous);
    RefreshCell(model_.Selected());
}

void CFishSettingsDlg::OnCharHook(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    if (event.GetModifiers() == wxMOD_NONE || event.GetModifiers() == wxMOD_SHIFT) {
        switch (key) {
            case 'A':
            case 'D':
            case 'R':
            case 'C':
                Act(static_cast<char>(key));
                return;
            case WXK_RETURN:
            case WXK_NUMPAD_ENTER:
                Finish(wxID_OK);
                return;
            case WXK_ESCAPE:
                Finish(wxID_CANCEL);
                return;
            default:
                break;
        }
    }
    event.Skip();
}

// The close box is OK.
void CFishSettingsDlg::OnClose(wxCloseEvent&) {
    Finish(wxID_OK);
}

void CFishSettingsDlg::Act(char action) {
    const int selected = model_.Selected();
    switch (action) {
        case 'A':
            if (model_.Add()) RefreshCell(selected);
            break;
        case 'D':
            if (model_.Delete()) RefreshCell(selected);
            break;
        case 'R':
            model_.Random();
            RefreshCell(selected);
            RefreshCountCorners();
            break;
        case 'C':
            model_.Clear();
            RefreshCountCorners();
            break;
        default:
            return;
    }
    RefreshTotal();
}

void CFishSettingsDlg::Save() {
    SaveFishCounts(model_.Counts());
    applyCounts_(model_.SchoolCounts());
}

void CFishSettingsDlg::Finish(int result) {
    saveTimer_.Stop();
    if (result == wxID_OK) Save();
    if (IsModal()) {
        EndModal(result);
    } else {
        Destroy();
    }
}

// The oval spans the whole cell, so a cell is repainted whole.
void CFishSettingsDlg::RefreshCell(int species) {
    if (species == FishSettingsModel::kNoSpecies) return;
    RefreshRect(ToRect(FishSettingsModel::Cell(species)), false);
}

void CFishSettingsDlg::RefreshCountCorners() {
    for (int species = 0; species < kSpeciesCount; ++species) {
        RefreshRect(ToRect(FishSettingsModel::CountCorner(species)), false);
    }
}

void CFishSettingsDlg::RefreshTotal() {
    total_->SetLabel(wxString::FromUTF8(model_.TotalLabel()));
}
