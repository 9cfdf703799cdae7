#pragma once

#include <memory>

#include <wx/frame.h>

#include "core/runner/TankRunner.h"
#include "core/settings/StartupSettings.h"

class AquariumScene;
class CAquariumView;
class TankLoop;
struct ViewSetUp;
class CCustomBackgroundDlg;
class CCustomMusicDlg;
class MpvPlayer;
class MpvTunePlayer;
class TankSession;

// The top-level window: no caption, menu or border, covering the whole display,
// with the scene view as its only child. It reads the settings once, owns the
// tank's scene, the runner and the loop that draw it on the view, and the
// media engines, and it takes the right-click menu's commands that are no
// mode: the Fish Settings, Custom Music and Custom Background dialogs open
// here, and Exit ends the program. Escape typed anywhere in it ends the
// process at once.
class CMainFrame : public wxFrame {
  public:
    CMainFrame();
    ~CMainFrame() override;

    // Shows the frame full screen and starts the scene in the view once the
    // window is on screen.
    void ShowAndStartScene();

    // Null when start-up found no temporary path: the frame then stays empty.
    CAquariumView* View() const { return view_; }
    AquariumScene* Scene() const { return scene_.get(); }
    TankRunner& Runner() { return runner_; }

  private:
    void StartTank(ViewSetUp made);
    void OnCommand(int commandId);
    // The GL objects go while their context is still current, then the context.
    void DestroyScene();
    void OnCharHook(wxKeyEvent& event);
    void OnSetFocus(wxFocusEvent& event);
    // Modal: the tank fills and empties behind it as the counts change.
    void ShowFishSettings();
    // The user's pictures and music start, with their dialogs, made hidden.
    void StartSession();

    // Each fish and food pellet draws from the random stream as the scene is
    // built, after the temporary-path check; then the settings are read.
    std::unique_ptr<AquariumScene> scene_;
    StartupSettings settings_;
    TankRunner runner_;
    std::unique_ptr<TankLoop> loop_;
    CAquariumView* view_ = nullptr;
    std::unique_ptr<MpvPlayer> musicPlayer_;
    std::unique_ptr<MpvTunePlayer> tunePlayer_;
    TankSession* session_ = nullptr;                    // the runner's, once set up
    CCustomMusicDlg* musicDialog_ = nullptr;            // a child window
    CCustomBackgroundDlg* backgroundDialog_ = nullptr;  // a child window
};
