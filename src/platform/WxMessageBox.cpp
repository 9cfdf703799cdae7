#include "platform/WxMessageBox.h"

#include <wx/msgdlg.h>

#include "platform/MessageBox.h"

void InstallWxMessageBoxes() {
    SetMessageBoxPresenter([](const std::string& text, const std::string& caption) {
        wxMessageBox(wxString::FromUTF8(text), wxString::FromUTF8(caption), wxOK);
    });
}
