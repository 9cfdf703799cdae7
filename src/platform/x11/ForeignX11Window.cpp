#include "platform/x11/ForeignX11Window.h"
#include "platform/runtime/Translation.h"

#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {
// Set by the error handler: a request on the window failed, so it is gone
// (or never was). Xlib's default handler would end the process with 1.
bool windowFailed = false;

int NoteXError(Display*, XErrorEvent*) {
    windowFailed = true;
    return 0;
}
}  // namespace

struct ForeignX11Window::Native {
    Display* display = nullptr;
    Window window = 0;
    GLXContext context = nullptr;
};

ForeignX11Window::ForeignX11Window(unsigned long windowId) : native_(std::make_unique<Native>()) {
    Native& x = *native_;
    x.display = XOpenDisplay(nullptr);
    if (!x.display) {
        problem_ = Tr("cannot open the X display");
        return;
    }
    XSetErrorHandler(NoteXError);
    x.window = windowId != 0 ? windowId : DefaultRootWindow(x.display);
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(x.display, x.window, &attributes) || windowFailed) {
        problem_ = Filled(Tr("no window %lu"), windowId);
        return;
    }
    XSelectInput(x.display, x.window, attributes.your_event_mask | StructureNotifyMask);
    width_ = attributes.width;
    height_ = attributes.height;

    // The window's own visual: a foreign window cannot be given another.
    XVisualInfo wanted{};
    wanted.visualid = XVisualIDFromVisual(attributes.visual);
    int count = 0;
    XVisualInfo* visual = XGetVisualInfo(x.display, VisualIDMask, &wanted, &count);
    int usesGl = 0;
    int doubleBuffered = 0;
    if (visual) {
        glXGetConfig(x.display, visual, GLX_USE_GL, &usesGl);
        glXGetConfig(x.display, visual, GLX_DOUBLEBUFFER, &doubleBuffered);
        if (usesGl && doubleBuffered)
            x.context = glXCreateContext(x.display, visual, nullptr, True);
        XFree(visual);
    }
    if (!x.context || !glXMakeCurrent(x.display, x.window, x.context)) {
        problem_ = Tr("the window's visual offers no double-buffered OpenGL");
    }
}

ForeignX11Window::~ForeignX11Window() {
    Native& x = *native_;
    if (!x.display) return;
    if (x.context) {
        glXMakeCurrent(x.display, None, nullptr);
        glXDestroyContext(x.display, x.context);
    }
    XCloseDisplay(x.display);
}

bool ForeignX11Window::ProcessEvents() {
    Native& x = *native_;
    XEvent event;
    while (!windowFailed && XCheckWindowEvent(x.display, x.window, StructureNotifyMask, &event)) {
        if (event.type == DestroyNotify) return false;
        if (event.type == ConfigureNotify) {
            width_ = event.xconfigure.width;
            height_ = event.xconfigure.height;
        }
    }
    return !windowFailed;
}

void ForeignX11Window::ShowFrame() {
    glXSwapBuffers(native_->display, native_->window);
    // Errors come back with the next round trip; one per frame is cheap.
    XSync(native_->display, False);
}
