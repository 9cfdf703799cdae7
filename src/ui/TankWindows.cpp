#include "ui/TankWindows.h"

#include <algorithm>
#include <cstdio>

#include "core/desktop/Coverage.h"
#include "core/dialogs/PreferencesModel.h"
#include "core/interaction/MenuCommands.h"
#include "core/music/BuiltinTune.h"
#include "core/music/PlayList.h"
#include "core/runner/LocalTimeOfDay.h"
#include "core/runner/SteadyClock.h"
#include "core/scene/AquariumScene.h"
#include "core/settings/SettingsOverrides.h"
#include "diagnostics/Diagnostics.h"
#include "gl/SceneRenderer.h"
#include "media/MpvPlayer.h"
#include "platform/posix/PrivateTempDir.h"
#include "platform/posix/ProcessExit.h"
#include "platform/posix/TempPath.h"
#include "platform/runtime/Translation.h"
#include "platform/wx/AppProfile.h"
#include "platform/wx/DisplayGeometry.h"
#include "platform/x11/WindowManagerSupport.h"
#include "ui/CustomBackgroundDlg.h"
#include "ui/CustomMusicDlg.h"
#include "ui/FishSettingsDlg.h"
#include "ui/PreferencesDlg.h"
#include "ui/TankLoop.h"

namespace {
// A wallpaper is looked at now and then, not watched: it leaves the
// processor to the windows in front of it.
constexpr int kWallpaperMaxFps = 30;
// How often the monitors are looked at, and a wallpaper's cover.
constexpr int kWatchMs = 1000;
constexpr int kWallpaperWatchMs = 250;

std::vector<Monitor> MonitorsToFill(const X11Desktop& desktop, const TankPlacement& placement,
                                    int pointerX, int pointerY) {
    std::vector<Monitor> monitors =
        MonitorsForTanks(placement, desktop.Monitors(), pointerX, pointerY);
    if (monitors.empty()) {
        const wxRect screen = DisplayGeometryOf(nullptr);
        monitors.push_back({"", {screen.x, screen.y, screen.width, screen.height}});
    }
    return monitors;
}

// Without a window manager the wallpaper lowers itself; one that knows
// neither desktop windows nor keep-below ones stacks it as any other.
void SayWhenNoWallpaperLayer(const WindowManagerSupport& windowManager) {
    if (windowManager.runs && !windowManager.keepsBelow) {
        std::fprintf(stderr, "velmar: %s\n",
                     Tr("this desktop keeps no window under the others (Weston's Xwayland "
                        "does not): the wallpaper is an ordinary window here")
                         .c_str());
    }
}
}  // namespace

// Each fish and food pellet draws from the random stream as its scene is
// built, after the temporary-path check; then the settings are read.
TankWindows::TankWindows(const TankWindowsOptions& options)
    : commandLineMaxFps_(options.maxFps),
      overrides_(options.overrides),
      velmar_(LoadVelmarSettings()) {
    const TankPlacement placement = options.placement.value_or(velmar_.placement);
    wallpaper_ = placement.placement == Placement::kWallpaper;
    if (wallpaper_) SayWhenNoWallpaperLayer(windowManager_);
    // Without a temporary folder the view's set-up stops early and says so:
    // one window is enough to show that.
    const bool hasTempPath = HasTempPath();
    const CMainFrame::Owner owner{
        [this](CMainFrame& from, int commandId) { OnCommand(from, commandId); }, [this] { Quit(); },
        [this](CMainFrame& frame) { ForgetFrame(frame); }};
    int pointerX = 0, pointerY = 0;
    desktop_.PointerPosition(pointerX, pointerY);
    for (const Monitor& monitor : MonitorsToFill(desktop_, placement, pointerX, pointerY)) {
        auto scene = std::make_unique<AquariumScene>();
        if (wallpaper_ || !velmar_.helpText) scene->HideOverlay();
        // The wallpaper is under whatever window the pointer is over.
        if (wallpaper_ || !monitor.area.Contains(pointerX, pointerY)) scene->PointerLeft();
        frames_.push_back(new CMainFrame(
            monitor, wallpaper_ ? TankWindowKind::kWallpaper : TankWindowKind::kFullScreen,
            std::move(scene), owner));
        if (!hasTempPath) break;
    }
    settings_ = LoadStartupSettings(SettingsRepairs::kWrittenBack);
    settings_.tank = WithOverrides(settings_.tank, overrides_);
    loop_ = std::make_unique<TankLoop>(runner_);
    musicPlayer_ = std::make_unique<MpvPlayer>();
    tunePlayer_ = std::make_unique<MpvTunePlayer>();
    desktopWatch_.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { WatchDesktop(); });
}

