#include "support/AppSession.h"

#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include <gtest/gtest.h>

#include <X11/Xlib.h>

#include "platform/ProgramNames.h"

namespace {
// What tests paint the root before the program draws on it.
constexpr std::array<std::uint8_t, 3> kRootRed{255, 0, 0};

// " x y", a point for an xdotool command.
std::string At(int x, int y) {
    return " " + std::to_string(x) + " " + std::to_string(y);
}

// The dummy driver's screen room for two monitors side by side.
constexpr const char* kTwoMonitorConfig = R"(Section "Device"
  Identifier "d"
  Driver "dummy"
  VideoRam 256000
EndSection
Section "Monitor"
  Identifier "m"
  HorizSync 5.0-1000.0
  VertRefresh 5.0-200.0
EndSection
Section "Screen"
  Identifier "s"
  Device "d"
  Monitor "m"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Virtual 2560 800
  EndSubSection
EndSection
)";
}  // namespace

pid_t Spawn(std::vector<std::string> command, const std::vector<std::string>& environment,
            const std::string& output) {
    std::vector<char*> argv;
    for (std::string& argument : command) argv.push_back(argument.data());
    argv.push_back(nullptr);
    // Else the child's freopen writes out what the test printed a second time.
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid != 0) return pid;
    // A test program that dies on the way takes what it started with it.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    // The child execs or ends, so the copies putenv keeps are never freed.
    for (const std::string& variable : environment)
        variable.find('=') == std::string::npos ? unsetenv(variable.c_str())
                                                : putenv(strdup(variable.c_str()));
    std::freopen(output.c_str(), "a", stdout);
    std::freopen(output.c_str(), "a", stderr);
    execvp(argv[0], argv.data());
    _exit(127);
}

XServer::XServer(int width, int height, Desktop desktop) : width_(width), height_(height) {
    // Without -noreset the server resets when its last client leaves (our
    // probe), and a program connecting during the reset is refused.
    Start({"Xvfb", "-screen", "0", std::to_string(width) + "x" + std::to_string(height) + "x24",
           "-nolisten", "tcp", "-noreset"},
          "/dev/null", desktop);
}

XServer XServer::TwoMonitors(Desktop desktop) {
    return XServer(TwoMonitorsTag{}, desktop);
}

XServer::XServer(TwoMonitorsTag, Desktop desktop) : width_(2560), height_(800) {
    const std::filesystem::path folder = serverFiles_.emplace().Path();
    WriteFile(folder / "dummy.conf", kTwoMonitorConfig);
    // A seat of its own: the server opens no console and takes none of the
    // machine's input devices (xdotool's come in through XTEST). -sharevts and
    // -novtswitch keep it off the consoles should it look at one all the same.
    Start({"Xorg", "-config", (folder / "dummy.conf").string(), "-logfile",
           (folder / "xorg.log").string(), "-noreset", "-nolisten", "tcp", "-seat",
           "seat-velmar-test", "-sharevts", "-novtswitch"},
          (folder / "stderr.txt").string(), desktop);
}

