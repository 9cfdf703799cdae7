#include "platform/wx/WxTranslations.h"

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
    wxUILocale::UseDefault();
    const wxFileName program(wxStandardPaths::Get().GetExecutablePath());
    wxFileTranslationsLoader::AddCatalogLookupPathPrefix(program.GetPath() + "/locale");
    wxFileTranslationsLoader::AddCatalogLookupPathPrefix(VELMAR_LOCALE_DIR);
    auto* translations = new wxTranslations;
    wxTranslations::Set(translations);
    translations->AddStdCatalog();
    if (!translations->AddCatalog(kCatalog, wxLANGUAGE_ENGLISH_US)) return;
    const wxString language = translations->GetBestTranslation(kCatalog, wxLANGUAGE_ENGLISH_US);
    SetTranslator(Translated, language.StartsWith("en") ? "" : language.utf8_string());
}
