#include "render/AquariumView.h"

#include <wx/dcclient.h>

#include "interaction/CommandIds.h"
#include "interaction/IconMenu.h"
#include "interaction/PopupMenuLayout.h"
#include "platform/LifecycleTrace.h"
#include "platform/MessageBox.h"
#include "platform/ProcessExit.h"
#include "platform/ScreenSize.h"
#include "platform/TempPath.h"
#include "platform/WorkDir.h"
#include "render/AquariumScene.h"
#include "render/PixelFormat.h"
#include "render/SceneRenderer.h"
#include "render/TankSetUp.h"
#include "resources/MenuArtwork.h"
#include "settings/LoadAquariumSettings.h"

namespace {
const char* const kAppTitle = "VelmarScr";
constexpr int kFrameTimerPeriodMs = 1;
}  // namespace

CAquariumView::CAquariumView(wxWindow* parent, AquariumScene& scene)
    : CAquariumView(parent, scene, ChooseSceneVisual()) {}

CAquariumView::CAquariumView(wxWindow* parent, AquariumScene& scene,
                             const std::optional<wxGLAttributes>& visual)
    : wxGLCanvas(parent, visual ? *visual : DefaultVisual(), wxID_ANY, wxDefaultPosition,
                 wxDefaultSize, wxFULL_REPAINT_ON_RESIZE | wxWANTS_CHARS),
      scene_(scene),
      frameTimer_(this),
      pixelFormatFound_(visual.has_value()) {
    Bind(wxEVT_PAINT, &CAquariumView::OnPaint, this);
    Bind(wxEVT_ERASE_BACKGROUND, &CAquariumView::OnEraseBackground, this);
    Bind(wxEVT_TIMER, &CAquariumView::OnTimer, this);
    Bind(wxEVT_IDLE, &CAquariumView::OnIdle, this);
    Bind(wxEVT_KEY_DOWN, &CAquariumView::OnKeyDown, this);
    Bind(wxEVT_LEFT_DOWN, &CAquariumView::OnLeftDown, this);
    Bind(wxEVT_LEFT_UP, &CAquariumView::OnLeftUp, this);
    Bind(wxEVT_LEFT_DCLICK, &CAquariumView::OnLeftDoubleClick, this);
    Bind(wxEVT_MOTION, &CAquariumView::OnMouseMove, this);
    Bind(wxEVT_RIGHT_DOWN, &CAquariumView::OnRightDown, this);
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
    if (setUpStarted_) return;
    setUpStarted_ = true;
    SetUp();
    // A message box shown during the set-up runs events of its own: until now
    // neither they nor the timer may draw a half-built tank. If the set-up
    // stopped early, frames still draw whatever it made.
    setUpDone_ = true;
    frameTimer_.StartOnce(kFrameTimerPeriodMs);
}

void CAquariumView::SetUp() {
    if (!SetupPixelFormat()) return;
    renderer_ = std::make_unique<SceneRenderer>(GetContentScaleFactor());
    const TankSetUpSources sources{ScreenSizeOf(this), GetWorkDir(), HasTempPath,
                                   LoadAquariumSettings};
    if (SetUpTank(scene_, *renderer_, sources) == TankSetUpResult::kNoTempPath) {
        ShowMessageBox("Error Find TempPath.", "ERROR");
    }
}

void CAquariumView::RenderFrame() {
    if (!setUpDone_ || !renderer_) return;
    context_->SetCurrent(*this);
    scene_.RenderFrame(*renderer_);
    SwapBuffers();
}

void CAquariumView::DestroyScene() {
    if (sceneDestroyed_) return;
    sceneDestroyed_ = true;
    TraceLifecycle("DestroyScene");
    // The GL objects go while their context is still current.
    if (context_) context_->SetCurrent(*this);
    renderer_.reset();
    context_.reset();
    frameTimer_.Stop();
}

bool CAquariumView::HandleCommand(int commandId) {
    scene_.SetMode(commandId);
    switch (commandId) {
        case kCommandExit:
            DestroyScene();
            ExitProcessNow(0);
        // Once their dialogs have been shown, the user is back in Catch mode.
        case kCommandAddDeleteFish:
        case kCommandCustomMusic:
        case kCommandCustomBackground:
            scene_.SetMode(kCommandCatch);
            UpdateCursor();
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

// The frame replaces the viewport and the projection every time it draws, so
// a resize needs nothing but the repaint it brings.
void CAquariumView::OnPaint(wxPaintEvent&) {
    wxPaintDC paintDc(this);
    RenderFrame();
}

void CAquariumView::OnEraseBackground(wxEraseEvent&) {}

void CAquariumView::OnTimer(wxTimerEvent&) {
    RenderFrame();
}

// The frame timer is re-armed only once the event queue has drained: a frame
// never queues behind another, and input, repaints and deferred window
// deletion (closing the frame) are never starved by a drawing loop that is
// always due.
void CAquariumView::OnIdle(wxIdleEvent& event) {
    if (setUpDone_ && !sceneDestroyed_ && !frameTimer_.IsRunning()) {
        frameTimer_.StartOnce(kFrameTimerPeriodMs);
    }
    event.Skip();
}

void CAquariumView::OnKeyDown(wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_F1) scene_.ToggleOverlay();
    event.Skip();
}

// The pointer in client pixels; the renderer scales it with the viewport.
void CAquariumView::OnLeftDown(wxMouseEvent& event) {
    event.Skip();
    if (CloseMenu()) return;
    scene_.LeftButtonDown({event.GetX(), event.GetY()});
    UpdateCursor();
}

void CAquariumView::OnLeftUp(wxMouseEvent& event) {
    scene_.LeftButtonUp();
    UpdateCursor();
    event.Skip();
}

void CAquariumView::OnLeftDoubleClick(wxMouseEvent& event) {
    UpdateCursor();
    event.Skip();
}

void CAquariumView::OnMouseMove(wxMouseEvent& event) {
    UpdateCursor();
    scene_.MouseMove({event.GetX(), event.GetY()});
    event.Skip();
}

void CAquariumView::OnRightDown(wxMouseEvent& event) {
    event.Skip();
    if (CloseMenu()) return;
    OpenMenuAt(ClientToScreen(event.GetPosition()));
}

bool CAquariumView::HandleMenuKey(const wxKeyEvent& event) {
    if (menu_ && menu_->HandleKey(event.GetKeyCode())) return true;
    const int key = event.GetKeyCode();
    if (key != WXK_MENU && !(key == WXK_F10 && event.GetModifiers() == wxMOD_SHIFT)) return false;
    OpenMenuAt(wxGetMousePosition());
    return true;
}

void CAquariumView::OpenMenuAt(const wxPoint& screenPoint) {
    if (!menu_) {
        // The chosen entry takes the route of any menu command, through the frame.
        menu_ = new IconMenu(this, [this](int commandId) {
            GetParent()->GetEventHandler()->QueueEvent(new wxCommandEvent(wxEVT_MENU, commandId));
        });
    }
    menu_->OpenAt(screenPoint);
}

bool CAquariumView::CloseMenu() {
    if (!menu_ || !menu_->IsShown()) return false;
    menu_->Close();
    return true;
}

// Modes without a cursor of their own leave the one that shows.
void CAquariumView::UpdateCursor() {
    const std::optional<int> id = ModeCursorId(scene_.Mode(), scene_.Pointer().buttonDown);
    if (!id || id == shownCursorId_) return;
    auto cursor = cursors_.find(*id);
    if (cursor == cursors_.end()) cursor = cursors_.emplace(*id, ModeCursor(*id)).first;
    SetCursor(cursor->second);
    shownCursorId_ = id;
}
