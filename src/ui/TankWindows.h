#pragma once

#include <memory>
#include <optional>
#include <vector>

#include <wx/timer.h>

#include "core/TankOverrides.h"
#include "core/desktop/TankPlacement.h"
#include "core/runner/TankRunner.h"
#include "core/settings/StartupSettings.h"
#include "platform/x11/WindowManagerSupport.h"
#include "ui/AquariumView.h"
#include "ui/MainFrame.h"
#include "ui/X11Desktop.h"

class CCustomBackgroundDlg;
class CCustomMusicDlg;
class MpvPlayer;
class TankLoop;
class TankSession;
class TunePlayer;

// What the command line asks of the program's own windows for one run.
struct TankWindowsOptions {
    std::optional<TankPlacement> placement;  // unset: the settings file's
    std::optional<int> maxFps;               // unset: the display's pace
    TankOverrides overrides;                 // never written to the settings file
};

// The program's own tanks: a window on each monitor the placement names, each
// with a school of its own, and what they share: one read of the settings,
// the runner and the loop that draw them at one pace, the user's pictures and
// music, the dialogs, and the end of the program. It follows the monitors as
// they change, and stops drawing a wallpaper tank that windows cover wholly.
class TankWindows {
  public:
    explicit TankWindows(const TankWindowsOptions& options);
    ~TankWindows();
    TankWindows(const TankWindows&) = delete;
    TankWindows& operator=(const TankWindows&) = delete;

    // Opens the windows; their tanks start once every one is set up.
    void Show();

    const std::vector<CMainFrame*>& Frames() const { return frames_; }
    TankRunner& Runner() { return runner_; }

  private:
    void SetUpNext(std::size_t index);
    void StartTanks();
    void StartSession();
    void OnCommand(CMainFrame& from, int commandId);
    // Every tank's GL objects go, then every context, and the process ends.
    [[noreturn]] void Quit();
    // Runs a modal dialog opened from `from`; nobody points at a tank meanwhile.
    template <typename ShowDialog>
    void Modal(CMainFrame& from, ShowDialog show);
    void ShowFishSettings(CMainFrame& from);
    // Live in every tank while it is open; OK keeps and writes, the rest puts back.
    void ShowPreferences(CMainFrame& from);
    void ApplyPreferences(const AquariumSettings& tank, const VelmarSettings& velmar);
    bool TuneOn(const VelmarSettings& velmar) const;
    // The command line's cap, else the settings', else the wallpaper's.
    int MaxFps(const VelmarSettings& velmar) const;
    // The light and the clock as the command line and our section ask.
    void FollowTimeOfDay();
    // A dialog shows on the monitor of the tank it was opened from.
    template <typename Dialog>
    void ShowFileListDialog(Dialog*& dialog, CMainFrame& from);
    void WatchDesktop();
    void FollowMonitors();
    // The frame is going: its tank and its dialogs with it.
    void ForgetFrame(CMainFrame& frame);

    bool wallpaper_ = false;
    std::optional<int> commandLineMaxFps_;
    TankOverrides overrides_;
    VelmarSettings velmar_;
    double refreshHz_ = 0.0;
    bool swapWaitsForRefresh_ = false;
    X11Desktop desktop_;
    // Asked once: every window shows by it.
    const WindowManagerSupport windowManager_ = AskWindowManager();
    std::vector<CMainFrame*> frames_;  // top-level windows: the toolkit deletes them
    std::vector<ViewSetUp> setUps_;
    StartupSettings settings_;
    TankRunner runner_;
    std::unique_ptr<TankLoop> loop_;
    std::unique_ptr<MpvPlayer> musicPlayer_;
    std::unique_ptr<TunePlayer> tunePlayer_;
    TankSession* session_ = nullptr;                    // the runner's, once set up
    CCustomMusicDlg* musicDialog_ = nullptr;            // a child of a frame
    CCustomBackgroundDlg* backgroundDialog_ = nullptr;  // a child of a frame
    wxTimer desktopWatch_;
};
