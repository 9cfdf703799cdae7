#include "ui/MainFrame.h"

#include "core/interaction/MenuCommands.h"
#include "core/music/BuiltinTune.h"
#include "core/runner/SteadyClock.h"
#include "core/scene/AquariumScene.h"
#include "diagnostics/Diagnostics.h"
#include "gl/SceneRenderer.h"
#include "media/MpvPlayer.h"
#include "platform/ProgramNames.h"
#include "platform/posix/PrivateTempDir.h"
#include "platform/posix/ProcessExit.h"
#include "platform/posix/TempPath.h"
#include "platform/wx/AppProfile.h"
#include "platform/wx/DisplayGeometry.h"
#include "platform/x11/FullScreenSupport.h"
#include "ui/AppIcon.h"
#include "ui/AquariumView.h"
#include "ui/CustomBackgroundDlg.h"
#include "ui/CustomMusicDlg.h"
#include "ui/FishSettingsDlg.h"
#include "ui/TankLoop.h"

CMainFrame::CMainFrame()
    : wxFrame(nullptr, wxID_ANY, kWindowName, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE) {
    SetIcons(AppIconBundle());
    Bind(wxEVT_CHAR_HOOK, &CMainFrame::OnCharHook, this);
    Bind(wxEVT_SET_FOCUS, &CMainFrame::OnSetFocus, this);
    if (!HasTempPath()) {
        ReportNoTempPath();
        return;
    }
    scene_ = std::make_unique<AquariumScene>();
    settings_ = LoadStartupSettings(SettingsRepairs::kWrittenBack);
    view_ = new CAquariumView(this, *scene_);
    view_->OnCommand([this](int commandId) { OnCommand(commandId); });
    loop_ = std::make_unique<TankLoop>(runner_);
    musicPlayer_ = std::make_unique<MpvPlayer>();
    tunePlayer_ = std::make_unique<MpvTunePlayer>();
}

// The view draws the scene until it goes, so it goes first.
CMainFrame::~CMainFrame() {
    DestroyScene();
    DestroyChildren();
}

void CMainFrame::DestroyScene() {
    if (!view_ || !loop_) return;
    NoteLifecycle("DestroyScene");
    loop_.reset();
    runner_.Release();
    view_->DestroyContext();
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
    // session then, so no music and no dialogs.
    view_->SetUpOnceShown(settings_.tank, [this](ViewSetUp made) { StartTank(std::move(made)); });
}

// Without a context there is nothing to draw on; without the whole set-up,
// only the help text.
void CMainFrame::StartTank(ViewSetUp made) {
    const bool complete = made.complete;
    if (made.renderer) runner_.AddTank(*scene_, *view_, std::move(made.renderer));
    runner_.AfterEachFrame(FrameWatcher());
    runner_.StartPacing(SteadyNowMs(), made.refreshHz, made.maxFps, made.swapWaitsForRefresh);
    view_->OnRepaint([this] { runner_.DrawFrame(SteadyNowMs()); });
    if (complete) StartSession();
    loop_->Start();
}

void CMainFrame::StartSession() {
    SessionMusic music{*musicPlayer_, *tunePlayer_,
                       [] {
                           // Unpacked where only this process looks: the
                           // settings folder may be read-only.
                           const PrivateTempDir unpackDir;
                           return unpackDir.Ok() ? BuiltinTuneWav(unpackDir.Path())
                                                 : std::vector<std::uint8_t>();
                       },
                       GetAppProfileInt("Settings", "Volume", 1000)};
    session_ = &runner_.StartSession(settings_, std::move(music));
}

// The dialogs leave the user in Catch mode once they are shown; nobody points
// at the tank while the modal one is open.
void CMainFrame::OnCommand(int commandId) {
    switch (commandId) {
        case kCommandExit:
            DestroyScene();
            ExitProcessNow(0);
        case kCommandAddDeleteFish:
            ShowFishSettings();
            break;
        // The dialogs are made when first chosen: the session lives without them.
        case kCommandCustomMusic:
            if (!session_) break;
            if (!musicDialog_) musicDialog_ = new CCustomMusicDlg(this, *session_);
            musicDialog_->ShowCentred();
            break;
        case kCommandCustomBackground:
            if (!session_) break;
            if (!backgroundDialog_) backgroundDialog_ = new CCustomBackgroundDlg(this, *session_);
            backgroundDialog_->ShowCentred();
            break;
        default:
            return;
    }
    scene_->SetMode(Mode::kCatch);
    view_->UpdateCursor();
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

void CMainFrame::ShowFishSettings() {
    scene_->SetMode(Mode::kNoPointer);
    CFishSettingsDlg dialog(
        this, scene_->SpeciesCounts(),
        [this](const std::array<int, kSpeciesCount>& counts) { scene_->SetSpeciesCounts(counts); });
    dialog.ShowModal();
    Raise();
}
