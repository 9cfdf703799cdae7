#include "ui/PreferencesDlg.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/clrpicker.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "core/tank/BubbleColumns.h"
#include "platform/ProgramNames.h"
#include "ui/DialogControlIds.h"

namespace ids = preference_ids;

namespace {
// The frame-rate caps offered, besides the display's own pace.
constexpr int kFrameRates[] = {60, 30, 20, 10};

// Windows colour values and wx's RGB values both keep red in the low byte.
wxColour ColourOf(int value) {
    wxColour colour;
    colour.SetRGB(static_cast<wxUint32>(value) & 0xFFFFFF);
    return colour;
}

int ValueOf(const wxColour& colour) {
    return static_cast<int>(colour.GetRGB() & 0xFFFFFF);
}

// Labels in a column of their own, their controls filling the rest.
wxFlexGridSizer* Rows() {
    auto* rows = new wxFlexGridSizer(2, wxSize(8, 2));
    rows->AddGrowableCol(1);
    return rows;
}

void AddRow(wxFlexGridSizer* rows, wxWindow* parent, const wxString& label, wxWindow* control) {
    rows->Add(new wxStaticText(parent, wxID_ANY, label), wxSizerFlags().CentreVertical());
    rows->Add(control, wxSizerFlags().Expand());
}

// The choice's entries: the pointer's monitor, each monitor, all, the wallpaper.
int PlacementIndex(const TankPlacement& placement, int monitorCount) {
    switch (placement.placement) {
        case Placement::kPointerMonitor:
            return 0;
        case Placement::kOneMonitor:
            return 1 + placement.monitor;
        case Placement::kAllMonitors:
            return 1 + monitorCount;
        case Placement::kWallpaper:
            return 2 + monitorCount;
    }
    return 0;
}

TankPlacement PlacementAt(int index, int monitorCount) {
    if (index <= 0) return {Placement::kPointerMonitor};
    if (index <= monitorCount) return {Placement::kOneMonitor, index - 1};
    return {index == 1 + monitorCount ? Placement::kAllMonitors : Placement::kWallpaper};
}
}  // namespace

CPreferencesDlg::CPreferencesDlg(wxWindow* parent, const Preferences& shown,
                                 const std::vector<std::string>& monitorNames,
                                 std::function<void(const Preferences&)> onChange)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8(DialogTitle(N_("Preferences")))),
      chosen_(shown),
      onChange_(std::move(onChange)) {
    auto* page = new wxBoxSizer(wxVERTICAL);
    page->Add(TankControls(), wxSizerFlags().Expand().Border());
    page->Add(SoundControls(), wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT | wxBOTTOM));
    page->Add(StartControls(monitorNames), wxSizerFlags().Expand().Border(wxLEFT | wxRIGHT));
    page->Add(CreateStdDialogButtonSizer(wxOK | wxCANCEL), wxSizerFlags().Expand().Border());
    SetSizerAndFit(page);
    EnableDependents();
    Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { Changed(); });
    Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { Changed(); });
    Bind(wxEVT_SLIDER, [this](wxCommandEvent&) { Changed(); });
    Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { Changed(); });
    Bind(wxEVT_COLOURPICKER_CHANGED, [this](wxColourPickerEvent&) { Changed(); });
    CentreOnParent();
}

