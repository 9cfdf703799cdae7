#pragma once

#include <functional>
#include <memory>
#include <string>

#include <wx/frame.h>

#include "core/desktop/Monitors.h"

class AquariumScene;
class CAquariumView;

// How a tank's window stands on the desktop.
enum class TankWindowKind {
    kFullScreen,  // above the desktop's panels, covering its monitor
    kWallpaper,   // under every window on its monitor, never taking the focus on its own
};

// One tank's top-level window: no caption, menu or border, on one monitor,
// with the scene view as its only child. It owns the tank's scene. What is not
// its own to decide goes to its owner: the right-click menu's commands that
// are no mode, and its close. Escape typed anywhere in a full-screen tank
// ends the process at once.
class CMainFrame : public wxFrame {
  public:
    struct Owner {
        std::function<void(CMainFrame& from, int commandId)> command;
        std::function<void()> close;
        // The window is being destroyed.
        std::function<void(CMainFrame&)> gone;
    };
    CMainFrame(const Monitor& monitor, TankWindowKind kind, std::unique_ptr<AquariumScene> scene,
               Owner owner);
    ~CMainFrame() override;

    // Shows the window on its monitor, full screen or as wallpaper;
    // `fullScreenGranted`: the window manager takes requests for full screen.
    void ShowOnMonitor(bool fullScreenGranted);
    // Its monitor moved or changed its size, or the window goes to another.
    void FollowMonitor(const Monitor& monitor);
    // The owner is gone: nothing is handed to it from here on.
    void DropOwner() {
        owner_ = {[](CMainFrame&, int) {}, [] {}, [](CMainFrame&) {}};
    }
    const std::string& MonitorName() const { return monitor_.name; }
    const PixelRect& MonitorArea() const { return monitor_.area; }
    // The top-level X window, as the window manager lists it.
    unsigned long XWindow() const;

    CAquariumView* View() const { return view_; }
    AquariumScene* Scene() const { return scene_.get(); }

  private:
    wxRect ToolkitRect(const PixelRect& area) const;
    void OnCharHook(wxKeyEvent& event);
    void OnSetFocus(wxFocusEvent& event);

    Monitor monitor_;
    TankWindowKind kind_;
    // The view draws the scene until it goes: the scene goes after it.
    std::unique_ptr<AquariumScene> scene_;
    Owner owner_;
    CAquariumView* view_ = nullptr;
};
