#include "ui/FishSettingsDlg.h"

#include <cmath>

#include <wx/button.h>
#include <wx/dcbuffer.h>
#include <wx/dcmemory.h>
#include <wx/hyperlink.h>
#include <wx/stattext.h>

#include "core/settings/StartupSettings.h"
#include "platform/ProgramNames.h"
#include "ui/DialogArtwork.h"

namespace {
constexpr int kPanelWidth = 500;
constexpr int kPanelHeight = 512;
constexpr int kSavePeriodMs = 500;
const wxColour kTotalColour(0, 0, 255);
const wxColour kTotalBackground(255, 255, 239);

struct ButtonPlace {
    int id;
    const char* label;  // English, with the mnemonic's &
    char action;
    int x, y, width, height;  // dialog units
};
constexpr ButtonPlace kButtons[] = {
    {1007, N_("&Add"), 'A', 121, 324, 27, 15},
    {1008, N_("&Delete"), 'D', 150, 324, 32, 15},
    {1009, N_("&Random"), 'R', 184, 324, 31, 15},
    {1010, N_("&Clear"), 'C', 217, 324, 27, 15},
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

void CFishSettingsDlg::AddControls() {
    const auto place = [this](int x, int y, int width, int height) {
        return std::pair{ConvertDialogToPixels(wxPoint(x, y)),
                         ConvertDialogToPixels(wxSize(width, height))};
    };
    for (const ButtonPlace& button : kButtons) {
        const auto [at, size] = place(button.x, button.y, button.width, button.height);
        auto* control = new wxButton(this, button.id, wxGetTranslation(button.label), at, size);
        control->Bind(wxEVT_BUTTON,
                      [this, action = button.action](wxCommandEvent&) { Act(action); });
    }
    // Enter and Escape reach these through the key hook; they are never shown.
    const auto [okAt, okSize] = place(211, 209, 47, 21);
    auto* ok = new wxButton(this, wxID_OK, "OK", okAt, okSize);
    ok->SetDefault();
    ok->Hide();
    const auto [cancelAt, cancelSize] = place(283, 209, 47, 21);
    auto* cancel = new wxButton(this, wxID_CANCEL, "Cancel", cancelAt, cancelSize);
    cancel->Hide();

    const auto [totalAt, totalSize] = place(252, 332, 81, 8);
    total_ = new wxStaticText(this, 1001, "", totalAt, totalSize, wxST_NO_AUTORESIZE);
    total_->SetForegroundColour(kTotalColour);
    total_->SetBackgroundColour(kTotalBackground);
    const auto [linkAt, linkSize] = place(9, 332, 113, 12);
    new wxHyperlinkCtrl(this, 1037, "www.velmar-aquarium.example",
                        "https://www.velmar-aquarium.example", linkAt, linkSize);

    const wxSize client = ConvertDialogToPixels(wxSize(334, 345));
    SetClientSize(std::max(client.x, kPanelWidth), std::max(client.y, kPanelHeight));
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
    total_->SetLabel(model_.TotalLabel());
}