// The tanks let their GL objects go while the windows they draw on are there.
TankWindows::~TankWindows() {
    KeepBeforeExit(nullptr);
    desktopWatch_.Stop();
    loop_.reset();
    runner_.Release();
    for (CMainFrame* frame : frames_) frame->DropOwner();
}

void TankWindows::Show() {
    for (CMainFrame* frame : frames_) frame->ShowOnMonitor(windowManager_.fullScreen);
    if (frames_.empty()) return;
    SetUpNext(0);
}

// One at a time: each context after the first shares the first one's
// textures, so the user's pictures are loaded once for every tank. Several
// windows are paced by the timer alone: a swap that waited for the refresh
// would make each window wait for the one before it.
void TankWindows::SetUpNext(std::size_t index) {
    if (index == frames_.size()) {
        StartTanks();
        return;
    }
    CAquariumView& view = *frames_[index]->View();
    view.SetMaxFps(MaxFps(velmar_));
    view.PaceBySwap(frames_.size() == 1);
    if (index > 0) view.ShareObjectsWith(*frames_.front()->View());
    view.SetUpOnceShown(settings_.tank, [this, index](ViewSetUp made) {
        setUps_.push_back(std::move(made));
        SetUpNext(index + 1);
    });
}

// Without a context there is nothing to draw on; without the whole set-up,
// only the help text, and no session: no music and no dialogs. A tank whose
// set-up stopped early still holds the settings file's values, which Add/Delete
// Fish and Preferences start from.
void TankWindows::StartTanks() {
    bool complete = true;
    for (std::size_t i = 0; i < frames_.size() && i < setUps_.size(); ++i) {
        ViewSetUp& made = setUps_[i];
        complete = complete && made.complete;
        if (!made.complete) frames_[i]->Scene()->ApplySettings(settings_.tank);
        CAquariumView& view = *frames_[i]->View();
        if (made.renderer) runner_.AddTank(*frames_[i]->Scene(), view, std::move(made.renderer));
        view.OnRepaint([this] { runner_.DrawFrame(SteadyNowMs()); });
    }
    runner_.AfterEachFrame(FrameWatcher());
    if (overrides_.frameRate) runner_.ShowFrameRate();
    FollowTimeOfDay();
    refreshHz_ = setUps_.front().refreshHz;
    swapWaitsForRefresh_ = setUps_.front().swapWaitsForRefresh;
    runner_.StartPacing(SteadyNowMs(), refreshHz_, MaxFps(velmar_), swapWaitsForRefresh_);
    setUps_.clear();
    if (complete) StartSession();
    loop_->Start();
    desktopWatch_.Start(wallpaper_ ? kWallpaperWatchMs : kWatchMs);
}

void TankWindows::StartSession() {
    SessionMusic music{*musicPlayer_, *tunePlayer_,
                       [] {
                           // Unpacked where only this process looks: the
                           // settings folder may be read-only.
                           const PrivateTempDir unpackDir;
                           return unpackDir.Ok() ? BuiltinTuneWav(unpackDir.Path())
                                                 : std::vector<std::uint8_t>();
                       },
                       MusicVolume(), TuneOn(velmar_)};
    session_ = &runner_.StartSession(settings_, std::move(music));
    // However the program ends, the next start finds the volume the user left.
    KeepBeforeExit([this] { SaveMusicVolume(session_->Music()->Volume()); });
}

// The dialogs leave the tank they were opened from in Catch mode once they
// are shown.
void TankWindows::OnCommand(CMainFrame& from, int commandId) {
    switch (commandId) {
        case kCommandExit:
            Quit();
        case kCommandAddDeleteFish:
            ShowFishSettings(from);
            break;
        case kCommandPreferences:
            ShowPreferences(from);
            break;
        // The dialogs are made when first chosen: the session lives without them.
        case kCommandCustomMusic:
            if (!session_) break;
            ShowFileListDialog(musicDialog_, from);
            break;
        case kCommandCustomBackground:
            if (!session_) break;
            ShowFileListDialog(backgroundDialog_, from);
            break;
        default:
            return;
    }
    from.Scene()->SetMode(Mode::kCatch);
    from.View()->UpdateCursor();
}

template <typename Dialog>
void TankWindows::ShowFileListDialog(Dialog*& dialog, CMainFrame& from) {
    // What it shows is the session's: a dialog made anew on another tank
    // loses nothing.
    if (dialog && dialog->GetParent() != &from) {
        dialog->Destroy();
        dialog = nullptr;
    }
    if (!dialog) dialog = new Dialog(&from, *session_);
    dialog->ShowCentred();
}

void TankWindows::Quit() {
    NoteLifecycle("DestroyScene");
    desktopWatch_.Stop();
    loop_.reset();
    runner_.Release();
    for (CMainFrame* frame : frames_) frame->View()->DestroyContext();
    ExitProcessNow(0);
}

