#include "support/AppSession.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include "platform/ProgramNames.h"

namespace {
// The keyboard focus is on the window or on a window inside it.
bool FocusIsWithin(Display* display, Window window) {
    Window focus = None;
    int revertTo = 0;
    XGetInputFocus(display, &focus, &revertTo);
    while (focus != None && focus != PointerRoot) {
        if (focus == window) return true;
        Window root = None, parent = None;
        Window* children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(display, focus, &root, &parent, &children, &count)) return false;
        if (children) XFree(children);
        if (parent == root) return false;
        focus = parent;
    }
    return false;
}

std::string At(int x, int y) {
    return " " + std::to_string(x) + " " + std::to_string(y);
}
}  // namespace

XServer::XServer(int width, int height, Desktop desktop) : width_(width), height_(height) {
    int fds[2];
    if (pipe(fds) != 0) throw std::runtime_error("pipe");
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    pid_ = fork();
    if (pid_ == 0) {
        close(fds[0]);
        const std::string fd = std::to_string(fds[1]);
        std::freopen("/dev/null", "w", stderr);
        // Without -noreset the server resets when its last client leaves (our
        // probe below), and a program connecting during the reset is refused.
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(),
               "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    // Xvfb writes the number and the newline separately; stopping after the first
    // write would make its second one fail and the server quit.
    std::string number;
    char c = 0;
    while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    close(fds[0]);
    if (number.empty()) throw std::runtime_error("Xvfb did not start");
    display_ = ":" + number;
    // Only hand the display out once a client can really connect to it.
    const bool open = PollUntil(
        [this] {
            ::Display* probe = XOpenDisplay(display_.c_str());
            if (probe) XCloseDisplay(probe);
            return probe != nullptr;
        },
        10000, 50);
    if (!open) throw std::runtime_error("Xvfb on " + display_ + " accepts no connection");
    if (desktop == Desktop::kOpenbox) StartWindowManager();
}

void XServer::StartWindowManager() {
    windowManagerPid_ = fork();
    if (windowManagerPid_ == 0) {
        setenv("DISPLAY", display_.c_str(), 1);
        std::freopen("/dev/null", "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        execlp("openbox", "openbox", "--sm-disable", static_cast<char*>(nullptr));
        _exit(127);
    }
    // A window manager owns the screen once it names its check window on the root.
    ::Display* display = XOpenDisplay(display_.c_str());
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", False);
    const bool owned = PollUntil(
        [&] {
            Atom type = None;
            int format = 0;
            unsigned long count = 0, after = 0;
            unsigned char* value = nullptr;
            XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW,
                               &type, &format, &count, &after, &value);
            if (value) XFree(value);
            return count == 1;
        },
        10000);
    XCloseDisplay(display);
    if (!owned) throw std::runtime_error("openbox did not take the screen of " + display_);
}

XServer::~XServer() {
    for (const pid_t pid : {windowManagerPid_, pid_}) {
        if (pid <= 0) continue;
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
}

std::string XServer::Run(const std::string& command) const {
    const std::string full = "DISPLAY=" + display_ + " " + command + " 2>/dev/null";
    std::string output;
    if (std::FILE* pipe = popen(full.c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
        pclose(pipe);
    }
    return output;
}

std::string XServer::WaitForWindow(const std::string& title, int timeoutMs) const {
    std::string found;
    PollUntil(
        [&] {
            found = Run("xdotool search --onlyvisible --name '^" + title + "$'");
            return !found.empty();
        },
        timeoutMs, 100);
    return found.substr(0, found.find('\n'));
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
    for (int attempt = 0; attempt < 3; ++attempt) {
        Run("xdotool mousemove" + At(x, y) + " click 3");
        if (WaitForScreen(*this, menuShown, 5000)) break;
    }
    Run("xdotool mousemove" + At(x + 70, y + 48 * index + 24) + " mousedown 1 sleep 0.3 mouseup 1");
}

std::array<std::uint8_t, 3> ScreenCapture::At(int x, int y) const {
    const std::size_t offset = (static_cast<std::size_t>(y) * width + x) * 3;
    return {rgb[offset], rgb[offset + 1], rgb[offset + 2]};
}

bool ScreenCapture::IsDrawn(int x, int y) const {
    const auto [r, g, b] = At(x, y);
    return !(r == g && g == b) && At(x, y) != std::array<std::uint8_t, 3>{246, 245, 244};
}

ScreenCapture CaptureScreen(const XServer& server) {
    ScreenCapture capture;
    const std::string command =
        "import -display " + server.Display() + " -window root -depth 8 rgb:-";
    if (std::FILE* pipe = popen(command.c_str(), "r")) {
        capture.rgb.resize(static_cast<std::size_t>(server.Width()) * server.Height() * 3);
        const std::size_t got = std::fread(capture.rgb.data(), 1, capture.rgb.size(), pipe);
        pclose(pipe);
        if (got == capture.rgb.size()) {
            capture.width = server.Width();
            capture.height = server.Height();
        }
    }
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

void SaveScreenshot(const XServer& server, const std::string& fileName) {
    server.Run("import -display " + server.Display() + " -window root " + fileName);
}

AppSession::AppSession(const XServer& server)
    : server_(server), configHome_(root_.Path() / "config") {
    for (const char* folder : {"config", "runtime", "tmp"})
        std::filesystem::create_directories(root_.Path() / folder);
}

AppSession::~AppSession() {
    for (pid_t pid : started_) {
        if (IsRunning(pid)) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
    }
}

pid_t AppSession::Start(const std::vector<std::string>& arguments,
                        const std::vector<std::string>& environment) {
    std::vector<char*> argv{const_cast<char*>(VELMAR_BINARY)};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    // Else the child's freopen writes out what the test printed a second time.
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("DISPLAY", server_.Display().c_str(), 1);
        setenv("HOME", root_.Path().c_str(), 1);
        setenv("XDG_CONFIG_HOME", configHome_.c_str(), 1);
        setenv("XDG_RUNTIME_DIR", (root_.Path() / "runtime").c_str(), 1);
        // What a copy the test kills leaves in its temporary folder goes with the test's.
        setenv("TMPDIR", (root_.Path() / "tmp").c_str(), 1);
        setenv("VELMAR_TRACE_FILE", (root_.Path() / "trace.txt").c_str(), 1);
        setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
        unsetenv("GDK_BACKEND");
        for (const std::string& variable : environment) putenv(const_cast<char*>(variable.c_str()));
        const std::string log = (root_.Path() / "velmar.log").string();
        std::freopen(log.c_str(), "a", stdout);
        std::freopen(log.c_str(), "a", stderr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    started_.push_back(pid);
    return pid;
}

std::optional<int> AppSession::WaitForExit(pid_t pid, int timeoutMs) {
    int status = 0;
    if (!PollUntil([&] { return waitpid(pid, &status, WNOHANG) == pid; }, timeoutMs)) {
        return std::nullopt;
    }
    started_.erase(std::remove(started_.begin(), started_.end(), pid), started_.end());
    return WIFEXITED(status) ? std::optional<int>(WEXITSTATUS(status)) : std::nullopt;
}

bool AppSession::IsRunning(pid_t pid) {
    return waitpid(pid, nullptr, WNOHANG) == 0;
}

std::optional<std::string> AppSession::WaitForWindow(int timeoutMs) const {
    const std::string window = server_.WaitForWindow(kWindowName, timeoutMs);
    if (!window.empty()) return window;
    std::fprintf(stderr, "no window on %s; the program wrote:\n%s\nxdpyinfo: %s\n",
                 server_.Display().c_str(), Output().c_str(),
                 server_.Run("xdpyinfo | head -2").c_str());
    return std::nullopt;
}

void AppSession::TakeKeyboard() const {
    server_.Run("xdotool mousemove 10 10 click 1");
    const std::optional<std::string> window = WaitForWindow(10000);
    Display* display = XOpenDisplay(server_.Display().c_str());
    // A window that goes while we look must not end the test program.
    const auto previousHandler = XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    const bool focused =
        window && display &&
        PollUntil([&] { return FocusIsWithin(display, std::stoul(*window)); }, 10000);
    XSetErrorHandler(previousHandler);
    if (display) XCloseDisplay(display);
    if (!focused) {
        std::fprintf(stderr, "the window on %s never took the keyboard\n",
                     server_.Display().c_str());
    }
}

std::vector<std::string> AppSession::TraceLines() const {
    std::vector<std::string> lines;
    std::ifstream trace(root_.Path() / "trace.txt");
    for (std::string line; std::getline(trace, line);) lines.push_back(line);
    return lines;
}
