#include "render/AquariumView.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include <wx/dcclient.h>
#include <wx/display.h>
#include <wx/toplevel.h>

#include "interaction/CommandIds.h"
#include "platform/LifecycleTrace.h"
#include "platform/MessageBox.h"
#include "platform/PrivateTempDir.h"
#include "platform/ProcessExit.h"
#include "platform/TempPath.h"
#include "render/AquariumScene.h"
#include "render/GlObjectReport.h"
#include "render/PixelFormat.h"
#include "render/SceneRenderer.h"
#include "render/SwapInterval.h"
#include "render/TankSetUp.h"
#include "settings/LoadAquariumSettings.h"

namespace {
const char* const kAppTitle = "VelmarScr";
constexpr int kFrameTimerPeriodMs = 1;

double NowMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

// 0 when the display does not say.
double RefreshHzOf(const wxWindow* window) {
    const int index = wxDisplay::GetFromWindow(window);
    const wxDisplay display(index == wxNOT_FOUND ? 0u : static_cast<unsigned>(index));
    return display.GetCurrentMode().refresh;
}
}  // namespace

CAquariumView::CAquariumView(wxWindow* parent, AquariumScene& scene, DialogOpener openDialog)
    : CAquariumView(parent, scene, std::move(openDialog), ChooseSceneVisual()) {}

CAquariumView::CAquariumView(wxWindow* parent, AquariumScene& scene, DialogOpener openDialog,
                             const std::optional<wxGLAttributes>& visual)
    : wxGLCanvas(parent, visual ? *visual : DefaultVisual(), wxID_ANY, wxDefaultPosition,
                 wxDefaultSize, wxFULL_REPAINT_ON_RESIZE | wxWANTS_CHARS),
      scene_(scene),
      openDialog_(std::move(openDialog)),
      frameTimer_(this),
      pixelFormatFound_(visual.has_value()),
      input_(*this, scene) {
    Bind(wxEVT_PAINT, &CAquariumView::OnPaint, this);
    Bind(wxEVT_ERASE_BACKGROUND, &CAquariumView::OnEraseBackground, this);
    Bind(wxEVT_SIZE, &CAquariumView::OnSize, this);
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
    if (!context_->IsOK() || !MakeContextCurrent()) {
        context_.reset();
        ShowMessageBox("SetPixelFormat failed", kAppTitle);
        return false;
    }
    return true;
}

bool CAquariumView::MakeContextCurrent() {
    return context_ && GetXWindow() != 0 && context_->SetCurrent(*this);
}

void CAquariumView::SetUpOnceShown(std::function<void(bool complete)> afterSetUp) {
    afterSetUp_ = std::move(afterSetUp);
    setUpWanted_ = true;
    // A window already on screen has had its first paint: ask for another.
    Refresh(false);
}

void CAquariumView::InitGL() {
    const bool complete = SetUp();
    // A message box shown during the set-up runs events of its own: until now
    // neither they nor the timer may draw a half-built tank. If the set-up
    // stopped early, frames still draw whatever it made.
    setUpDone_ = true;
    // The window manager may have resized the window while such a box stood.
    FollowClientSize();
    // Where the driver waits for the refresh at each swap the timer need not;
    // software GL under a virtual X server does not, and the timer paces.
    const bool swapWaits = context_ && SetSwapInterval(maxFps_ == 0 ? 0 : 1) && maxFps_ != 0;
    pacer_ = FramePacer(RefreshHzOf(this), maxFps_, swapWaits);
    if (afterSetUp_) afterSetUp_(complete);
    frameTimer_.StartOnce(kFrameTimerPeriodMs);
}

bool CAquariumView::SetUp() {
    if (!SetupPixelFormat()) return false;
    renderer_ = std::make_unique<SceneRenderer>(GetContentScaleFactor());
    glReport_ = GlObjectReport::FromEnvironment();
    // The artwork is unpacked where only this process looks and gone once
    // loaded, so the settings folder need not be writable.
    const PrivateTempDir unpackDir;
    const wxSize client = GetClientSize();
    const TankSetUpSources sources{{client.GetWidth(), client.GetHeight()},
                                   unpackDir.Path(),
                                   [&unpackDir] { return unpackDir.Ok(); },
                                   LoadAquariumSettings};
    if (SetUpTank(scene_, *renderer_, sources) == TankSetUpResult::kNoTempPath) {
        ReportNoTempPath();
        return false;
    }
    return true;
}

