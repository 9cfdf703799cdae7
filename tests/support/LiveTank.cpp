#include "support/LiveTank.h"

#include <cstdlib>
#include <thread>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/toplevel.h>

#include "core/scene/AquariumScene.h"
#include "ui/AquariumView.h"
#include "ui/TankWindows.h"

LiveTank::LiveTank(int width, int height, const std::string& settings) : server_(width, height) {
    WriteFile(SettingsPath(), settings);
    setenv("XDG_CONFIG_HOME", home_.Path().c_str(), 1);
    setenv("DISPLAY", server_.Display().c_str(), 1);
    unsetenv("GDK_BACKEND");
    static int argc = 1;
    static char name[] = "velmar";
    static char* argv[] = {name, nullptr};
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv)) return;
    windows_ = std::make_unique<TankWindows>(TankWindowsOptions{});
    frame_ = windows_->Frames().front();
    wxTheApp->SetTopWindow(frame_);
    windows_->Show();
}

LiveTank::~LiveTank() = default;

void LiveTank::Run(const std::function<void(LiveTank&)>& script) {
    if (!frame_ || !frame_->View()) {
        ADD_FAILURE() << "the program did not start on " << server_.Display();
        return;
    }
    std::thread driver([&] {
        script(*this);
        OnUiThread([] { wxTheApp->ExitMainLoop(); });
    });
    wxTheApp->OnRun();
    driver.join();
}

void LiveTank::OnUiThread(const std::function<void()>& work) {
    std::promise<void> done;
    wxTheApp->CallAfter([&] {
        work();
        done.set_value();
    });
    done.get_future().wait();
}

const AquariumScene& LiveTank::Scene() const {
    return *frame_->Scene();
}

bool LiveTank::WaitFor(const std::function<bool(const AquariumScene&)>& holds) {
    return PollUntil([&] { return Read<bool>(holds); }, kPatientMs);
}

void LiveTank::ChooseMode(Mode mode) {
    OnUiThread([this, mode] { frame_->Scene()->SetMode(mode); });
}

LiveDialog::LiveDialog(LiveTank& tank, std::string title)
    : tank_(tank), title_(std::move(title)), window_(tank.Server().WaitForWindow(title_)) {}

void LiveDialog::Click(int id, int row) {
    wxRect box;
    tank_.OnUiThread([&] {
        wxWindow* control = Find(id);
        if (auto* list = dynamic_cast<wxListCtrl*>(control); list && row >= 0) {
            list->GetItemRect(row, box);
            box = wxRect(list->ClientToScreen(box.GetPosition()), wxSize(40, box.height));
        } else if (control) {
            box = control->GetScreenRect();
        }
    });
    tank_.Server().Click(box.x + box.width / 2, box.y + box.height / 2);
}

bool LiveDialog::ChooseFile(int id, const std::string& chooser, const std::string& path) {
    Click(id);
    if (tank_.Server().WaitForWindow(chooser).empty()) return false;
    // Typing a path opens the chooser's location field. A Return that comes
    // while the chooser still reads its folder, or offers completions, is
    // taken by those: Return again until it closes.
    tank_.Server().Run("xdotool type --delay 20 '" + path + "'");
    return PollUntil(
        [&] {
            if (tank_.Server().ShownWindows(chooser).empty()) return true;
            tank_.Server().Run("xdotool key Return");
            return false;
        },
        kPatientMs, 1000);
}

wxWindow* LiveDialog::Find(int id) const {
    for (wxWindow* window : wxTopLevelWindows) {
        const auto* dialog = dynamic_cast<wxTopLevelWindow*>(window);
        if (dialog && dialog->GetTitle() == title_) return wxWindow::FindWindowById(id, window);
    }
    return nullptr;
}
