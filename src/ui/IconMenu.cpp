#include "ui/IconMenu.h"

#include <algorithm>
#include <cstdlib>

#include <wx/dcbuffer.h>
#include <wx/dcclient.h>
#include <wx/intl.h>
#include <wx/settings.h>

#include "ui/MenuArtwork.h"

namespace {
constexpr int kIconColumnWidth = 25;
constexpr int kIconInset = 3;
constexpr int kIconSize = 24;
constexpr int kTextGap = 8;
const wxColour kIconColumnColour(219, 216, 209);
const wxColour kTextColumnColour(249, 248, 247);
const wxColour kHighlightColour(177, 185, 207);

// How far a held button may wander and still count as a click; the desktop's
// own figure where it gives one.
int DragThreshold(wxSystemMetric axis) {
    constexpr int kFewestPixels = 4;
    return std::max(kFewestPixels, wxSystemSettings::GetMetric(axis));
}
}  // namespace

IconMenu::IconMenu(wxWindow* parent, std::function<void(int)> choose)
    : wxPopupWindow(parent, wxBORDER_NONE), choose_(std::move(choose)) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    SetClientSize(kPopupWidth, kPopupHeight);
    for (int i = 0; i < kPopupEntryCount; ++i) {
        wxImage icon = MenuIconImage(kMenuCommands[i].iconId);
        if (icon.IsOk()) {
            icons_[i] = wxBitmap(icon.Scale(kIconSize, kIconSize, wxIMAGE_QUALITY_HIGH));
        }
        labels_[i] = "  " + wxGetTranslation(kMenuCommands[i].text);
    }
    font_ = FittingFont();
    Bind(wxEVT_PAINT, &IconMenu::OnPaint, this);
    Bind(wxEVT_MOTION, &IconMenu::OnMotion, this);
    Bind(wxEVT_LEAVE_WINDOW, &IconMenu::OnLeave, this);
    Bind(wxEVT_LEFT_UP, &IconMenu::OnRelease, this);
    Bind(wxEVT_RIGHT_UP, &IconMenu::OnRelease, this);
}

wxFont IconMenu::FittingFont() {
    constexpr int kSmallestPoints = 6;
    const int room = kPopupEntryWidth - kIconColumnWidth - kTextGap - 2;
    wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    wxClientDC dc(this);
    while (font.GetPointSize() > kSmallestPoints) {
        dc.SetFont(font);
        int widest = 0;
        for (const wxString& label : labels_) {
            widest = std::max(widest, dc.GetTextExtent(label).GetWidth());
        }
        if (widest <= room) break;
        font.SetPointSize(font.GetPointSize() - 1);
    }
    return font;
}

void IconMenu::OpenAt(const wxPoint& screenPoint, const wxRect& area, bool pressedThere) {
    const auto [x, y] =
        PlacePopup(screenPoint.x, screenPoint.y,
                   {area.GetLeft(), area.GetTop(), area.GetWidth(), area.GetHeight()});
    highlighted_.reset();
    openingPress_ = pressedThere ? std::optional<wxPoint>(screenPoint) : std::nullopt;
    Position(wxPoint(x, y), wxSize(0, 0));
    Show();
    Raise();
}

void IconMenu::Close() {
    highlighted_.reset();
    openingPress_.reset();
    Hide();
}

void IconMenu::HeldPointerAt(const wxPoint& screenPoint) {
    const wxPoint at = ScreenToClient(screenPoint);
    Highlight(PopupEntryAt(at.x, at.y));
}

// A plain right click releases the button where it opened the menu: that
// release chooses nothing, or the menu would close as soon as it opened.
void IconMenu::ReleasedAt(const wxPoint& screenPoint) {
    if (openingPress_) {
        const wxPoint moved = screenPoint - *openingPress_;
        openingPress_.reset();
        if (std::abs(moved.x) <= DragThreshold(wxSYS_DRAG_X) &&
            std::abs(moved.y) <= DragThreshold(wxSYS_DRAG_Y)) {
            return;
        }
    }
    const wxPoint at = ScreenToClient(screenPoint);
    if (const std::optional<int> entry = PopupEntryAt(at.x, at.y)) Choose(*entry);
}

bool IconMenu::HandleKey(int keyCode) {
    if (!IsShown()) return false;
    switch (keyCode) {
        case WXK_ESCAPE:
            Close();
            return true;
        case WXK_UP:
        case WXK_NUMPAD_UP:
            Highlight(NextPopupEntry(highlighted_, -1));
            return true;
        case WXK_DOWN:
        case WXK_NUMPAD_DOWN:
            Highlight(NextPopupEntry(highlighted_, 1));
            return true;
        case WXK_RETURN:
        case WXK_NUMPAD_ENTER:
        case WXK_SPACE:
            if (highlighted_) Choose(*highlighted_);
            return true;
        default:
            // An open menu keeps the keyboard, as desktop menus do.
            return true;
    }
}

void IconMenu::OnPaint(wxPaintEvent&) {
    wxAutoBufferedPaintDC dc(this);
    dc.SetFont(font_);
    // The entries keep their own light colours whatever the desktop theme.
    dc.SetTextForeground(*wxBLACK);
    for (int i = 0; i < kPopupEntryCount; ++i) DrawItem(dc, i, highlighted_ == i);
}

void IconMenu::DrawItem(wxDC& dc, int index, bool highlighted) const {
    const wxRect item(0, index * kPopupEntryHeight, kPopupEntryWidth, kPopupEntryHeight);
    dc.SetPen(*wxTRANSPARENT_PEN);
    if (highlighted) {
        dc.SetPen(*wxBLACK_PEN);
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.DrawRectangle(item);
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(wxBrush(kHighlightColour));
        dc.DrawRectangle(wxRect(item).Deflate(1));
    } else {
        dc.SetBrush(wxBrush(kIconColumnColour));
        dc.DrawRectangle(item.x, item.y, kIconColumnWidth, item.height);
        dc.SetBrush(wxBrush(kTextColumnColour));
        dc.DrawRectangle(item.x + kIconColumnWidth, item.y, item.width - kIconColumnWidth,
                         item.height);
    }
    // A highlighted icon lifts a pixel up and to the left.
    const int nudge = highlighted ? 1 : 0;
    if (icons_[index].IsOk()) {
        dc.DrawBitmap(icons_[index], item.x + kIconInset - nudge, item.y + kIconInset - nudge,
                      true);
    }
    const wxRect text(item.x + kIconColumnWidth + kTextGap, item.y,
                      item.width - kIconColumnWidth - kTextGap, item.height);
    dc.DrawLabel(labels_[index], text, wxALIGN_LEFT | wxALIGN_CENTER_VERTICAL);
}

void IconMenu::OnMotion(wxMouseEvent& event) {
    Highlight(PopupEntryAt(event.GetX(), event.GetY()));
}

void IconMenu::OnLeave(wxMouseEvent&) {
    Highlight(std::nullopt);
}

void IconMenu::OnRelease(wxMouseEvent& event) {
    ReleasedAt(ClientToScreen(event.GetPosition()));
}

void IconMenu::Highlight(std::optional<int> entry) {
    if (entry == highlighted_) return;
    highlighted_ = entry;
    Refresh(false);
}

void IconMenu::Choose(int entry) {
    Close();
    choose_(kMenuCommands[entry].commandId);
}
