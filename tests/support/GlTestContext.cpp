#include "support/GlTestContext.h"

#include <cstdlib>

#include <GL/glx.h>
#include <X11/Xlib.h>

namespace {
// One connection for the whole test process: Mesa keeps per-display state that
// does not survive closing and reopening the display between contexts.
Display* SharedDisplay() {
    static Display* display = XOpenDisplay(nullptr);
    return display;
}
}  // namespace

struct GlTestContext::Native {
    Display* display = nullptr;
    GLXPbuffer pbuffer = 0;
    GLXContext context = nullptr;
};

GlTestContext::GlTestContext(int width, int height)
    : native_(new Native), width_(width), height_(height) {
    native_->display = SharedDisplay();
    if (!native_->display) return;
    // clang-format off
    const int attributes[] = {GLX_DRAWABLE_TYPE, GLX_PBUFFER_BIT, GLX_RENDER_TYPE, GLX_RGBA_BIT,
                              GLX_RED_SIZE, 8, GLX_GREEN_SIZE, 8, GLX_BLUE_SIZE, 8,
                              GLX_DEPTH_SIZE, 24, None};
    // clang-format on
    int count = 0;
    GLXFBConfig* configs =
        glXChooseFBConfig(native_->display, DefaultScreen(native_->display), attributes, &count);
    if (!configs || count == 0) return;
    const int pbufferAttributes[] = {GLX_PBUFFER_WIDTH, width, GLX_PBUFFER_HEIGHT, height, None};
    native_->pbuffer = glXCreatePbuffer(native_->display, configs[0], pbufferAttributes);
    native_->context =
        glXCreateNewContext(native_->display, configs[0], GLX_RGBA_TYPE, nullptr, True);
    XFree(configs);
    ok_ = native_->context && glXMakeContextCurrent(native_->display, native_->pbuffer,
                                                    native_->pbuffer, native_->context);
    if (ok_) glViewport(0, 0, width, height);
}

GlTestContext::~GlTestContext() {
    if (native_->display) {
        glXMakeContextCurrent(native_->display, None, None, nullptr);
        if (native_->context) glXDestroyContext(native_->display, native_->context);
        if (native_->pbuffer) glXDestroyPbuffer(native_->display, native_->pbuffer);
    }
    delete native_;
}

std::array<std::uint8_t, 4> GlTestContext::Pixel(int x, int y) const {
    std::array<std::uint8_t, 4> rgba{};
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return rgba;
}

bool ColourNear(const std::array<std::uint8_t, 4>& actual, int red, int green, int blue,
                int tolerance) {
    return std::abs(actual[0] - red) <= tolerance && std::abs(actual[1] - green) <= tolerance &&
           std::abs(actual[2] - blue) <= tolerance;
}

std::pair<GLint, GLint> BoundTextureSize() {
    std::pair<GLint, GLint> size{-1, -1};
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &size.first);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &size.second);
    return size;
}

std::vector<std::uint8_t> BoundTexels() {
    const auto [width, height] = BoundTextureSize();
    std::vector<std::uint8_t> texels(static_cast<std::size_t>(width) * height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    return texels;
}
