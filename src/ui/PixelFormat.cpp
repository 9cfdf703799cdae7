#include "ui/PixelFormat.h"

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

std::optional<wxGLAttributes> ChooseSceneVisual() {
    for (int depthBits : {32, 24, 16}) {
        wxGLAttributes attributes = DoubleBufferedRgba(depthBits);
        if (wxGLCanvas::IsDisplaySupported(attributes)) return attributes;
    }
    wxGLAttributes fallback = DefaultVisual();
    if (wxGLCanvas::IsDisplaySupported(fallback)) return fallback;
    return std::nullopt;
}

wxGLAttributes DefaultVisual() {
    wxGLAttributes attributes;
    attributes.Defaults().EndList();
    return attributes;
}
