#pragma once

#include <memory>

#include <wx/frame.h>

class AquariumScene;
class CAquariumView;
class CCustomBackgroundDlg;
class CCustomMusicDlg;
class MpvPlayer;
class MpvTunePlayer;
class MusicHandover;

// The top-level window: no caption, menu or border, covering the whole display,
// with the scene view as its only child. It owns the tank's scene, which the
// view draws, and the music: the players, the hand-over between the built-in
// tune and the user's own music, and the Custom Music dialog; and the Custom
// Background dialog, whose pictures the view turns into textures. Escape typed
// anywhere in it ends the process at once; commands reach the view before the
// frame.
class CMainFrame : public wxFrame {
  public:
    CMainFrame();
    ~CMainFrame() override;

    // Shows the frame full screen and starts the scene in the view once the
    // window is on screen.
    void ShowAndStartScene();

    // Null when start-up found no temporary path: the frame then stays empty.
    CAquariumView* View() const { return view_; }

  private:
    bool TryBefore(wxEvent& event) override;
    void OnCharHook(wxKeyEvent& event);
    void OnSetFocus(wxFocusEvent& event);
    // The dialogs of the menu's commands 1034, 1050 and 1052.
    void ShowDialog(int commandId);
    // Made hidden once the scene is set up; its timer runs from then on.
    void CreateDialogs();

    // Each fish and food pellet draws from the random stream as the scene is
    // built, after the temporary-path check and before the view's set-up.
    std::unique_ptr<AquariumScene> scene_;
    CAquariumView* view_ = nullptr;
    std::unique_ptr<MpvPlayer> musicPlayer_;
    std::unique_ptr<MpvTunePlayer> tunePlayer_;
    std::unique_ptr<MusicHandover> handover_;
    CCustomMusicDlg* musicDialog_ = nullptr;            // a child window
    CCustomBackgroundDlg* backgroundDialog_ = nullptr;  // a child window
};
