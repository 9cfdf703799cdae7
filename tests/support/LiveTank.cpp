#include "support/LiveTank.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include <gtest/gtest.h>
#include <wx/app.h>

#include "core/scene/AquariumScene.h"
#include "settings/SettingsTestFiles.h"
#include "support/ScreenCapture.h"
#include "ui/AquariumView.h"
#include "ui/MainFrame.h"

LiveTank::LiveTank(int width, int height, const std::string& settings) : server_(width, height) {
    WriteTextFile(home_.Path() / "velmar" / "VelmarSet.ini", settings);
    setenv("XDG_CONFIG_HOME", home_.Path().c_str(), 1);
    setenv("DISPLAY", server_.Display().c_str(), 1);
    unsetenv("GDK_BACKEND");
    static int argc = 1;
    static char name[] = "velmar";
    static char* argv[] = {name, nullptr};
    wxApp::SetInstance(new wxApp);
    if (!wxEntryStart(argc, argv)) return;
    frame_ = new CMainFrame();
    wxTheApp->SetTopWindow(frame_);
    frame_->ShowAndStartScene();
}

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
    return frame_->View()->Scene();
}

bool LiveTank::WaitFor(const std::function<bool(const AquariumScene&)>& holds, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < deadline) {
        if (Read<bool>(holds)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

void LiveTank::SendCommand(int commandId) {
    OnUiThread([this, commandId] {
        wxCommandEvent command(wxEVT_MENU, commandId);
        frame_->ProcessWindowEvent(command);
    });
}

void LiveTank::RunOnDisplay(const std::string& command) const {
    const std::string full = "DISPLAY=" + server_.Display() + " " + command + " 2>/dev/null";
    if (std::system(full.c_str()) != 0) ADD_FAILURE() << command;
}

std::string LiveTank::Output(const std::string& command) const {
    return OutputOnDisplay(server_.Display(), command);
}

void LiveTank::MovePointer(int x, int y) const {
    RunOnDisplay("xdotool mousemove " + std::to_string(x) + " " + std::to_string(y));
}

// Held as a person holds it: in the zoom modes a release that comes before the
// next frame cancels the press.
void LiveTank::Click(int x, int y) const {
    RunOnDisplay("xdotool mousemove " + std::to_string(x) + " " + std::to_string(y) +
                 " mousedown 1 sleep 0.3 mouseup 1");
}

void LiveTank::ChooseFromMenu(int x, int y, int index) const {
    ::ChooseFromMenu(server_, x, y, index);
}

// The frame's frustum spans +-0.4 of the distance over the screen's height;
// the fish layer lies 60 units in front of the eye.
PointerPos LiveTank::PixelOf(float x, float y) const {
    const float unitsPerPixel = 2.0f * 0.4f * 60.0f / server_.Height();
    return {static_cast<int>(server_.Width() / 2 + x / unitsPerPixel),
            static_cast<int>(server_.Height() / 2 - y / unitsPerPixel)};
}
