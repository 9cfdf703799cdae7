#pragma once

#include <filesystem>
#include <functional>
#include <future>
#include <memory>
#include <string>

#include <wx/listctrl.h>

#include "core/interaction/MenuCommands.h"
#include "support/AppSession.h"

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
    ~LiveTank();

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
    bool WaitFor(const std::function<bool(const AquariumScene&)>& holds);
    // As the popup menu's mode entries do.
    void ChooseMode(Mode mode);
    const XServer& Server() const { return server_; }
    std::filesystem::path SettingsPath() const { return home_.Path() / "velmar" / "VelmarSet.ini"; }

  private:
    const AquariumScene& Scene() const;

    XServer server_;
    TempDir home_;
    std::unique_ptr<class TankWindows> windows_;
    class CMainFrame* frame_ = nullptr;
};

// One of the program's modeless dialogs, found on screen by its title. The
// dialogs share control ids, so controls are looked up inside it.
class LiveDialog {
  public:
    LiveDialog(LiveTank& tank, std::string title);

    bool Shown() const { return !window_.empty(); }
    const std::string& Window() const { return window_; }
    // Clicks the middle of the control with `id`, or when it is a list, row
    // `row` in its first column.
    void Click(int id, int row = -1);
    // Reads the control with `id`, a list unless told, on the interface thread.
    template <typename Result, typename Control = wxListCtrl, typename Reader>
    Result Read(int id, const Reader& read) {
        Result result{};
        tank_.OnUiThread([&] {
            if (auto* control = dynamic_cast<Control*>(Find(id))) result = read(*control);
        });
        return result;
    }
    // Waits until `holds` is true of the control with `id`, a list unless told.
    template <typename Control = wxListCtrl, typename Test>
    bool WaitFor(int id, const Test& holds) {
        return PollUntil([&] { return Read<bool, Control>(id, holds); }, kPatientMs);
    }
    // Types `path` into the GTK file chooser titled `chooser`, which a click
    // on the control with `id` opens, and takes it.
    bool ChooseFile(int id, const std::string& chooser, const std::string& path);
    // Waits until no window with its title shows.
    bool Gone() const { return tank_.Server().WaitForNoWindow(title_); }

  private:
    wxWindow* Find(int id) const;

    LiveTank& tank_;
    std::string title_;
    std::string window_;
};
