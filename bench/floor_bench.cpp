// The least an empty tank's frame can cost on this display: a window the size
// of the screen, cleared, covered by one textured layer as large as the wall's
// picture (1024 x 512, magnified, sampled at its full-size level) and swapped,
// frame after frame with no limit. Prints the median of one-second frame rates
// after a second of warming up. Usage: velmar_floor [seconds]
#include <GL/gl.h>
#include <GL/glx.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

// A picture with detail in it, so that sampling it is no cheaper than a photograph.
void LoadLayerTexture() {
    constexpr int kWidth = 1024;
    constexpr int kHeight = 512;
    std::vector<unsigned char> pixels(kWidth * kHeight * 3);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            unsigned char* p = &pixels[(y * kWidth + x) * 3];
            p[0] = static_cast<unsigned char>(x ^ y);
            p[1] = static_cast<unsigned char>(x * 3 + y);
            p[2] = static_cast<unsigned char>(y * 5);
        }
    }
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, kWidth, kHeight, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 pixels.data());
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
}

void DrawFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(-1.0f, -1.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(1.0f, -1.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(1.0f, 1.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(-1.0f, 1.0f);
    glEnd();
}
}  // namespace

int main(int argc, char** argv) {
    const int seconds = argc > 1 ? std::max(2, std::atoi(argv[1])) : 10;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "velmar_floor: no X display\n");
        return 1;
    }
    int attributes[] = {GLX_RGBA, GLX_DOUBLEBUFFER, GLX_DEPTH_SIZE, 32, None};
    XVisualInfo* visual = glXChooseVisual(display, DefaultScreen(display), attributes);
    if (visual == nullptr) {
        std::fprintf(stderr, "velmar_floor: no double-buffered GLX visual\n");
        return 1;
    }
    const Window root = RootWindow(display, visual->screen);
    XSetWindowAttributes window{};
    window.colormap = XCreateColormap(display, root, visual->visual, AllocNone);
    const int width = DisplayWidth(display, visual->screen);
    const int height = DisplayHeight(display, visual->screen);
    const Window drawable = XCreateWindow(display, root, 0, 0, width, height, 0, visual->depth,
                                          InputOutput, visual->visual, CWColormap, &window);
    XMapWindow(display, drawable);
    GLXContext context = glXCreateContext(display, visual, nullptr, True);
    glXMakeCurrent(display, drawable, context);
    glViewport(0, 0, width, height);
    LoadLayerTexture();

    std::vector<double> rates;
    int frames = 0;
    auto windowStart = Clock::now();
    const auto end = windowStart + std::chrono::seconds(seconds + 1);
    while (Clock::now() < end) {
        DrawFrame();
        glXSwapBuffers(display, drawable);
        ++frames;
        const std::chrono::duration<double> elapsed = Clock::now() - windowStart;
        if (elapsed.count() >= 1.0) {
            rates.push_back(frames / elapsed.count());
            frames = 0;
            windowStart = Clock::now();
        }
    }
    rates.erase(rates.begin());
    std::sort(rates.begin(), rates.end());
    std::printf("velmar_floor: %d x %d, clear + one textured layer + swap: %.1f fps\n", width,
                height, rates[rates.size() / 2]);
    glXMakeCurrent(display, None, nullptr);
    glXDestroyContext(display, context);
    XCloseDisplay(display);
    return 0;
}
