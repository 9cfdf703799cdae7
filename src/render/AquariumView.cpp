#include "render/AquariumView.h"

#include <wx/dcclient.h>

#include "platform/LifecycleTrace.h"
#include "platform/MessageBox.h"
#include "platform/ProcessExit.h"
#include "platform/ScreenSize.h"
#include "platform/TempPath.h"
#include "platform/WorkDir.h"
#include "render/GlSceneState.h"
#include "render/PixelFormat.h"

#include <GL/glu.h>

namespace {
const char* const kAppTitle = "VelmarScr";
constexpr int kFrameTimerPeriodMs = 1;
}  // namespace

CAquariumView::CAquariumView(wxWindow* parent, wxWindowID id)
    : CAquariumView(parent, id, ChooseSceneVisual()) {}

CAquariumView::CAquariumView(wxWindow* parent, wxWindowID id,
                             const std::optional<wxGLAttributes>& visual)
    : wxGLCanvas(parent, visual ? *visual : DefaultVisual(), id, wxDefaultPosition, wxDefaultSize,
                 wxFULL_REPAINT_ON_RESIZE | wxWANTS_CHARS),
      frameTimer_(this),
      pixelFormatFound_(visual.has_value()) {
    Bind(wxEVT_PAINT, &CAquariumView::OnPaint, this);
    Bind(wxEVT_SIZE, &CAquariumView::OnSize, this);
    Bind(wxEVT_ERASE_BACKGROUND, &CAquariumView::OnEraseBackground, this);
    Bind(wxEVT_TIMER, &CAquariumView::OnTimer, this);
    Bind(wxEVT_IDLE, &CAquariumView::OnIdle, this);
    Bind(wxEVT_KEY_DOWN, &CAquariumView::OnKeyDown, this);
}

// Closing the window through the system destroys the frame and with it the view.
CAquariumView::~CAquariumView() {
    DestroyScene();
}

bool CAquariumView::SetupPixelFormat() {
    if (!pixelFormatFound_) {
        ShowMessageBox("ChoosePixelFormat failed", kAppTitle);
        return false;
    }
    context_ = std::make_unique<wxGLContext>(this);
    if (!context_->IsOK() || !context_->SetCurrent(*this)) {
        context_.reset();
        ShowMessageBox("SetPixelFormat failed", kAppTitle);
        return false;
    }
    return true;
}

void CAquariumView::InitGL() {
    if (sceneStarted_) return;
    sceneStarted_ = true;
    // If set-up stops early the timer still runs and frames draw what exists.
    frameTimer_.StartOnce(kFrameTimerPeriodMs);

    if (!SetupPixelFormat()) return;
    BuildOverlayFont();
    SetUpSceneGlState();
    unpackDir_ = GetWorkDir();
    SetTankBounds();
    BuildBackgroundSurface();
    if (!HasTempPath()) {
        ShowMessageBox("Error Find TempPath.", "ERROR");
        return;
    }
    LoadBackgroundTexture();
    LoadFishSkins();
    LoadSettings();
    PlaceScene();
    InitFoodPellets();
    SetUpSceneFog();
    CreateDialogs();
}

void CAquariumView::SetTankBounds() {
    const ScreenSize screen = ScreenSizeOf(this);
    screenWidth_ = screen.width;
    screenHeight_ = screen.height;
    tankBounds_ = TankBoundsForScreen(screenWidth_, screenHeight_);
}

void CAquariumView::DestroyScene() {
    if (sceneDestroyed_) return;
    sceneDestroyed_ = true;
    TraceLifecycle("DestroyScene");
    context_.reset();
    frameTimer_.Stop();
}

bool CAquariumView::HandleCommand(int commandId) {
    mode_ = commandId;
    switch (commandId) {
        case kCommandExit:
            DestroyScene();
            ExitProcessNow(0);
        case kCommandTouch:
        case kCommandFeed:
        case kCommandZoomIn:
        case kCommandZoomOut:
        case kCommandCatch:
            return true;
        default:
            return false;
    }
}

void CAquariumView::OnPaint(wxPaintEvent&) {
    wxPaintDC paintDc(this);
    RenderFrame();
}

void CAquariumView::OnSize(wxSizeEvent& event) {
    event.Skip();
    if (!context_) return;
    const wxSize size = GetClientSize() * GetContentScaleFactor();
    const int height = size.GetHeight() == 0 ? 1 : size.GetHeight();
    glViewport(0, 0, size.GetWidth(), height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(size.GetWidth()) / height, 0.1, 400.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void CAquariumView::OnEraseBackground(wxEraseEvent&) {}

void CAquariumView::OnTimer(wxTimerEvent&) {
    RenderFrame();
    HandOverMusicAfterFrame();
}

// The frame timer is re-armed only once the event queue has drained: a frame
// never queues behind another, and input, repaints and deferred window
// deletion (closing the frame) are never starved by a drawing loop that is
// always due.
void CAquariumView::OnIdle(wxIdleEvent& event) {
    if (sceneStarted_ && !sceneDestroyed_ && !frameTimer_.IsRunning()) {
        frameTimer_.StartOnce(kFrameTimerPeriodMs);
    }
    event.Skip();
}

void CAquariumView::OnKeyDown(wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_F1) overlay_.Toggle();
    event.Skip();
}