void XServer::Start(std::vector<std::string> command, const std::string& errorFile,
                    Desktop desktop) try {
    // The server picks a free display and tells it through -displayfd.
    int fds[2];
    if (pipe(fds) != 0) throw std::runtime_error("pipe");
    command.insert(command.begin() + 1, {"-displayfd", std::to_string(fds[1])});
    pid_ = Spawn(command, {}, errorFile);
    close(fds[1]);
    // The server writes the number and the newline separately; stopping after
    // the first write would make its second one fail and the server quit.
    char c = 0;
    while (read(fds[0], &c, 1) == 1 && c != '\n') display_ += c;
    close(fds[0]);
    // Xorg takes a -config path outside its own folders only from root.
    if (display_.empty())
        throw std::runtime_error(command[0] + " did not start; it wrote:\n" + ReadFile(errorFile));
    display_.insert(0, ":");
    // Only hand the display out once a client can really connect to it.
    ::Display* display = nullptr;
    if (!PollUntil([&] { return (display = XOpenDisplay(display_.c_str())) != nullptr; },
                   kPatientMs, 50))
        throw std::runtime_error(command[0] + " on " + display_ + " accepts no connection");
    // The dummy driver may not offer the second output at once after the
    // start: the steps are tried again until both monitors show.
    std::string monitors;
    if (serverFiles_ &&
        !PollUntil(
            [&] {
                Run("xrandr --newmode 1280x800_60 83.50 1280 1352 1480 1680 800 803 809 831"
                    " -hsync +vsync; xrandr --addmode DUMMY0 1280x800_60;"
                    " xrandr --addmode DUMMY1 1280x800_60; xrandr --output DUMMY0 --mode"
                    " 1280x800_60 --pos 0x0 --primary --output DUMMY1 --mode 1280x800_60"
                    " --pos 1280x0");
                monitors = Run("xrandr --listmonitors");
                return monitors.rfind("Monitors: 2\n", 0) == 0;
            },
            kPatientMs, 200)) {
        XCloseDisplay(display);
        throw std::runtime_error("Xorg on " + display_ + " shows not two monitors:\n" + monitors +
                                 ReadFile(serverFiles_->Path() / "xorg.log"));
    }
    // The window manager manages windows once a probe window gets a frame;
    // one mapped before that may stay unmanaged, so probes are mapped until
    // one gets a frame.
    const auto probeGetsAFrame = [display, root = DefaultRootWindow(display)] {
        const Window probe = XCreateSimpleWindow(display, root, 0, 0, 1, 1, 0, 0, 0);
        XMapWindow(display, probe);
        const bool framed = PollUntil(
            [&] {
                Window parent = None, unused = None;
                Window* children = nullptr;
                unsigned count = 0;
                const bool known = XQueryTree(display, probe, &unused, &parent, &children, &count);
                if (children) XFree(children);
                return known && parent != root;
            },
            1000);
        XDestroyWindow(display, probe);
        XSync(display, False);
        return framed;
    };
    if (desktop == Desktop::kOpenbox)
        windowManagerPid_ =
            Spawn({"openbox", "--sm-disable"}, {"DISPLAY=" + display_}, "/dev/null");
    const bool managing = desktop != Desktop::kOpenbox || PollUntil(probeGetsAFrame, kPatientMs, 0);
    XCloseDisplay(display);
    if (!managing) throw std::runtime_error("openbox did not take the screen of " + display_);
} catch (...) {
    // The destructor does not run for an object never made.
    Stop();
    throw;
}

void XServer::Stop() {
    for (pid_t* pid : {&windowManagerPid_, &pid_}) {
        if (*pid > 0 && kill(*pid, SIGTERM) == 0) waitpid(*pid, nullptr, 0);
        *pid = -1;
    }
}

std::string XServer::Run(const std::string& command) const {
    // For every step of a command made of several.
    const std::string full = "export DISPLAY=" + display_ + "; { " + command + "\n} 2>/dev/null";
    std::string output;
    if (std::FILE* pipe = popen(full.c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
        pclose(pipe);
    }
    return output;
}

std::vector<std::string> XServer::ShownWindows(const std::string& title) const {
    std::istringstream ids(Run("xdotool search --onlyvisible --name '^" + title + "$'"));
    return {std::istream_iterator<std::string>(ids), {}};
}

std::string XServer::WaitForWindow(const std::string& title, int timeoutMs) const {
    std::vector<std::string> found;
    PollUntil(
        [&] {
            found = ShownWindows(title);
            return !found.empty();
        },
        timeoutMs, 100);
    return found.empty() ? std::string() : found.front();
}

void XServer::Close(const std::string& windowId) const {
    ::Display* display = XOpenDisplay(display_.c_str());
    if (!display) return;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = std::stoul(windowId);
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, event.xclient.window, False, NoEventMask, &event);
    XCloseDisplay(display);
}

void XServer::ChooseFromMenu(int x, int y, int index) const {
    // The menu shows once its icon column's colour is at its corner.
    const auto menuShown = [x, y](const ScreenCapture& screen) {
        return screen.At(x + 3, y + 2) == std::array<std::uint8_t, 3>{219, 216, 209};
    };
    // A loaded machine may take seconds to show it; a click that was lost is
    // given again.
    for (int attempt = 0; attempt < 3; ++attempt) {
        Run("xdotool mousemove" + At(x, y) + " click 3");
        if (WaitForScreen(*this, menuShown, 30000)) break;
    }
    Click(x + 70, y + 48 * index + 24);
}

void XServer::Click(int x, int y) const {
    Run("xdotool mousemove" + At(x, y) + " mousedown 1 sleep 0.3 mouseup 1");
}

std::array<std::uint8_t, 3> ScreenCapture::At(int x, int y) const {
    const std::size_t offset = (static_cast<std::size_t>(y) * width + x) * 3;
    return {rgb[offset], rgb[offset + 1], rgb[offset + 2]};
}

