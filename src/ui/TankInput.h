#pragma once

#include <functional>
#include <map>
#include <optional>

#include <wx/cursor.h>
#include <wx/event.h>

class AquariumScene;
class IconMenu;
class wxWindow;

// The pointer and the menu keys over the tank's window: the left button and
// motion go to the scene, the right button (or the Menu key, or Shift+F10)
// opens the right-click menu, whose modes go to the scene and whose other
// commands to the handler given, and the cursor follows the mode. The net hides
// while the pointer is away from the tank. While the menu
// is open the scene gets no pointer: a left press on the tank closes the menu,
// a right press opens it again there, and the tank's losing the keyboard focus
// (to a dialog, another program, Alt+Tab) closes it.
class TankInput {
  public:
    // Binds the window's mouse events; both must outlive this object's use.
    TankInput(wxWindow& window, AquariumScene& scene);

    // While the menu is open it takes every key. True when the key was taken.
    bool HandleMenuKey(const wxKeyEvent& event);
    // Shows the cursor of the mode, pressed while the button is down; modes
    // without a cursor of their own leave the one that shows.
    void UpdateCursor();
    // Where a chosen command that is no mode goes, once the menu is done.
    void OnCommand(std::function<void(int commandId)> handler) {
        commandHandler_ = std::move(handler);
    }

  private:
    void OnLeftDown(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnLeftDoubleClick(wxMouseEvent& event);
    void OnMouseMove(wxMouseEvent& event);
    void OnRightDown(wxMouseEvent& event);
    void OnKillFocus(wxFocusEvent& event);
    void OnLeave(wxMouseEvent& event);
    void OnRightUp(wxMouseEvent& event);
    void OpenMenuAt(const wxPoint& screenPoint, bool pressedThere);
    void Choose(int commandId);
    bool MenuShown() const;
    bool CloseMenu();

    wxWindow& window_;
    AquariumScene& scene_;
    IconMenu* menu_ = nullptr;  // made on first use, a child of the window
    std::function<void(int commandId)> commandHandler_;
    std::map<int, wxCursor> cursors_;
    std::optional<int> shownCursorId_;
};
