#include "platform/wx/WxTranslations.h"

#include <memory>

#include <wx/app.h>
#include <wx/filename.h>
#include <wx/stdpaths.h>
#include <wx/translation.h>
#include <wx/uilocale.h>

#include "platform/runtime/Translation.h"

namespace {
constexpr char kCatalog[] = "velmar";

std::string Translated(const char* english) {
    return wxGetTranslation(wxString::FromUTF8(english)).utf8_string();
}
}  // namespace

void UseTheUsersLanguage() {
    // The toolkit finds catalogs through an application object, which does not
    // exist yet: a plain one stands in while they load.
    const auto standIn = std::make_unique<wxAppConsole>();
    wxUILocale::UseDefault();
    // The build folder keeps the catalogs beside the program; an installed
    // program finds them under its prefix, wherever that is.
    const wxString folder = wxFileName(wxStandardPaths::Get().GetExecutablePath()).GetPath();
    wxFileTranslationsLoader::AddCatalogLookupPathPrefix(folder + "/locale");
    wxFileTranslationsLoader::AddCatalogLookupPathPrefix(folder + "/../share/locale");
    auto* translations = new wxTranslations;
    wxTranslations::Set(translations);
    translations->AddStdCatalog();
    if (!translations->AddCatalog(kCatalog, wxLANGUAGE_ENGLISH_US)) return;
    const wxString language = translations->GetBestTranslation(kCatalog, wxLANGUAGE_ENGLISH_US);
    SetTranslator(Translated, language.StartsWith("en") ? "" : language.utf8_string());
}
