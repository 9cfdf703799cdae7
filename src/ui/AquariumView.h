#pragma once

#include <functional>
#include <memory>
#include <optional>

#include <wx/glcanvas.h>

#include "core/runner/RenderSurface.h"
#include "core/settings/AquariumSettings.h"
#include "gl/TankSetUp.h"
#include "ui/TankInput.h"

class AquariumScene;

// What the view's one-time set-up made: the tank's renderer (null when no
// context could be had), whether the set-up ran to its end, and how frames
// are to be paced on this display.
struct ViewSetUp {
    std::unique_ptr<SceneRenderer> renderer;
    bool complete = false;
    double refreshHz = 0.0;  // 0 when the display does not say
    bool swapWaitsForRefresh = false;
};

// The one child of the main frame: the GL context and the surface a tank is
// drawn on, and input forwarded to the scene. Once its window is on screen it
// sets the tank up; whoever runs the tank draws on it from then on.
class CAquariumView : public wxGLCanvas, public RenderSurface {
  public:
    // The scene outlives the view: the frame owns both.
    CAquariumView(wxWindow* parent, AquariumScene& scene);
    ~CAquariumView() override;

    // Asks for the one-time set-up (context, then the tank with `settings`)
    // as soon as the window is on screen: a GL context can only be made
    // current on a mapped window, and a window manager maps it when it
    // pleases. Then `afterSetUp` gets what it made, however it ended.
    void SetUpOnceShown(const AquariumSettings& settings,
                        std::function<void(ViewSetUp)> afterSetUp);
    bool SetUpDone() const { return state_ == State::kSetUp; }
    // What a paint draws once the set-up is done.
    void OnRepaint(std::function<void()> drawFrame) { repaint_ = std::move(drawFrame); }

    // At most this many frames a second: 0 for no limit, negative (the
    // default) for the display's refresh rate. Takes effect at the set-up.
    void SetMaxFps(int maxFps) { maxFps_ = maxFps; }
    // Whether the swap waits for the display's refresh (the default) or the
    // timer alone paces. Takes effect at the set-up.
    void PaceBySwap(bool bySwap) { paceBySwap_ = bySwap; }
    // The context shares textures and lists with `first`'s, set up before.
    void ShareObjectsWith(const CAquariumView& first) { shareWith_ = &first; }
    // Windows cover it wholly: frames are not worth drawing.
    void SetCovered(bool covered) { covered_ = covered; }

    // The context goes; nothing is drawn on the view from then on. Whatever
    // holds GL objects of the context lets them go first.
    void DestroyContext();

    // The keys of the right-click menu: the Menu key and Shift+F10 open it at
    // the pointer, and while it is open it takes every key. True when taken.
    bool HandleMenuKey(const wxKeyEvent& event) { return input_.HandleMenuKey(event); }
    // The cursor of the scene's mode.
    void UpdateCursor() { input_.UpdateCursor(); }
    // What a chosen menu command that is no mode goes to.
    void OnCommand(std::function<void(int commandId)> handler) {
        input_.OnCommand(std::move(handler));
    }

    bool MakeCurrent() override;
    void ShowFrame() override { SwapBuffers(); }
    ScreenSize PixelSize() const override;
    // On screen, not minimised and not covered: frames are worth drawing.
    bool Visible() const override;

  private:
    // Waiting for the window to show, then the set-up asked for, under way,
    // done, and the context gone.
    enum class State { kCreated, kSetUpWanted, kSettingUp, kSetUp, kContextGone };

    CAquariumView(wxWindow* parent, AquariumScene& scene,
                  const std::optional<wxGLAttributes>& visual);
    void SetUp();
    bool MakeContext();

    void OnPaint(wxPaintEvent& event);
    void OnEraseBackground(wxEraseEvent&) {}
    void OnKeyDown(wxKeyEvent& event);

    AquariumScene& scene_;
    AquariumSettings settings_;
    std::function<void(ViewSetUp)> afterSetUp_;
    std::function<void()> repaint_;
    std::unique_ptr<wxGLContext> context_;
    int maxFps_ = -1;
    bool paceBySwap_ = true;
    const CAquariumView* shareWith_ = nullptr;
    bool covered_ = false;
    const bool pixelFormatFound_;
    State state_ = State::kCreated;
    TankInput input_;
};
