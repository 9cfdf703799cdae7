#include "render/PixelFormat.h"

namespace {
wxGLAttributes DoubleBufferedRgba(int depthBits) {
    wxGLAttributes attributes;
    attributes.PlatformDefaults()
        .RGBA()
        .DoubleBuffer()
        .MinRGBA(8, 8, 8, 0)
        .Depth(depthBits)
        .EndList();
    return attributes;
}
}  // namespace

wxGLAttributes ChooseSceneVisual(bool* found) {
    for (int depthBits : {32, 24, 16}) {
        wxGLAttributes attributes = DoubleBufferedRgba(depthBits);
        if (wxGLCanvas::IsDisplaySupported(attributes)) {
            *found = true;
            return attributes;
        }
    }
    wxGLAttributes fallback;
    fallback.Defaults().EndList();
    *found = wxGLCanvas::IsDisplaySupported(fallback);
    return fallback;
}