wxSizer* CPreferencesDlg::TankControls() {
    auto* box = new wxStaticBoxSizer(wxVERTICAL, this, _("In the tank"));
    wxWindow* inside = box->GetStaticBox();
    wall_ = new wxCheckBox(inside, ids::kWall, _("Show the sea bed behind the fish"));
    wall_->SetValue(chosen_.wall);
    box->Add(wall_, wxSizerFlags().Border(wxALL & ~wxBOTTOM));

    auto* backdrop = new wxBoxSizer(wxHORIZONTAL);
    black_ = new wxRadioButton(inside, wxID_ANY, _("Black background"), wxDefaultPosition,
                               wxDefaultSize, wxRB_GROUP);
    gradient_ = new wxRadioButton(inside, ids::kGradient, _("A gradient from"));
    topColour_ = new wxColourPickerCtrl(inside, ids::kTopColour, ColourOf(chosen_.topColour));
    bottomColour_ =
        new wxColourPickerCtrl(inside, ids::kBottomColour, ColourOf(chosen_.bottomColour));
    (chosen_.gradient ? gradient_ : black_)->SetValue(true);
    backdrop->Add(black_, wxSizerFlags().CentreVertical());
    backdrop->Add(gradient_, wxSizerFlags().CentreVertical().Border(wxLEFT));
    backdrop->Add(topColour_, wxSizerFlags().CentreVertical().Border(wxLEFT));
    backdrop->Add(new wxStaticText(inside, wxID_ANY, _("at the top to")),
                  wxSizerFlags().CentreVertical().Border(wxLEFT));
    backdrop->Add(bottomColour_, wxSizerFlags().CentreVertical().Border(wxLEFT));
    box->Add(backdrop, wxSizerFlags().Border(wxALL & ~wxBOTTOM));

    wxFlexGridSizer* rows = Rows();
    light_ = new wxSlider(inside, ids::kLight, chosen_.lightPercent, 0, 100, wxDefaultPosition,
                          wxDefaultSize, wxSL_HORIZONTAL | wxSL_VALUE_LABEL);
    AddRow(rows, inside, _("Light (percent):"), light_);
    bubbles_ = new wxSlider(inside, ids::kBubbles, chosen_.bubblesPerColumn, 0, kBubblePoolSize,
                            wxDefaultPosition, wxDefaultSize, wxSL_HORIZONTAL | wxSL_VALUE_LABEL);
    AddRow(rows, inside, _("Bubbles in each column:"), bubbles_);
    box->Add(rows, wxSizerFlags().Expand().Border(wxALL & ~wxBOTTOM));
    helpText_ = new wxCheckBox(inside, ids::kHelpText, _("Show the help text at start"));
    helpText_->SetValue(chosen_.velmar.helpText);
    box->Add(helpText_, wxSizerFlags().Border(wxALL & ~wxBOTTOM));
    dayNight_ = new wxCheckBox(inside, ids::kDayNight,
                               _("Day and night: the light follows the time of day"));
    dayNight_->SetValue(chosen_.velmar.dayNight);
    box->Add(dayNight_, wxSizerFlags().Border(wxALL & ~wxBOTTOM));
    clock_ = new wxCheckBox(inside, ids::kClock, _("Show a clock in the tank"));
    clock_->SetValue(chosen_.velmar.clock);
    box->Add(clock_, wxSizerFlags().Border());
    return box;
}

wxSizer* CPreferencesDlg::SoundControls() {
    auto* box = new wxStaticBoxSizer(wxVERTICAL, this, _("Sound"));
    wxWindow* inside = box->GetStaticBox();
    tune_ =
        new wxCheckBox(inside, ids::kTune, _("Play the built-in tune while your own music is off"));
    tune_->SetValue(chosen_.velmar.tune);
    box->Add(tune_, wxSizerFlags().Border(wxALL & ~wxBOTTOM));
    tuneLevel_ = new wxSlider(inside, ids::kTuneLevel, chosen_.tunePercent, 0, 100,
                              wxDefaultPosition, wxDefaultSize, wxSL_HORIZONTAL | wxSL_VALUE_LABEL);
    wxFlexGridSizer* rows = Rows();
    AddRow(rows, inside, _("The tune's volume (percent):"), tuneLevel_);
    box->Add(rows, wxSizerFlags().Expand().Border(wxALL & ~wxBOTTOM));
    wallpaperMusic_ =
        new wxCheckBox(inside, ids::kWallpaperMusic, _("Play it under the wallpaper too"));
    wallpaperMusic_->SetValue(chosen_.velmar.wallpaperMusic);
    box->Add(wallpaperMusic_, wxSizerFlags().Border());
    return box;
}

