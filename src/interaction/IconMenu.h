#pragma once

#include <array>
#include <functional>
#include <optional>

#include <wx/bitmap.h>
#include <wx/popupwin.h>

#include "interaction/PopupMenuLayout.h"

// The right-click menu, painted by hand since GTK menus cannot be drawn by
// their owner: nine entries, an icon column on the left, the entry under the
// pointer (or chosen with the arrow keys) framed and filled in lavender. The
// tank goes on animating behind it.
class IconMenu : public wxPopupWindow {
  public:
    // `choose` receives the command of the entry clicked or chosen with Enter.
    IconMenu(wxWindow* parent, std::function<void(int commandId)> choose);

    // Opens with its top-left corner at the screen point, kept on the screen.
    void OpenAt(const wxPoint& screenPoint);
    void Close();
    // The arrow keys, Enter and Escape while the menu is open. True when taken.
    bool HandleKey(int keyCode);

  private:
    void OnPaint(wxPaintEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnLeave(wxMouseEvent& event);
    void OnClick(wxMouseEvent& event);
    void DrawItem(wxDC& dc, int index, bool highlighted) const;
    void Highlight(std::optional<int> entry);
    void Choose(int entry);
    // The desktop's font, made smaller where needed so every text fits its entry.
    wxFont FittingFont();

    std::function<void(int)> choose_;
    std::array<wxBitmap, kPopupEntryCount> icons_;
    std::optional<int> highlighted_;
    wxFont font_;
};
