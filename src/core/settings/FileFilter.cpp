#include "core/settings/FileFilter.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace {
std::string UpperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::string WithUpperCase(const std::string& patterns) {
    std::string result;
    std::istringstream each(patterns);
    for (std::string pattern; std::getline(each, pattern, ';');) {
        if (!result.empty()) result += ';';
        result += pattern;
        const std::string upper = UpperCase(pattern);
        if (upper != pattern) result += ';' + upper;
    }
    return result;
}
}  // namespace

std::string WithUpperCasePatterns(const std::string& filter) {
    std::string result;
    std::istringstream parts(filter);
    int index = 0;
    for (std::string part; std::getline(parts, part, '|'); ++index) {
        if (index > 0) result += '|';
        result += index % 2 == 1 ? WithUpperCase(part) : part;
    }
    return result;
}
