#pragma once

#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/desktop/Monitors.h"
#include "support/TestSupport.h"

// Starts `command` with the environment variables changed ("NAME=value", or
// "NAME" alone to unset it) and its standard output and error added to `output`.
pid_t Spawn(std::vector<std::string> command, const std::vector<std::string>& environment,
            const std::string& output);

// What runs on a test's X server besides the program: a light window manager,
// as every user has, or nothing at all (windows map at once, no focus rules).
enum class Desktop { kOpenbox, kBare };

// An X server of its own for one whole-program test, so tests can run in
// parallel and see only their own windows. With a window manager, the server
// is handed out once the manager owns the screen.
class XServer {
  public:
    // Xvfb with one screen, which is one monitor.
    XServer(int width, int height, Desktop desktop = Desktop::kOpenbox);
    // Xorg with the dummy video driver and two RandR monitors of 1280x800 side
    // by side: DUMMY0 at 0,0 (primary), DUMMY1 at 1280,0. Xvfb has one only.
    static XServer TwoMonitors(Desktop desktop = Desktop::kOpenbox);
    ~XServer() { Stop(); }
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    const std::string& Display() const { return display_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // Runs a shell command (xdotool, xprop, ...) against the display; returns its output.
    std::string Run(const std::string& command) const;
    // The shown top-level windows titled exactly `title`, by id.
    std::vector<std::string> ShownWindows(const std::string& title) const;
    // The first shown top-level window titled exactly `title`; empty when none
    // came within `timeoutMs`.
    std::string WaitForWindow(const std::string& title, int timeoutMs = kPatientMs) const;
    // The keyboard focus is on the window or on a window inside it.
    // xdotool names the top-level window that holds the keyboard focus.
    bool HasFocus(const std::string& windowId) const {
        return Run("xdotool getwindowfocus") == windowId + "\n";
    }
    // Asks the window to close, as a window manager does for Alt+F4.
    void Close(const std::string& windowId) const;
    // Waits until no shown window is titled exactly `title`.
    bool WaitForNoWindow(const std::string& title) const {
        return PollUntil([&] { return ShownWindows(title).empty(); }, kPatientMs, 100);
    }
    // Clicks at (x, y), held as a person holds it: in the zoom modes a release
    // that comes before the next frame cancels the press.
    void Click(int x, int y) const;
    // Opens the right-click menu at (x, y) and, once it shows, clicks entry
    // `index` as a person does.
    void ChooseFromMenu(int x, int y, int index) const;

  private:
    struct TwoMonitorsTag {};
    XServer(TwoMonitorsTag, Desktop desktop);
    // Starts the server on a free display, its monitors and the desktop, and
    // waits until they take connections and windows; stops what started when
    // a step fails. The server's standard error goes to `errorFile`.
    void Start(std::vector<std::string> command, const std::string& errorFile, Desktop desktop);
    void Stop();

    // Xorg's configuration, log and standard error: only the two-monitor
    // server has them.
    std::optional<TempDir> serverFiles_;
    pid_t pid_ = -1;
    pid_t windowManagerPid_ = -1;
    std::string display_;
    int width_;
    int height_;
};

// The whole screen as 8-bit RGB, origin top left.
struct ScreenCapture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    std::array<std::uint8_t, 3> At(int x, int y) const;
    bool IsBlack(int x, int y) const { return At(x, y) == std::array<std::uint8_t, 3>{0, 0, 0}; }
    // Something drawn there: neither black, nor a grey, nor the toolkit's
    // window background, which shows until the first frame.
    bool IsDrawn(int x, int y) const;
    // Pixels in [left, right) x [top, bottom) neither black nor the red tests
    // give the root until the program's first frame.
    int LitIn(int left, int top, int right, int bottom) const;
    // The program has drawn over the whole red root.
    bool RootCovered() const;
};

ScreenCapture CaptureScreen(const XServer& server);
// Captures the screen until `holds` is true (true) or the time is up (false).
bool WaitForScreen(const XServer& server, const std::function<bool(const ScreenCapture&)>& holds,
                   int timeoutMs = kPatientMs);
// Waits until the tank shows in `area`: both its bottom corners drawn.
bool WaitForTank(const XServer& server, const PixelRect& area, int timeoutMs = kPatientMs);

// The real velmar binary run on an X server, with a private home, settings
// folder, runtime folder and temporary folder, and a lifecycle trace file.
class AppSession {
  public:
    explicit AppSession(const XServer& server);
    ~AppSession();
    AppSession(const AppSession&) = delete;
    AppSession& operator=(const AppSession&) = delete;

    // Starts one more copy of the program with the arguments and the extra
    // environment variables ("NAME=value", or "NAME" alone to unset it); returns its process id.
    pid_t Start(const std::vector<std::string>& arguments = {},
                const std::vector<std::string>& environment = {});
    // The exit status of that copy, or nothing when it is still running after
    // `timeoutMs` (or was ended by a signal).
    std::optional<int> WaitForExit(pid_t pid, int timeoutMs);
    bool IsRunning(pid_t pid) { return waitpid(pid, nullptr, WNOHANG) == 0; }
    // Ends that copy with SIGTERM, as a screensaver host does, and gives its
    // exit status.
    std::optional<int> Terminate(pid_t pid) {
        return kill(pid, SIGTERM) == 0 ? WaitForExit(pid, kPatientMs) : std::nullopt;
    }

    // Waits until the program's window shows; returns its id.
    std::optional<std::string> WaitForWindow(int timeoutMs = kPatientMs) const;
    // Gives the program the keyboard with a click in the corner.
    void TakeKeyboard() const;

    // The folder that holds the home, the settings folder and the runtime folder.
    const std::filesystem::path& Root() const { return root_.Path(); }
    std::filesystem::path WorkDir() const { return configHome_ / "velmar"; }
    std::vector<std::string> TraceLines() const;
    // What every copy started here wrote to standard output and error.
    std::string Output() const { return ReadFile(root_.Path() / "velmar.log"); }

  private:
    const XServer& server_;
    TempDir root_;
    std::filesystem::path configHome_;
    std::vector<pid_t> started_;
};
