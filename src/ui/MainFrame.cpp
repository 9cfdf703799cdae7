#include "ui/MainFrame.h"

#include "core/scene/AquariumScene.h"
#include "platform/ProgramNames.h"
#include "platform/posix/ProcessExit.h"
#include "ui/AppIcon.h"
#include "ui/AquariumView.h"
#include "ui/DesktopLayer.h"

CMainFrame::CMainFrame(const Monitor& monitor, TankWindowKind kind,
                       std::unique_ptr<AquariumScene> scene, Owner owner)
    : wxFrame(nullptr, wxID_ANY, kWindowName, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE),
      monitor_(monitor),
      kind_(kind),
      scene_(std::move(scene)),
      owner_(std::move(owner)) {
    SetIcons(AppIconBundle());
    Bind(wxEVT_CHAR_HOOK, &CMainFrame::OnCharHook, this);
    Bind(wxEVT_SET_FOCUS, &CMainFrame::OnSetFocus, this);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { owner_.close(); });
    if (kind_ == TankWindowKind::kWallpaper) MakeDesktopLayer(*this);
    view_ = new CAquariumView(this, *scene_);
    view_->OnCommand([this](int commandId) { owner_.command(*this, commandId); });
}

// The view goes while the scene it draws is still there, and its tank's GL
// objects before its context.
CMainFrame::~CMainFrame() {
    owner_.gone(*this);
    DestroyChildren();
}

// Monitors are listed in the display's pixels; the toolkit places windows in
// its own, fewer when the desktop scales (GDK_SCALE=2).
wxRect CMainFrame::ToolkitRect(const PixelRect& area) const {
    return {FromPhys(wxPoint(area.x, area.y)), FromPhys(wxSize(area.width, area.height))};
}

unsigned long CMainFrame::XWindow() const {
    return TopLevelXWindow(*this);
}

void CMainFrame::ShowOnMonitor(bool fullScreenGranted) {
    SetSize(ToolkitRect(monitor_.area));
    // Full screen the desktop's way, above its panels, on the monitor the
    // window was placed on; where no window manager grants it, the frame
    // covers its monitor by itself.
    if (kind_ == TankWindowKind::kWallpaper) {
        Show();
        // Without a window manager nobody keeps it below: it goes there itself.
        Lower();
        return;
    }
    if (fullScreenGranted) {
        ShowFullScreen(true);
    } else {
        Show();
    }
    view_->SetFocus();
}

// The wallpaper is also put back where the toolkit placed it wrong: it takes
// the frame a window manager draws around other windows off a window with
// none, on xfwm4 for one. A full-screen window is the window manager's to size.
void CMainFrame::FollowMonitor(const Monitor& monitor) {
    const PixelRect area = monitor.area;
    monitor_.name = monitor.name;
    const bool misplaced =
        kind_ == TankWindowKind::kWallpaper && GetScreenRect() != ToolkitRect(area);
    if (area == monitor_.area && !misplaced) return;
    monitor_.area = area;
    const bool fullScreen = IsFullScreen();
    if (fullScreen) ShowFullScreen(false);
    SetSize(ToolkitRect(area));
    if (fullScreen) ShowFullScreen(true);
}

// An open menu takes Escape for itself. The wallpaper is the desktop: a key
// typed there must not end it.
void CMainFrame::OnCharHook(wxKeyEvent& event) {
    if (view_->HandleMenuKey(event)) return;
    if (event.GetKeyCode() == WXK_ESCAPE && kind_ == TankWindowKind::kFullScreen) {
        ExitProcessNow(0);
    }
    event.Skip();
}

void CMainFrame::OnSetFocus(wxFocusEvent& event) {
    view_->SetFocus();
    event.Skip();
}
