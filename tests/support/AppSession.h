#pragma once

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/TempDir.h"

// What runs on a test's X server besides the program: a light window manager,
// as every user has, or nothing at all (windows map at once, no focus rules).
enum class Desktop { kOpenbox, kBare };

// An X server of its own (Xvfb) for one whole-program test, so tests can run in
// parallel and see only their own windows. With a window manager, the server
// is handed out once the manager owns the screen.
class XServer {
  public:
    XServer(int width, int height, Desktop desktop = Desktop::kOpenbox);
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    const std::string& Display() const { return display_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

  private:
    void StartWindowManager();

    pid_t pid_ = -1;
    pid_t windowManagerPid_ = -1;
    std::string display_;
    int width_;
    int height_;
};

// The real velmar binary run on an X server, with a private home, settings
// folder, runtime folder and temporary folder, and a lifecycle trace file.
class AppSession {
  public:
    explicit AppSession(const XServer& server);
    ~AppSession();
    AppSession(const AppSession&) = delete;
    AppSession& operator=(const AppSession&) = delete;

    // Starts one more copy of the program with the arguments and the extra
    // environment variables ("NAME=value"); returns its process id.
    pid_t Start(const std::vector<std::string>& arguments = {},
                const std::vector<std::string>& environment = {});
    // Later copies start through this command line, which runs the program
    // named by its last word (for example "setpriv ... --" to run as someone else).
    void SetLauncher(std::vector<std::string> launcher) { launcher_ = std::move(launcher); }
    // The exit status of that copy, or nothing when it is still running after
    // `timeoutMs` (or was ended by a signal).
    std::optional<int> WaitForExit(pid_t pid, int timeoutMs);
    bool IsRunning(pid_t pid);

    // Runs a shell command against this session's display; returns its output.
    std::string RunOnDisplay(const std::string& command) const;
    // The first shown top-level window titled exactly `title`; empty when none.
    std::string VisibleWindow(const std::string& title) const;
    // Waits until such a window shows; empty when none came within `timeoutMs`.
    std::string WaitForVisibleWindow(const std::string& title, int timeoutMs) const;
    // Waits until a top-level window titled "VelmarScr" exists; returns its id.
    std::optional<std::string> WaitForWindow(int timeoutMs) const;
    // Clicks into the program, waits until its window has the keyboard focus
    // and types the key.
    void PressKey(const std::string& key) const;
    // Gives the program the keyboard with a click in the corner.
    void TakeKeyboard() const;
    // Waits until the keyboard focus is on the window or inside it.
    bool WaitForFocus(const std::string& windowId, int timeoutMs) const;
    // Asks the window to close as a window manager would (Alt+F4).
    void CloseWindowThroughSystem(const std::string& windowId) const;

    // The folder that holds the home, the settings folder and the runtime folder.
    const std::filesystem::path& Root() const { return root_.Path(); }
    const std::filesystem::path& ConfigHome() const { return configHome_; }
    std::filesystem::path WorkDir() const { return configHome_ / "velmar"; }
    std::vector<std::string> TraceLines() const;
    // What every copy started here wrote to standard output and error.
    std::string Output() const;

  private:
    const XServer& server_;
    TempDir root_;
    std::filesystem::path configHome_;
    std::vector<pid_t> started_;
    std::vector<std::string> launcher_;
};

// Asks the window on the display to close, as a window manager does for Alt+F4
// or its close button.
void SendCloseRequest(const std::string& display, const std::string& windowId);

// Runs a shell command against the display; returns what it printed.
std::string OutputOnDisplay(const std::string& display, const std::string& command);

// Opens the right-click menu at (x, y) and, once it shows (its icon column's
// colour at its corner), clicks entry `index` as a person does.
void ChooseFromMenu(const XServer& server, int x, int y, int index);
