#include "platform/runtime/Translation.h"

#include <utility>

namespace {
Translator installed = nullptr;
std::string installedLanguage;
}  // namespace

void SetTranslator(Translator translator, std::string language) {
    installed = translator;
    installedLanguage = std::move(language);
}

const std::string& TranslationLanguage() {
    return installedLanguage;
}

std::string Tr(const char* english) {
    return installed ? installed(english) : std::string(english);
}
