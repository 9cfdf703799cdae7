#pragma once

#include <array>
#include <functional>
#include <optional>

#include <wx/bitmap.h>
#include <wx/popupwin.h>

#include "core/interaction/PopupMenuLayout.h"

// The right-click menu, painted by hand since GTK menus cannot be drawn by
// their owner: ten entries, an icon column on the left, the entry under the
// pointer (or chosen with the arrow keys) framed and filled in lavender. The
// tank goes on animating behind it. An entry is chosen where a button is
// released over it, as on desktop menus.
class IconMenu : public wxPopupWindow {
  public:
    // `choose` receives the command of the entry clicked or chosen with Enter.
    IconMenu(wxWindow* parent, std::function<void(int commandId)> choose);

    // Opens with its top-left corner at the screen point, kept inside `area`
    // (screen pixels). `pressedThere`: the right button is held since it was
    // pressed at that point; its release there chooses nothing.
    void OpenAt(const wxPoint& screenPoint, const wxRect& area, bool pressedThere);
    void Close();
    // The button that opened the menu is still held, and the window it was
    // pressed in gets the pointer: it hands the pointer's moves and the
    // release on, in screen pixels.
    void HeldPointerAt(const wxPoint& screenPoint);
    void ReleasedAt(const wxPoint& screenPoint);
    // The arrow keys, Enter and Escape while the menu is open. True when taken.
    bool HandleKey(int keyCode);

  private:
    void OnPaint(wxPaintEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnLeave(wxMouseEvent& event);
    void OnRelease(wxMouseEvent& event);
    void DrawItem(wxDC& dc, int index, bool highlighted) const;
    void Highlight(std::optional<int> entry);
    void Choose(int entry);
    // The desktop's font, made smaller where needed so every text fits its entry.
    wxFont FittingFont();

    std::function<void(int)> choose_;
    std::array<wxBitmap, kPopupEntryCount> icons_;
    std::array<wxString, kPopupEntryCount> labels_;  // translated, set off by two spaces
    std::optional<int> highlighted_;
    std::optional<wxPoint> openingPress_;
    wxFont font_;
};