template <typename ShowDialog>
void TankWindows::Modal(CMainFrame& from, ShowDialog show) {
    std::vector<Mode> modes;
    for (CMainFrame* frame : frames_) {
        modes.push_back(frame->Scene()->CurrentMode());
        frame->Scene()->SetMode(Mode::kNoPointer);
    }
    show();
    for (std::size_t i = 0; i < frames_.size() && i < modes.size(); ++i) {
        frames_[i]->Scene()->SetMode(modes[i]);
    }
    from.Raise();
}

// On every tank: the counts are each tank's, and each fills and empties
// behind the dialog as they change.
void TankWindows::ShowFishSettings(CMainFrame& from) {
    Modal(from, [&] {
        CFishSettingsDlg dialog(&from, from.Scene()->SpeciesCounts(),
                                [this](const std::array<int, kSpeciesCount>& counts) {
                                    for (CMainFrame* frame : frames_) {
                                        frame->Scene()->SetSpeciesCounts(counts);
                                    }
                                });
        dialog.ShowModal();
    });
}

void TankWindows::ShowPreferences(CMainFrame& from) {
    const AquariumSettings tankBefore = from.Scene()->Settings();
    const VelmarSettings velmarBefore = velmar_;
    const Preferences shown = PreferencesOf(tankBefore, velmarBefore);
    std::vector<std::string> monitorNames;
    for (const Monitor& monitor : desktop_.Monitors()) monitorNames.push_back(monitor.name);
    Modal(from, [&] {
        CPreferencesDlg dialog(&from, shown, monitorNames, [&](const Preferences& chosen) {
            ApplyPreferences(WithPreferences(tankBefore, shown, chosen), chosen.velmar);
        });
        if (dialog.ShowModal() != wxID_OK) {
            ApplyPreferences(tankBefore, velmarBefore);
            return;
        }
        const Preferences& chosen = dialog.Chosen();
        const AquariumSettings tankAfter = WithPreferences(tankBefore, shown, chosen);
        ApplyPreferences(tankAfter, chosen.velmar);
        SavePreferences(tankBefore, tankAfter, chosen.velmar);
    });
}

// The fish counts stay each tank's own; the placement waits for the next start.
void TankWindows::ApplyPreferences(const AquariumSettings& tank, const VelmarSettings& velmar) {
    velmar_ = velmar;
    for (CMainFrame* frame : frames_) {
        AquariumSettings settings = tank;
        settings.fishCounts = frame->Scene()->SpeciesCounts();
        frame->Scene()->ApplySettings(settings);
    }
    if (session_) session_->SetTune(TuneOn(velmar), tank.volume);
    runner_.SetPace(refreshHz_, MaxFps(velmar), swapWaitsForRefresh_);
    FollowTimeOfDay();
}

void TankWindows::FollowTimeOfDay() {
    runner_.FollowTimeOfDay(
        LocalTimeOfDay(overrides_.dayNight || velmar_.dayNight, overrides_.clock || velmar_.clock));
}

bool TankWindows::TuneOn(const VelmarSettings& velmar) const {
    return velmar.tune && (!wallpaper_ || velmar.wallpaperMusic);
}

int TankWindows::MaxFps(const VelmarSettings& velmar) const {
    if (commandLineMaxFps_) return *commandLineMaxFps_;
    if (velmar.maxFps) return *velmar.maxFps;
    return wallpaper_ ? kWallpaperMaxFps : -1;
}

void TankWindows::WatchDesktop() {
    FollowMonitors();
    if (!wallpaper_) return;
    for (CMainFrame* frame : frames_) {
        frame->View()->SetCovered(
            WhollyCovered(frame->MonitorArea(), desktop_.WindowsAbove(frame->XWindow())));
    }
}

// A tank whose monitor went away closes while another is left; the last one
// moves to a monitor that is there.
void TankWindows::FollowMonitors() {
    const std::vector<Monitor> monitors = desktop_.Monitors();
    if (monitors.empty()) return;
    for (std::size_t i = frames_.size(); i-- > 0;) {
        CMainFrame* frame = frames_[i];
        if (const Monitor* now = FindMonitor(monitors, frame->MonitorName())) {
            frame->FollowMonitor(*now);
        } else if (frames_.size() > 1) {
            ForgetFrame(*frame);
            frame->Destroy();
        } else {
            frame->FollowMonitor(monitors.front());
        }
    }
}

void TankWindows::ForgetFrame(CMainFrame& frame) {
    const auto found = std::find(frames_.begin(), frames_.end(), &frame);
    if (found == frames_.end()) return;
    runner_.RemoveTank(*frame.View());
    if (musicDialog_ && musicDialog_->GetParent() == &frame) musicDialog_ = nullptr;
    if (backgroundDialog_ && backgroundDialog_->GetParent() == &frame) backgroundDialog_ = nullptr;
    frames_.erase(found);
}