void CAquariumView::RenderFrame() {
    if (!setUpDone_ || !renderer_ || !MakeContextCurrent()) return;
    scene_.RenderFrame(*renderer_);
    if (glReport_) glReport_->AfterFrame(NowMs());
    SwapBuffers();
}

void CAquariumView::DestroyScene() {
    if (sceneDestroyed_) return;
    sceneDestroyed_ = true;
    TraceLifecycle("DestroyScene");
    // The GL objects go while their context is still current; without a
    // window to make it current on, the context takes them with it.
    MakeContextCurrent();
    renderer_.reset();
    context_.reset();
    frameTimer_.Stop();
}

unsigned CAquariumView::LoadPicture(const std::string& path) {
    if (!setUpDone_ || !renderer_ || !MakeContextCurrent()) return 0;
    return renderer_->LoadUserPicture(path);
}

void CAquariumView::ReleasePicture(unsigned texture) {
    if (!setUpDone_ || !renderer_ || !MakeContextCurrent()) return;
    renderer_->ReleaseUserPicture(texture);
}

bool CAquariumView::HandleCommand(int commandId) {
    scene_.SetMode(commandId);
    switch (commandId) {
        case kCommandExit:
            DestroyScene();
            ExitProcessNow(0);
        // The frames go on meanwhile, in the dialog's mode; once it has been
        // shown the user is back in Catch mode.
        case kCommandAddDeleteFish:
        case kCommandCustomMusic:
        case kCommandCustomBackground:
            if (openDialog_) openDialog_(commandId);
            scene_.SetMode(kCommandCatch);
            input_.UpdateCursor();
            return true;
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

// The first paint is the first sure sign that the window is mapped; the set-up
// runs once this handler is done, outside the toolkit's drawing.
void CAquariumView::OnPaint(wxPaintEvent&) {
    wxPaintDC paintDc(this);
    if (setUpWanted_ && !setUpStarted_) {
        setUpStarted_ = true;
        CallAfter(&CAquariumView::InitGL);
    }
    RenderFrame();
}

// The frame replaces the viewport and the projection every time it draws; the
// tank follows the size the window manager grants, full screen or not.
void CAquariumView::OnSize(wxSizeEvent& event) {
    if (setUpDone_) FollowClientSize();
    event.Skip();
}

void CAquariumView::FollowClientSize() {
    const wxSize client = GetClientSize();
    scene_.Resize(client.GetWidth(), client.GetHeight());
}

void CAquariumView::OnEraseBackground(wxEraseEvent&) {}

bool CAquariumView::Drawable() const {
    const wxTopLevelWindow* frame =
        dynamic_cast<wxTopLevelWindow*>(wxGetTopLevelParent(const_cast<CAquariumView*>(this)));
    return IsShownOnScreen() && !(frame && frame->IsIconized());
}

// A minimised or hidden window gets no frames; the tank stands still and goes
// on from where it was once the window is back.
void CAquariumView::OnTimer(wxTimerEvent&) {
    if (!Drawable()) return;
    pacer_.FrameStarted(NowMs());
    RenderFrame();
    if (afterFrame_) afterFrame_();
}

// The frame timer is re-armed only once the event queue has drained: a frame
// never queues behind another, and input, repaints and deferred window
// deletion (closing the frame) are never starved by a drawing loop that is
// always due. It waits for the next frame's turn, and is not re-armed while
// the window cannot be seen: the event that shows it again brings an idle
// event that re-arms it.
void CAquariumView::OnIdle(wxIdleEvent& event) {
    if (setUpDone_ && !sceneDestroyed_ && !frameTimer_.IsRunning() && Drawable()) {
        const double delayMs = pacer_.DelayMs(NowMs());
        frameTimer_.StartOnce(std::max(kFrameTimerPeriodMs, static_cast<int>(std::ceil(delayMs))));
    }
    event.Skip();
}

void CAquariumView::OnKeyDown(wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_F1) scene_.ToggleOverlay();
    event.Skip();
}
