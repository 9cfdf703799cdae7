#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <wx/glcanvas.h>
#include <wx/timer.h>

#include "core/settings/AquariumSettings.h"
#include "gl/RenderSurface.h"
#include "gl/TankRunner.h"
#include "ui/TankInput.h"

class AquariumScene;

// The one child of the main frame: the GL context, the timers that drive the
// tank's runner, and input forwarded to the scene. Once its window is on
// screen it sets the tank up; then it draws a frame whenever the runner says
// one is due, not at all while the window is minimised or hidden, and ticks
// the user's session every TankSession::kTickMs whether or not it draws.
class CAquariumView : public wxGLCanvas, public RenderSurface {
  public:
    // The scene outlives the view: the frame owns both.
    CAquariumView(wxWindow* parent, AquariumScene& scene);
    ~CAquariumView() override;

    // Asks for the one-time set-up (context, then the tank with `settings`)
    // as soon as the window is on screen: a GL context can only be made
    // current on a mapped window, and a window manager maps it when it
    // pleases. Then `afterSetUp` learns whether the set-up ran to its end, and
    // the timers start, however it ended.
    void SetUpOnceShown(const AquariumSettings& settings,
                        std::function<void(bool complete)> afterSetUp);
    bool SetUpDone() const { return setUpDone_; }

    // At most this many frames a second: 0 for no limit, negative (the
    // default) for the display's refresh rate. Takes effect at the set-up.
    void SetMaxFps(int maxFps) { maxFps_ = maxFps; }

    TankRunner& Runner() { return runner_; }
    const AquariumScene& Scene() const { return scene_; }

    // Frees the GL objects, the context and the timers; later calls do nothing.
    void DestroyScene();

    // The keys of the right-click menu: the Menu key and Shift+F10 open it at
    // the pointer, and while it is open it takes every key. True when taken.
    bool HandleMenuKey(const wxKeyEvent& event) { return input_.HandleMenuKey(event); }
    // The cursor of the scene's mode.
    void UpdateCursor() { input_.UpdateCursor(); }

    bool MakeCurrent() override;
    void ShowFrame() override { SwapBuffers(); }
    ScreenSize PixelSize() const override;

  private:
    CAquariumView(wxWindow* parent, AquariumScene& scene,
                  const std::optional<wxGLAttributes>& visual);
    void InitGL();
    // False when it stopped early: no pixel format, or no temporary folder.
    bool SetUp();
    bool SetupPixelFormat();

    void OnPaint(wxPaintEvent& event);
    void OnEraseBackground(wxEraseEvent&) {}
    void OnFrameTimer(wxTimerEvent& event);
    void OnIdle(wxIdleEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    // On screen and not minimised: frames are worth drawing.
    bool Drawable() const;

    AquariumScene& scene_;
    AquariumSettings settings_;
    std::function<void(bool complete)> afterSetUp_;
    std::unique_ptr<wxGLContext> context_;
    TankRunner runner_;
    wxTimer frameTimer_;
    wxTimer sessionTimer_;
    int maxFps_ = -1;
    const bool pixelFormatFound_;
    bool setUpWanted_ = false;
    bool setUpStarted_ = false;
    bool setUpDone_ = false;
    bool sceneDestroyed_ = false;
    TankInput input_;
};
