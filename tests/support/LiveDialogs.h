#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include <wx/listctrl.h>
#include <wx/toplevel.h>
#include <wx/window.h>

#include "support/LiveTank.h"

// Helpers for driving the program's dialogs in a LiveTank as a user would.

// Polls from the test's own thread; `check` may run work on the interface thread.
inline bool PollUntil(const std::function<bool()>& check, int timeoutMs) {
    for (int waited = 0; waited < timeoutMs; waited += 100) {
        if (check()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return check();
}

// The X id of the visible window with exactly this title; empty on time-out.
inline std::string WaitForWindowNamed(LiveTank& tank, const std::string& name) {
    std::string found;
    PollUntil(
        [&] {
            found = tank.Output("xdotool search --onlyvisible --name '^" + name + "$'");
            return !found.empty();
        },
        15000);
    return found.substr(0, found.find('\n'));
}

// Types `path` into the open GTK file chooser titled `chooser` and takes it.
inline bool ChooseFile(LiveTank& tank, const std::string& chooser, const std::string& path) {
    if (WaitForWindowNamed(tank, chooser).empty()) return false;
    // Typing a path opens the chooser's location field.
    tank.RunOnDisplay("xdotool type --delay 20 '" + path + "'");
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    tank.RunOnDisplay("xdotool key Return");
    return true;
}

// One of the program's modeless dialogs, found on screen by its title. The
// dialogs share control ids, so controls are looked up inside it.
class LiveDialog {
  public:
    LiveDialog(LiveTank& tank, std::string title)
        : tank_(tank), title_(std::move(title)), window_(WaitForWindowNamed(tank_, title_)) {}

    bool Shown() const { return !window_.empty(); }

    // Clicks the middle of the control with `id`.
    void Click(int id) {
        wxPoint centre;
        tank_.OnUiThread([&] {
            if (wxWindow* control = Control(id)) {
                const wxRect box = control->GetScreenRect();
                centre = wxPoint(box.x + box.width / 2, box.y + box.height / 2);
            }
        });
        tank_.Click(centre.x, centre.y);
    }

    // Clicks row `row` of the list control with `id`, in its first column.
    void ClickRow(int id, int row) {
        wxPoint at;
        tank_.OnUiThread([&] {
            if (auto* list = dynamic_cast<wxListCtrl*>(Control(id))) {
                wxRect box;
                list->GetItemRect(row, box);
                at = list->ClientToScreen(wxPoint(box.x + 20, box.y + box.height / 2));
            }
        });
        tank_.Click(at.x, at.y);
    }

    // Reads the list control with `id` on the interface thread.
    template <typename Result>
    Result FromList(int id, const std::function<Result(wxListCtrl&)>& read) {
        Result result{};
        tank_.OnUiThread([&] {
            if (auto* list = dynamic_cast<wxListCtrl*>(Control(id))) result = read(*list);
        });
        return result;
    }

    // Closes it as a window manager would and waits until it is gone.
    bool Close() {
        SendCloseRequest(tank_.Server().Display(), window_);
        return PollUntil(
            [&] {
                return tank_.Output("xdotool search --onlyvisible --name '^" + title_ + "$'")
                    .empty();
            },
            10000);
    }

  private:
    wxWindow* Control(int id) const {
        for (wxWindow* window : wxTopLevelWindows) {
            const auto* dialog = dynamic_cast<wxTopLevelWindow*>(window);
            if (dialog && dialog->GetTitle() == title_) return wxWindow::FindWindowById(id, window);
        }
        return nullptr;
    }

    LiveTank& tank_;
    std::string title_;
    std::string window_;
};
