#include "support/TestWindow.h"

#include <X11/Xutil.h>

TestWindow::TestWindow(const XServer& server, int x, int y, int width, int height,
                       const std::string& title)
    : display_(XOpenDisplay(server.Display().c_str())),
      window_(XCreateSimpleWindow(display_, DefaultRootWindow(display_), x, y, width, height, 0, 0,
                                  0)) {
    XStoreName(display_, window_, title.c_str());
    // Where the test puts it, not where the window manager would.
    XSizeHints hints{};
    hints.flags = USPosition | USSize;
    XSetWMNormalHints(display_, window_, &hints);
    // It takes the keyboard, as toolkits' windows do.
    XWMHints wmHints{};
    wmHints.flags = InputHint;
    wmHints.input = True;
    XSetWMHints(display_, window_, &wmHints);
    XMapWindow(display_, window_);
    XSync(display_, False);
}

TestWindow::~TestWindow() {
    if (window_ != 0) XDestroyWindow(display_, window_);
    XCloseDisplay(display_);
}

void TestWindow::MakeFullScreen() {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window_;
    event.xclient.message_type = XInternAtom(display_, "_NET_WM_STATE", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 1;  // add
    event.xclient.data.l[1] =
        static_cast<long>(XInternAtom(display_, "_NET_WM_STATE_FULLSCREEN", False));
    event.xclient.data.l[3] = 1;  // asked by an application
    XSendEvent(display_, DefaultRootWindow(display_), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XSync(display_, False);
}

void TestWindow::Destroy() {
    XDestroyWindow(display_, window_);
    XSync(display_, False);
    window_ = 0;
}
