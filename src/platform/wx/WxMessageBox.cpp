#include "platform/wx/WxMessageBox.h"

#include <algorithm>
#include <vector>

#include <wx/app.h>
#include <wx/eventfilter.h>
#include <wx/msgdlg.h>
#include <wx/strconv.h>
#include <wx/toplevel.h>
#include <wx/weakref.h>

#include "platform/runtime/MessageBox.h"

namespace {
// The windows the user last worked in, the latest last. A box often comes
// just as a file chooser closes, before the window under it has the keyboard
// again: then nothing has it, and the latest window still shown is the one.
class ActiveWindows : public wxEventFilter {
  public:
    int FilterEvent(wxEvent& event) override {
        if (event.GetEventType() == wxEVT_ACTIVATE &&
            static_cast<wxActivateEvent&>(event).GetActive()) {
            Remember(wxDynamicCast(event.GetEventObject(), wxWindow));
        }
        return Event_Skip;
    }

    wxWindow* Latest() const {
        for (auto window = windows_.rbegin(); window != windows_.rend(); ++window) {
            if (*window && (*window)->IsShown()) return window->get();
        }
        return nullptr;
    }

  private:
    void Remember(wxWindow* window) {
        if (!window) return;
        windows_.erase(std::remove_if(windows_.begin(), windows_.end(),
                                      [window](const wxWeakRef<wxWindow>& known) {
                                          return !known || known == window;
                                      }),
                       windows_.end());
        windows_.emplace_back(window);
    }

    std::vector<wxWeakRef<wxWindow>> windows_;
};
}  // namespace

void InstallWxMessageBoxes() {
    static ActiveWindows* const activeWindows = [] {
        auto* filter = new ActiveWindows;
        wxEvtHandler::AddFilter(filter);
        return filter;
    }();
    SetMessageBoxPresenter([](const std::string& text, const std::string& caption) {
        // The box belongs to the window the user was in, which takes the
        // keyboard back after it: left to the window manager it would go to
        // the tank, and the user's next Escape, meant for a dialog, would end
        // the program.
        wxWeakRef<wxWindow> focused = wxWindow::FindFocus();
        wxWeakRef<wxWindow> owner =
            focused ? wxGetTopLevelParent(focused) : activeWindows->Latest();
        // A path in another encoding shows its odd bytes as \ooo instead of
        // emptying the whole text.
        const wxMBConvUTF8 lenient(wxMBConvUTF8::MAP_INVALID_UTF8_TO_OCTAL);
        wxMessageBox(wxString(text.c_str(), lenient), wxString(caption.c_str(), lenient), wxOK,
                     owner.get());
        if (!owner || !owner->IsShown()) return;
        owner->Raise();
        if (focused) focused->SetFocus();
    });
}
