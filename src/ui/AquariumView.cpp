#include "ui/AquariumView.h"

#include <chrono>
#include <cmath>

#include <wx/dcclient.h>
#include <wx/display.h>
#include <wx/toplevel.h>

#include "core/scene/AquariumScene.h"
#include "diagnostics/Diagnostics.h"
#include "gl/SwapInterval.h"
#include "platform/ProgramNames.h"
#include "platform/posix/TempPath.h"
#include "platform/runtime/MessageBox.h"
#include "ui/PixelFormat.h"

namespace {
const char* const kAppTitle = kWindowName;
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

CAquariumView::CAquariumView(wxWindow* parent, AquariumScene& scene)
    : CAquariumView(parent, scene, ChooseSceneVisual()) {}

CAquariumView::CAquariumView(wxWindow* parent, AquariumScene& scene,
                             const std::optional<wxGLAttributes>& visual)
    : wxGLCanvas(parent, visual ? *visual : DefaultVisual(), wxID_ANY, wxDefaultPosition,
                 wxDefaultSize, wxFULL_REPAINT_ON_RESIZE | wxWANTS_CHARS),
      scene_(scene),
      runner_(scene, *this),
      frameTimer_(this),
      sessionTimer_(this),
      pixelFormatFound_(visual.has_value()),
      input_(*this, scene) {
    Bind(wxEVT_PAINT, &CAquariumView::OnPaint, this);
    Bind(wxEVT_ERASE_BACKGROUND, &CAquariumView::OnEraseBackground, this);
    Bind(wxEVT_TIMER, &CAquariumView::OnFrameTimer, this, frameTimer_.GetId());
    Bind(
        wxEVT_TIMER, [this](wxTimerEvent&) { runner_.TickSession(); }, sessionTimer_.GetId());
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
    if (!context_->IsOK() || !MakeCurrent()) {
        context_.reset();
        ShowMessageBox("SetPixelFormat failed", kAppTitle);
        return false;
    }
    return true;
}

bool CAquariumView::MakeCurrent() {
    return context_ && GetXWindow() != 0 && context_->SetCurrent(*this);
}

ScreenSize CAquariumView::PixelSize() const {
    const wxSize client = GetClientSize();
    return {client.GetWidth(), client.GetHeight()};
}

void CAquariumView::SetUpOnceShown(const AquariumSettings& settings,
                                   std::function<void(bool complete)> afterSetUp) {
    settings_ = settings;
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
    // Where the driver waits for the refresh at each swap the timer need not;
    // software GL under a virtual X server does not, and the timer paces.
    const bool swapWaits = context_ && SetSwapInterval(maxFps_ == 0 ? 0 : 1) && maxFps_ != 0;
    runner_.StartPacing(RefreshHzOf(this), maxFps_, swapWaits);
    if (afterSetUp_) afterSetUp_(complete);
    frameTimer_.StartOnce(kFrameTimerPeriodMs);
    sessionTimer_.Start(TankSession::kTickMs);
}

bool CAquariumView::SetUp() {
    if (!SetupPixelFormat()) return false;
    runner_.AfterEachFrame(FrameWatcher());
    if (runner_.SetUp(settings_, GetContentScaleFactor()) == TankSetUpResult::kNoTempPath) {
        ReportNoTempPath();
        return false;
    }
    return true;
}

void CAquariumView::DestroyScene() {
    if (sceneDestroyed_) return;
    sceneDestroyed_ = true;
    NoteLifecycle("DestroyScene");
    // The GL objects go while their context is still current; without a
    // window to make it current on, the context takes them with it.
    runner_.Release();
    context_.reset();
    frameTimer_.Stop();
    sessionTimer_.Stop();
}

// The first paint is the first sure sign that the window is mapped; the set-up
// runs once this handler is done, outside the toolkit's drawing.
void CAquariumView::OnPaint(wxPaintEvent&) {
    wxPaintDC paintDc(this);
    if (setUpWanted_ && !setUpStarted_) {
        setUpStarted_ = true;
        CallAfter(&CAquariumView::InitGL);
    }
    if (setUpDone_) runner_.DrawFrame(NowMs());
}

bool CAquariumView::Drawable() const {
    const wxTopLevelWindow* frame =
        dynamic_cast<wxTopLevelWindow*>(wxGetTopLevelParent(const_cast<CAquariumView*>(this)));
    return IsShownOnScreen() && !(frame && frame->IsIconized());
}

// A minimised or hidden window gets no frames; the tank stands still and goes
// on from where it was once the window is back.
void CAquariumView::OnFrameTimer(wxTimerEvent&) {
    if (Drawable()) runner_.DrawFrame(NowMs());
}

// Frames are drawn only once the event queue has drained: a frame never
// queues behind another, and input, repaints and deferred window deletion
// (closing the frame) are never starved by a drawing loop that is always due.
// A frame already due is drawn here and now, without a timer's round trip
// (a millisecond or more a frame); otherwise the timer waits for its turn.
// Neither runs while the window cannot be seen: the event that shows it again
// brings an idle event.
void CAquariumView::OnIdle(wxIdleEvent& event) {
    if (setUpDone_ && !sceneDestroyed_ && !frameTimer_.IsRunning() && Drawable()) {
        const double delayMs = runner_.DelayMs(NowMs());
        if (delayMs <= 0.0) {
            runner_.DrawFrame(NowMs());
            event.RequestMore();
        } else {
            frameTimer_.StartOnce(static_cast<int>(std::ceil(delayMs)));
        }
    }
    event.Skip();
}

void CAquariumView::OnKeyDown(wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_F1) scene_.ToggleOverlay();
    event.Skip();
}
