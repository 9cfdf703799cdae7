#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>

#include <GL/gl.h>
#include <wx/glcanvas.h>
#include <wx/timer.h>

#include "fish/FishSchool.h"
#include "fish/FoodPellet.h"
#include "interaction/CommandIds.h"
#include "render/OverlayVisibility.h"
#include "render/TankBounds.h"
#include "tank/BackgroundSurface.h"
#include "tank/BubbleColumns.h"
#include "tank/BubbleEmitter.h"
#include "tank/CatchMarker.h"

// The one child of the main frame. It owns the GL context and the whole scene,
// runs the one-time set-up once it is on screen, and draws a frame on every tick
// of its 1 ms timer. Event handlers only forward to the scene steps.
class CAquariumView : public wxGLCanvas {
  public:
    CAquariumView(wxWindow* parent, wxWindowID id);
    ~CAquariumView() override;

    // The one-time set-up: context, font, GL state, tank, textures, settings,
    // scene placement, fog and dialogs. Runs once, after the view is shown (a GL
    // context can only be made current on a realised window); starts the timer.
    void InitGL();

    // Draws one complete frame and swaps the buffers.
    void RenderFrame();

    // Releases the context and the dialogs and stops the timer; safe to call
    // again, later calls do nothing.
    void DestroyScene();

    // Offered every command before the frame sees it. Returns true when taken.
    bool HandleCommand(int commandId);

    const TankBounds& Tank() const { return tankBounds_; }
    bool OverlayShown() const { return overlay_.Shown(); }

  private:
    friend struct TankProbe;
    CAquariumView(wxWindow* parent, wxWindowID id, const std::optional<wxGLAttributes>& visual);
    bool SetupPixelFormat();
    void SetTankBounds();

    void OnPaint(wxPaintEvent& event);
    void OnSize(wxSizeEvent& event);
    void OnEraseBackground(wxEraseEvent& event);
    void OnTimer(wxTimerEvent& event);
    void OnIdle(wxIdleEvent& event);
    void OnKeyDown(wxKeyEvent& event);

    // Steps of the set-up and of the frame that the later subsystems fill in.
    void BuildOverlayFont();
    void BuildBackgroundSurface();
    void LoadBackgroundTexture();
    void LoadFishSkins();
    void LoadSettings();
    void PlaceScene();
    void PlaceBubbleEmitters();
    void PlaceFishSchool();
    void PlaceCatchMarker();
    void InitFoodPellets();
    void CreateDialogs();
    void DrawOverlayStep();
    void DrawFishSchool();
    void DrawSchoolSlot(int slot, int species);
    // The fish walk calls this for every fish it draws uncaught.
    void ClearCatchMarkerSlot(int slot);
    void FeedSteer(int school, int slot);
    void FoodTest(int school, int slot);
    void CatchTest(int school, int slot);
    void DrawBackgroundSurface();
    void DrawCatchMarker();
    void DrawBubbles();
    void DrawFoodPellets();
    void RunPickPass();
    void PickFishUnderCursor();
    void HandOverMusicAfterFrame();

    std::unique_ptr<wxGLContext> context_;
    wxTimer frameTimer_;
    const bool pixelFormatFound_;
    bool sceneStarted_ = false;
    bool sceneDestroyed_ = false;

    int revealCount_ = 0;
    OverlayVisibility overlay_;
    GLuint fontBase_ = 0;
    TankBounds tankBounds_;
    std::string unpackDir_;
    GLuint backgroundTexture_ = 0;
    GLuint speciesSkins_[10] = {};
    int mouseX_ = 0;
    int mouseY_ = 0;
    bool buttonDown_ = false;
    bool feedClickPending_ = false;
    bool catchClickPending_ = true;
    int mode_ = kCommandCatch;
    int screenWidth_ = 1680;
    int screenHeight_ = 1050;
    float cameraOffset_ = -5.0f;

    std::array<BubbleEmitter, kBubbleEmitterCount> bubbleEmitters_;
    std::array<std::array<float, 3>, kBubbleEmitterCount> emitterPositions_{};
    GLuint bubbleTexture_ = 0;
    CatchMarker catchMarker_;
    BackgroundSurface backgroundSurface_;
    // Each fish draws from the random stream as it is built: after the bubble
    // emitters, before the food pellets.
    std::array<Fish, kSchoolSlots> fish_;
    std::array<FoodPellet, 20> foodPellets_;
    GLuint flakeList_ = 0;  // one flake shape shared by all pellets
};
