#pragma once

#include <cstdio>
#include <string>

// The words the program shows, in the user's language. The catalogs are keyed
// by the English text, which xgettext collects from Tr("...") and N_("...").
// Until the program installs a translator at start (and always in the unit
// tests) every text stays English. One translator serves the whole process,
// as the user's language does.
using Translator = std::string (*)(const char* english);
// `language` names the catalog's language ("de", "zh_CN"); empty is English.
void SetTranslator(Translator translator, std::string language);
const std::string& TranslationLanguage();

std::string Tr(const char* english);

// Marks a text for the catalogs where it is stored, to be translated by Tr
// where it is shown.
#ifndef N_
#define N_(s) (s)  // as the toolkit defines it
#endif

// A translated printf pattern filled in; translators may reorder the values
// with "%1$s".
template <typename... Values>
std::string Filled(const std::string& pattern, Values... values) {
    static_assert(sizeof...(Values) > 0, "a pattern with no values is a plain Tr");
    const int size = std::snprintf(nullptr, 0, pattern.c_str(), values...);
    if (size <= 0) return size == 0 ? std::string() : pattern;
    std::string text(static_cast<std::size_t>(size) + 1, '\0');
    std::snprintf(text.data(), text.size(), pattern.c_str(), values...);
    text.pop_back();
    return text;
}
