#pragma once

#include <filesystem>
#include <functional>
#include <future>
#include <string>

#include "core/interaction/PointerState.h"
#include "support/AppSession.h"
#include "support/TempDir.h"

class AquariumScene;

// The program's own frame, view, scene and renderer in this process, on an X
// server of their own, with the program's main loop on this thread and a test
// script on another. The script drives the pointer with xdotool as a user
// would, sends commands the way the popup menu does, and reads the scene on
// the user-interface thread between frames.
class LiveTank {
  public:
    // `settings` is the text of the settings file the program starts with.
    LiveTank(int width, int height, const std::string& settings);

    // Runs the main loop until the script returns.
    void Run(const std::function<void(LiveTank&)>& script);

    // Runs `read` on the user-interface thread, between two frames.
    template <typename Result>
    Result Read(const std::function<Result(const AquariumScene&)>& read) {
        std::promise<Result> result;
        OnUiThread([&] { result.set_value(read(Scene())); });
        return result.get_future().get();
    }
    // Runs `work` on the user-interface thread and waits for it.
    void OnUiThread(const std::function<void()>& work);
    // Waits, reading between frames, until `holds` is true; false on time-out.
    bool WaitFor(const std::function<bool(const AquariumScene&)>& holds, int timeoutMs);

    // The route a popup menu entry takes to the view; returns once it is dealt
    // with, so never for a command that opens a modal dialog.
    void SendCommand(int commandId);
    void MovePointer(int x, int y) const;
    void Click(int x, int y) const;
    // Opens the right-click menu at (x, y) and clicks entry `index` in it.
    void ChooseFromMenu(int x, int y, int index) const;
    // The client pixel over the world point (x, y) of the fish layer, as the
    // frame's camera shows it.
    PointerPos PixelOf(float x, float y) const;
    // A shell command run against the tank's display, such as xdotool; Output
    // returns what it printed.
    void RunOnDisplay(const std::string& command) const;
    std::string Output(const std::string& command) const;
    const XServer& Server() const { return server_; }
    std::filesystem::path SettingsPath() const { return home_.Path() / "velmar" / "VelmarSet.ini"; }

  private:
    const AquariumScene& Scene() const;

    XServer server_;
    TempDir home_;
    class CMainFrame* frame_ = nullptr;
};