wxSizer* CPreferencesDlg::StartControls(const std::vector<std::string>& monitorNames) {
    auto* box = new wxStaticBoxSizer(wxVERTICAL, this, _("Screen"));
    wxWindow* inside = box->GetStaticBox();
    const int monitorCount = static_cast<int>(monitorNames.size());
    wxArrayString places;
    places.Add(_("Full screen on the monitor under the pointer"));
    for (int i = 0; i < monitorCount; ++i) {
        places.Add(wxString::Format(_("Full screen on monitor %d (%s)"), i + 1,
                                    wxString::FromUTF8(monitorNames[i])));
    }
    places.Add(_("Full screen on every monitor"));
    places.Add(_("As the desktop's wallpaper, behind your windows"));
    placement_ = new wxChoice(inside, ids::kPlacement, wxDefaultPosition, wxDefaultSize, places);
    // A monitor the settings name that is not connected now shows as the pointer's.
    const int index = PlacementIndex(chosen_.velmar.placement, monitorCount);
    placementShown_ = index < static_cast<int>(places.size()) ? index : 0;
    placement_->SetSelection(placementShown_);
    wxFlexGridSizer* rows = Rows();
    AddRow(rows, inside, _("Where it opens:"), placement_);
    rows->AddSpacer(0);
    rows->Add(new wxStaticText(inside, wxID_ANY, _("(from the next start)")),
              wxSizerFlags().Right());

    wxArrayString rates;
    rates.Add(_("As often as the display refreshes"));
    for (const int rate : kFrameRates)
        rates.Add(
            wxString::Format(wxPLURAL("At most %d a second", "At most %d a second", rate), rate));
    frameRate_ = new wxChoice(inside, ids::kFrameRate, wxDefaultPosition, wxDefaultSize, rates);
    int rateIndex = 0;
    for (int i = 0; i < static_cast<int>(std::size(kFrameRates)); ++i) {
        if (chosen_.velmar.maxFps == kFrameRates[i]) rateIndex = i + 1;
    }
    // A cap set by hand that the list lacks keeps its own entry.
    if (chosen_.velmar.maxFps && rateIndex == 0) {
        rateIndex = static_cast<int>(frameRate_->Append(wxString::Format(
            wxPLURAL("At most %d a second", "At most %d a second", *chosen_.velmar.maxFps),
            *chosen_.velmar.maxFps)));
    }
    frameRate_->SetSelection(rateIndex);
    AddRow(rows, inside, _("Frames:"), frameRate_);
    box->Add(rows, wxSizerFlags().Expand().Border());
    return box;
}

void CPreferencesDlg::EnableDependents() {
    topColour_->Enable(gradient_->GetValue());
    bottomColour_->Enable(gradient_->GetValue());
    tuneLevel_->Enable(tune_->GetValue());
}

void CPreferencesDlg::Changed() {
    chosen_.wall = wall_->GetValue();
    chosen_.gradient = gradient_->GetValue();
    chosen_.topColour = ValueOf(topColour_->GetColour());
    chosen_.bottomColour = ValueOf(bottomColour_->GetColour());
    chosen_.lightPercent = light_->GetValue();
    chosen_.bubblesPerColumn = bubbles_->GetValue();
    chosen_.tunePercent = tuneLevel_->GetValue();
    chosen_.velmar.helpText = helpText_->GetValue();
    chosen_.velmar.dayNight = dayNight_->GetValue();
    chosen_.velmar.clock = clock_->GetValue();
    chosen_.velmar.tune = tune_->GetValue();
    chosen_.velmar.wallpaperMusic = wallpaperMusic_->GetValue();
    if (placement_->GetSelection() != placementShown_) {
        const int monitorCount = static_cast<int>(placement_->GetCount()) - 3;
        chosen_.velmar.placement = PlacementAt(placement_->GetSelection(), monitorCount);
    }
    const int rate = frameRate_->GetSelection();
    if (rate == 0) {
        chosen_.velmar.maxFps.reset();
    } else if (rate <= static_cast<int>(std::size(kFrameRates))) {
        chosen_.velmar.maxFps = kFrameRates[rate - 1];
    }
    EnableDependents();
    onChange_(chosen_);
}
