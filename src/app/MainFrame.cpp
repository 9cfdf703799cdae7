#include "app/MainFrame.h"

#include "fish/FishSettingsDlg.h"
#include "interaction/CommandIds.h"
#include "music/BuiltinTune.h"
#include "music/CustomMusicDlg.h"
#include "music/MpvPlayer.h"
#include "music/MusicHandover.h"
#include "platform/FullScreenSupport.h"
#include "platform/PrivateTempDir.h"
#include "platform/ProcessExit.h"
#include "platform/ScreenSize.h"
#include "platform/TempPath.h"
#include "render/AquariumScene.h"
#include "render/AquariumView.h"
#include "resources/AppIcon.h"
#include "settings/CustomBackgroundDlg.h"

CMainFrame::CMainFrame()
    : wxFrame(nullptr, wxID_ANY, "VelmarScr", wxDefaultPosition, wxDefaultSize, wxBORDER_NONE) {
    SetIcons(AppIconBundle());
    Bind(wxEVT_CHAR_HOOK, &CMainFrame::OnCharHook, this);
    Bind(wxEVT_SET_FOCUS, &CMainFrame::OnSetFocus, this);
    if (!HasTempPath()) {
        ReportNoTempPath();
        return;
    }
    scene_ = std::make_unique<AquariumScene>();
    view_ = new CAquariumView(this, *scene_, [this](int commandId) { ShowDialog(commandId); });
    view_->OnFrameDrawn([this] { handover_->AfterFrame(); });
    musicPlayer_ = std::make_unique<MpvPlayer>();
    tunePlayer_ = std::make_unique<MpvTunePlayer>();
    handover_ = std::make_unique<MusicHandover>(*tunePlayer_, [] {
        // Unpacked where only this process looks: the settings folder may be
        // read-only, and a failed unpack ends the program.
        const PrivateTempDir unpackDir;
        return unpackDir.Ok() ? BuiltinTuneWav(unpackDir.Path()) : std::vector<std::uint8_t>();
    });
}

// The view draws the scene until it goes, so it goes first.
CMainFrame::~CMainFrame() {
    DestroyChildren();
}

void CMainFrame::ShowAndStartScene() {
    // Full screen the desktop's way, above its panels; where no window manager
    // grants it, the frame covers its display by itself.
    SetSize(DisplayGeometryOf(this));
    if (WindowManagerGrantsFullScreen()) {
        ShowFullScreen(true);
    } else {
        Show();
    }
    if (!view_) return;
    view_->SetFocus();
    // A set-up that stopped early leaves the tank without its settings: no
    // dialogs then, and so no music, which waits for the music dialog.
    view_->SetUpOnceShown([this](bool complete) {
        if (complete) CreateDialogs();
    });
}

// The settings are read by now; the tune's volume comes with them.
void CMainFrame::CreateDialogs() {
    handover_->SetTuneAttenuation(scene_->Settings().volume);
    musicDialog_ = new CCustomMusicDlg(this, *musicPlayer_, *handover_);
    backgroundDialog_ = new CCustomBackgroundDlg(this, *view_, [this](bool on, unsigned texture) {
        scene_->SetCustomBackground({on, texture});
    });
}

bool CMainFrame::TryBefore(wxEvent& event) {
    if (view_ && event.GetEventType() == wxEVT_MENU && view_->HandleCommand(event.GetId())) {
        return true;
    }
    return wxFrame::TryBefore(event);
}

// An open menu takes Escape for itself.
void CMainFrame::OnCharHook(wxKeyEvent& event) {
    if (view_ && view_->HandleMenuKey(event)) return;
    if (event.GetKeyCode() == WXK_ESCAPE) ExitProcessNow(0);
    event.Skip();
}

void CMainFrame::OnSetFocus(wxFocusEvent& event) {
    if (view_) view_->SetFocus();
    event.Skip();
}

void CMainFrame::ShowDialog(int commandId) {
    if (commandId == kCommandCustomMusic && musicDialog_) musicDialog_->ShowCentred();
    if (commandId == kCommandCustomBackground && backgroundDialog_) {
        backgroundDialog_->ShowCentred();
    }
    if (commandId != kCommandAddDeleteFish) return;
    // Modal: the tank fills and empties behind it as the counts change.
    CFishSettingsDlg dialog(
        this, scene_->SpeciesCounts(),
        [this](const std::array<int, kSpeciesCount>& counts) { scene_->SetSpeciesCounts(counts); });
    dialog.ShowModal();
    Raise();
}
