#include "ui/TankInput.h"

#include <wx/window.h>

#include "core/interaction/PopupMenuLayout.h"
#include "core/scene/AquariumScene.h"
#include "ui/IconMenu.h"
#include "ui/MenuArtwork.h"

TankInput::TankInput(wxWindow& window, AquariumScene& scene) : window_(window), scene_(scene) {
    window_.Bind(wxEVT_LEFT_DOWN, &TankInput::OnLeftDown, this);
    window_.Bind(wxEVT_LEFT_UP, &TankInput::OnLeftUp, this);
    window_.Bind(wxEVT_LEFT_DCLICK, &TankInput::OnLeftDoubleClick, this);
    window_.Bind(wxEVT_MOTION, &TankInput::OnMouseMove, this);
    window_.Bind(wxEVT_RIGHT_DOWN, &TankInput::OnRightDown, this);
    window_.Bind(wxEVT_RIGHT_UP, &TankInput::OnRightUp, this);
    window_.Bind(wxEVT_KILL_FOCUS, &TankInput::OnKillFocus, this);
    window_.Bind(wxEVT_LEAVE_WINDOW, &TankInput::OnLeave, this);
}

// The pointer in client pixels; the renderer scales it with the viewport.
void TankInput::OnLeftDown(wxMouseEvent& event) {
    event.Skip();
    if (CloseMenu()) return;
    scene_.LeftButtonDown({event.GetX(), event.GetY()});
    UpdateCursor();
}

void TankInput::OnLeftUp(wxMouseEvent& event) {
    event.Skip();
    scene_.LeftButtonUp();
    UpdateCursor();
}

void TankInput::OnLeftDoubleClick(wxMouseEvent& event) {
    event.Skip();
    UpdateCursor();
}

// The net holds still under an open menu. The right button held since it
// opened the menu keeps the pointer here: the menu follows it.
void TankInput::OnMouseMove(wxMouseEvent& event) {
    event.Skip();
    if (MenuShown()) {
        if (event.RightIsDown()) menu_->HeldPointerAt(window_.ClientToScreen(event.GetPosition()));
        return;
    }
    UpdateCursor();
    scene_.MouseMove({event.GetX(), event.GetY()});
}

void TankInput::OnRightDown(wxMouseEvent& event) {
    event.Skip();
    CloseMenu();
    OpenMenuAt(window_.ClientToScreen(event.GetPosition()), true);
}

void TankInput::OnRightUp(wxMouseEvent& event) {
    event.Skip();
    if (MenuShown()) menu_->ReleasedAt(window_.ClientToScreen(event.GetPosition()));
}

// Onto another monitor's tank or another window; the menu, which lies inside
// the tank, keeps the net where it is.
void TankInput::OnLeave(wxMouseEvent& event) {
    event.Skip();
    if (!window_.GetScreenRect().Contains(wxGetMousePosition())) scene_.PointerLeft();
}

// Another window, a dialog of ours or another program, has the keyboard now.
void TankInput::OnKillFocus(wxFocusEvent& event) {
    event.Skip();
    CloseMenu();
}

bool TankInput::HandleMenuKey(const wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    if (menu_ && menu_->HandleKey(key)) return true;
    if (key != WXK_MENU && !(key == WXK_F10 && event.GetModifiers() == wxMOD_SHIFT)) return false;
    OpenMenuAt(wxGetMousePosition(), false);
    return true;
}

void TankInput::OpenMenuAt(const wxPoint& screenPoint, bool pressedThere) {
    if (!menu_) {
        menu_ = new IconMenu(&window_, [this](int commandId) { Choose(commandId); });
    }
    // The menu stays inside the tank, whatever part of the screen it was granted.
    menu_->OpenAt(screenPoint, window_.GetScreenRect(), pressedThere);
}

// A mode takes effect at once. Other commands are handled once the menu's
// own event is done: a dialog they open must not run inside it.
void TankInput::Choose(int commandId) {
    if (const std::optional<Mode> mode = ModeOfCommand(commandId)) {
        scene_.SetMode(*mode);
        UpdateCursor();
        return;
    }
    if (commandHandler_) window_.CallAfter([this, commandId] { commandHandler_(commandId); });
}

bool TankInput::MenuShown() const {
    return menu_ && menu_->IsShown();
}

bool TankInput::CloseMenu() {
    if (!MenuShown()) return false;
    menu_->Close();
    return true;
}

void TankInput::UpdateCursor() {
    const std::optional<int> id = ModeCursorId(scene_.CurrentMode(), scene_.Pointer().buttonDown);
    if (!id || id == shownCursorId_) return;
    auto cursor = cursors_.find(*id);
    if (cursor == cursors_.end()) cursor = cursors_.emplace(*id, ModeCursor(*id)).first;
    window_.SetCursor(cursor->second);
    shownCursorId_ = id;
}