bool ScreenCapture::IsDrawn(int x, int y) const {
    const auto [r, g, b] = At(x, y);
    return !(r == g && g == b) && At(x, y) != std::array<std::uint8_t, 3>{246, 245, 244};
}

int ScreenCapture::LitIn(int left, int top, int right, int bottom) const {
    int lit = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) lit += !IsBlack(x, y) && At(x, y) != kRootRed;
    return lit;
}

bool ScreenCapture::RootCovered() const {
    return At(0, 0) != kRootRed && At(width - 1, height - 1) != kRootRed;
}

ScreenCapture CaptureScreen(const XServer& server) {
    ScreenCapture capture{server.Width(), server.Height(), {}};
    capture.rgb.resize(static_cast<std::size_t>(capture.width) * capture.height * 3);
    std::FILE* pipe = popen(
        ("import -display " + server.Display() + " -window root -depth 8 rgb:-").c_str(), "r");
    // A capture cut short reads as none.
    if (!pipe || std::fread(capture.rgb.data(), 1, capture.rgb.size(), pipe) != capture.rgb.size())
        capture.width = 0;
    if (pipe) pclose(pipe);
    return capture;
}

bool WaitForScreen(const XServer& server, const std::function<bool(const ScreenCapture&)>& holds,
                   int timeoutMs) {
    return PollUntil(
        [&] {
            const ScreenCapture screen = CaptureScreen(server);
            return screen.width > 0 && holds(screen);
        },
        timeoutMs, 100);
}

bool WaitForTank(const XServer& server, const PixelRect& area, int timeoutMs) {
    const int bottom = area.y + area.height - 3;
    return WaitForScreen(
        server,
        [&](const ScreenCapture& screen) {
            return screen.IsDrawn(area.x + 2, bottom) &&
                   screen.IsDrawn(area.x + area.width - 3, bottom);
        },
        timeoutMs);
}

AppSession::AppSession(const XServer& server)
    : server_(server), configHome_(root_.Path() / "config") {
    for (const char* folder : {"config", "runtime", "tmp"})
        std::filesystem::create_directories(root_.Path() / folder);
}

AppSession::~AppSession() {
    for (pid_t pid : started_)
        if (IsRunning(pid) && kill(pid, SIGKILL) == 0) waitpid(pid, nullptr, 0);
}

pid_t AppSession::Start(const std::vector<std::string>& arguments,
                        const std::vector<std::string>& environment) {
    std::vector<std::string> command{VELMAR_BINARY};
    command.insert(command.end(), arguments.begin(), arguments.end());
    const std::string root = root_.Path().string();
    // What a copy the test kills leaves in its temporary folder goes with the test's.
    std::vector<std::string> variables{"DISPLAY=" + server_.Display(),
                                       "HOME=" + root,
                                       "XDG_CONFIG_HOME=" + configHome_.string(),
                                       "XDG_RUNTIME_DIR=" + root + "/runtime",
                                       "TMPDIR=" + root + "/tmp",
                                       "VELMAR_TRACE_FILE=" + root + "/trace.txt",
                                       "ASAN_OPTIONS=detect_leaks=0",
                                       "GDK_BACKEND"};
    variables.insert(variables.end(), environment.begin(), environment.end());
    const pid_t pid = Spawn(command, variables, root + "/velmar.log");
    started_.push_back(pid);
    return pid;
}

std::optional<int> AppSession::WaitForExit(pid_t pid, int timeoutMs) {
    int status = 0;
    if (!PollUntil([&] { return waitpid(pid, &status, WNOHANG) == pid; }, timeoutMs)) return {};
    started_.erase(std::remove(started_.begin(), started_.end(), pid), started_.end());
    return WIFEXITED(status) ? std::optional<int>(WEXITSTATUS(status)) : std::nullopt;
}

std::optional<std::string> AppSession::WaitForWindow(int timeoutMs) const {
    std::string window = server_.WaitForWindow(kWindowName, timeoutMs);
    return window.empty() ? std::nullopt : std::optional<std::string>(window);
}

void AppSession::TakeKeyboard() const {
    server_.Run("xdotool mousemove 10 10 click 1");
    // Any of the program's windows: with one on each monitor, the click's.
    EXPECT_TRUE(PollUntil(
        [this] {
            return server_.Run("xdotool getwindowfocus getwindowname") ==
                   std::string(kWindowName) + "\n";
        },
        kPatientMs, 100))
        << "the window never took the keyboard";
}

std::vector<std::string> AppSession::TraceLines() const {
    std::istringstream trace(ReadFile(root_.Path() / "trace.txt"));
    return {std::istream_iterator<std::string>(trace), {}};
}
