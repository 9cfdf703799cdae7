#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <wx/glcanvas.h>
#include <wx/timer.h>

#include "interaction/TankInput.h"
#include "render/FramePacing.h"
#include "settings/CustomBackgroundList.h"

class AquariumScene;
class GlObjectReport;
class SceneRenderer;

// The one child of the main frame: the GL context, the frame timer and its
// pacing. It runs the tank's set-up once its window is on screen and then
// draws a frame of the scene on every tick, no faster than the display
// refreshes and not at all while the window is minimised or hidden; input goes
// on to the scene, and the tank takes the shape of whatever client area the
// window manager grants. The user's pictures become textures in its context.
class CAquariumView : public wxGLCanvas, public PictureTextureLoader {
  public:
    // Shows the dialog of command 1034, 1050 or 1052 and returns once it is
    // dealt with (at once for a modeless one).
    using DialogOpener = std::function<void(int commandId)>;

    // The scene outlives the view: the frame owns both.
    CAquariumView(wxWindow* parent, AquariumScene& scene, DialogOpener openDialog);
    ~CAquariumView() override;

    // Asks for the one-time set-up (context, renderer, then the tank) as soon as
    // the window is on screen: a GL context can only be made current on a
    // mapped window, and a window manager maps it when it pleases. Then
    // `afterSetUp` learns whether the set-up ran to its end, and the frame
    // timer starts, however it ended.
    void SetUpOnceShown(std::function<void(bool complete)> afterSetUp);
    bool SetUpDone() const { return setUpDone_; }

    // At most this many frames a second: 0 for no limit, negative (the
    // default) for the display's refresh rate. Takes effect at the set-up.
    void SetMaxFps(int maxFps) { maxFps_ = maxFps; }

    // Draws one complete frame and swaps the buffers; nothing before the set-up is done.
    void RenderFrame();

    // Frees the GL objects, the context and the timer; later calls do nothing.
    void DestroyScene();

    // 0 before the set-up and after the scene is destroyed.
    unsigned LoadPicture(const std::string& path) override;
    void ReleasePicture(unsigned texture) override;

    // Offered every command before the frame sees it. Returns true when taken.
    bool HandleCommand(int commandId);

    // The keys of the right-click menu: the Menu key and Shift+F10 open it at
    // the pointer, and while it is open it takes every key. True when taken.
    bool HandleMenuKey(const wxKeyEvent& event) { return input_.HandleMenuKey(event); }

    // Called after every frame the timer draws.
    void OnFrameDrawn(std::function<void()> afterFrame) { afterFrame_ = std::move(afterFrame); }

    const AquariumScene& Scene() const { return scene_; }

  private:
    CAquariumView(wxWindow* parent, AquariumScene& scene, DialogOpener openDialog,
                  const std::optional<wxGLAttributes>& visual);
    void InitGL();
    // False when it stopped early: no pixel format, or no temporary folder.
    bool SetUp();
    bool SetupPixelFormat();
    // False when the window has no X window to draw on (not yet, or no longer).
    bool MakeContextCurrent();

    void OnPaint(wxPaintEvent& event);
    void OnEraseBackground(wxEraseEvent& event);
    void OnSize(wxSizeEvent& event);
    // The tank takes the shape of the client area the window has now.
    void FollowClientSize();
    void OnTimer(wxTimerEvent& event);
    void OnIdle(wxIdleEvent& event);
    void OnKeyDown(wxKeyEvent& event);
    // On screen and not minimised: frames are worth drawing.
    bool Drawable() const;

    AquariumScene& scene_;
    DialogOpener openDialog_;
    std::function<void()> afterFrame_;
    std::function<void(bool complete)> afterSetUp_;
    std::unique_ptr<wxGLContext> context_;
    std::unique_ptr<SceneRenderer> renderer_;
    // Only when a long run asks for it (VELMAR_GL_REPORT_FILE).
    std::unique_ptr<GlObjectReport> glReport_;
    wxTimer frameTimer_;
    int maxFps_ = -1;
    FramePacer pacer_{0.0, -1, false};
    const bool pixelFormatFound_;
    bool setUpWanted_ = false;
    bool setUpStarted_ = false;
    bool setUpDone_ = false;
    bool sceneDestroyed_ = false;
    TankInput input_;
};
