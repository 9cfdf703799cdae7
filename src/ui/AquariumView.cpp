#include "ui/AquariumView.h"

#include <wx/dcclient.h>
#include <wx/display.h>
#include <wx/toplevel.h>

#include "core/scene/AquariumScene.h"
#include "gl/SceneRenderer.h"
#include "gl/SwapInterval.h"
#include "platform/ProgramNames.h"
#include "platform/posix/TempPath.h"
#include "platform/runtime/MessageBox.h"
#include "platform/runtime/Translation.h"
#include "ui/PixelFormat.h"

namespace {

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
      pixelFormatFound_(visual.has_value()),
      input_(*this, scene) {
    Bind(wxEVT_PAINT, &CAquariumView::OnPaint, this);
    Bind(wxEVT_ERASE_BACKGROUND, &CAquariumView::OnEraseBackground, this);
    Bind(wxEVT_KEY_DOWN, &CAquariumView::OnKeyDown, this);
}

CAquariumView::~CAquariumView() {
    DestroyContext();
}

bool CAquariumView::MakeContext() {
    if (!pixelFormatFound_) {
        ShowMessageBox(Tr("ChoosePixelFormat failed"), kWindowName);
        return false;
    }
    context_ = std::make_unique<wxGLContext>(
        this, shareWith_ && shareWith_->context_ ? shareWith_->context_.get() : nullptr);
    if (!context_->IsOK() || !MakeCurrent()) {
        context_.reset();
        ShowMessageBox(Tr("SetPixelFormat failed"), kWindowName);
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

bool CAquariumView::Visible() const {
    const wxTopLevelWindow* frame =
        dynamic_cast<wxTopLevelWindow*>(wxGetTopLevelParent(const_cast<CAquariumView*>(this)));
    return state_ == State::kSetUp && !covered_ && IsShownOnScreen() &&
           !(frame && frame->IsIconized());
}

void CAquariumView::SetUpOnceShown(const AquariumSettings& settings,
                                   std::function<void(ViewSetUp)> afterSetUp) {
    settings_ = settings;
    afterSetUp_ = std::move(afterSetUp);
    state_ = State::kSetUpWanted;
    // A window already on screen has had its first paint: ask for another.
    Refresh(false);
}

// A message box shown during the set-up runs events of its own: until it is
// done neither they nor a paint may draw a half-built tank. A set-up that
// stopped early still hands over whatever it made.
void CAquariumView::SetUp() {
    ViewSetUp made;
    if (MakeContext()) {
        TankOnSurface tank =
            SetUpTankOnSurface(scene_, PixelSize(), settings_, GetContentScaleFactor());
        made.renderer = std::move(tank.renderer);
        made.complete = tank.result == TankSetUpResult::kComplete;
        if (!made.complete) ReportNoTempPath();
    }
    state_ = State::kSetUp;
    // Where the driver waits for the refresh at each swap the timer need not;
    // software GL under a virtual X server does not, and the timer paces.
    const bool swapPaces = paceBySwap_ && maxFps_ != 0;
    made.swapWaitsForRefresh = context_ && SetSwapInterval(swapPaces ? 1 : 0) && swapPaces;
    made.refreshHz = RefreshHzOf(this);
    if (afterSetUp_) afterSetUp_(std::move(made));
}

void CAquariumView::DestroyContext() {
    state_ = State::kContextGone;
    context_.reset();
}

// The first paint is the first sure sign that the window is mapped; the set-up
// runs once this handler is done, outside the toolkit's drawing.
void CAquariumView::OnPaint(wxPaintEvent&) {
    wxPaintDC paintDc(this);
    if (state_ == State::kSetUpWanted) {
        state_ = State::kSettingUp;
        CallAfter(&CAquariumView::SetUp);
    }
    if (state_ == State::kSetUp && repaint_) repaint_();
}

void CAquariumView::OnKeyDown(wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_F1) scene_.ToggleOverlay();
    event.Skip();
}
