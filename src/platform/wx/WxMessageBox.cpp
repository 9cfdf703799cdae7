#include "platform/wx/WxMessageBox.h"

#include <wx/msgdlg.h>
#include <wx/strconv.h>

#include "platform/runtime/MessageBox.h"

void InstallWxMessageBoxes() {
    SetMessageBoxPresenter([](const std::string& text, const std::string& caption) {
        // A path in another encoding shows its odd bytes as \ooo instead of
        // emptying the whole text.
        const wxMBConvUTF8 lenient(wxMBConvUTF8::MAP_INVALID_UTF8_TO_OCTAL);
        wxMessageBox(wxString(text.c_str(), lenient), wxString(caption.c_str(), lenient), wxOK);
    });
}
