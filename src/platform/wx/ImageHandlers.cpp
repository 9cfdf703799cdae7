#include "platform/wx/ImageHandlers.h"

void NeedImageHandler(wxBitmapType type) {
    if (wxImage::FindHandler(type)) return;
    switch (type) {
        case wxBITMAP_TYPE_PNG:
            wxImage::AddHandler(new wxPNGHandler);
            return;
        case wxBITMAP_TYPE_JPEG:
            wxImage::AddHandler(new wxJPEGHandler);
            return;
        case wxBITMAP_TYPE_TIFF:
            wxImage::AddHandler(new wxTIFFHandler);
            return;
        default:
            // BMP comes with the application object; without one it is missing.
            wxImage::InitStandardHandlers();
            return;
    }
}
