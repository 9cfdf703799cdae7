#include "settings/ProfileText.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

using Line = ProfileText::LineSpan;

struct KeyLine {
    std::string_view name;
    // The value's place in the whole text, surrounding blanks excluded.
    std::size_t valueBegin;
    std::size_t valueEnd;
};

// Where a key lives or would be added.
struct Location {
    bool sectionFound = false;
    std::size_t insertAfterLine = 0;  // the section's last key line, or its header
    std::optional<KeyLine> key;
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    a = Trim(a);
    b = Trim(b);
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

std::vector<Line> SplitLines(const std::string& text) {
    std::vector<Line> lines;
    std::size_t begin = text.compare(0, kUtf8Bom.size(), kUtf8Bom) == 0 ? kUtf8Bom.size() : 0;
    while (begin < text.size()) {
        const std::size_t newline = text.find('\n', begin);
        const std::size_t end = newline == std::string::npos ? text.size() : newline + 1;
        std::size_t contentEnd = newline == std::string::npos ? text.size() : newline;
        if (contentEnd > begin && text[contentEnd - 1] == '\r') --contentEnd;
        lines.push_back({begin, contentEnd, end});
        begin = end;
    }
    return lines;
}

std::optional<std::string_view> SectionName(std::string_view content) {
    content = Trim(content);
    if (content.empty() || content.front() != '[') return std::nullopt;
    content.remove_prefix(1);
    return content.substr(0, content.find(']'));
}

std::optional<KeyLine> ParseKeyLine(const std::string& text, const Line& line) {
    const std::string_view content(text.data() + line.begin, line.contentEnd - line.begin);
    const std::string_view trimmed = Trim(content);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#') return std::nullopt;
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    const std::string_view name = Trim(content.substr(0, equals));
    if (name.empty()) return std::nullopt;
    std::size_t valueBegin = line.begin + equals + 1;
    std::size_t valueEnd = line.contentEnd;
    while (valueBegin < valueEnd && IsBlank(text[valueBegin])) ++valueBegin;
    while (valueEnd > valueBegin && IsBlank(text[valueEnd - 1])) --valueEnd;
    return KeyLine{name, valueBegin, valueEnd};
}

Location Locate(const std::string& text, const std::vector<Line>& lines, std::string_view section,
                std::string_view key) {
    Location location;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line& line = lines[i];
        const std::string_view content(text.data() + line.begin, line.contentEnd - line.begin);
        if (const auto name = SectionName(content)) {
            if (location.sectionFound) break;
            if (SameName(*name, section)) {
                location.sectionFound = true;
                location.insertAfterLine = i;
            }
            continue;
        }
        if (!location.sectionFound) continue;
        if (const auto keyLine = ParseKeyLine(text, line)) {
            location.insertAfterLine = i;
            if (SameName(keyLine->name, key)) {
                location.key = keyLine;
                break;
            }
        }
    }
    return location;
}

std::string_view LineEnd(const std::string& text) {
    const std::size_t newline = text.find('\n');
    if (newline != std::string::npos && newline > 0 && text[newline - 1] == '\r') return "\r\n";
    return "\n";
}
}  // namespace

const std::vector<ProfileText::LineSpan>& ProfileText::Lines() const {
    if (!linesCurrent_) {
        lines_ = SplitLines(text_);
        linesCurrent_ = true;
    }
    return lines_;
}

std::string ProfileText::Get(std::string_view section, std::string_view key,
                             std::size_t maxLength) const {
    const Location location = Locate(text_, Lines(), section, key);
    if (!location.key) return {};
    const std::size_t length = location.key->valueEnd - location.key->valueBegin;
    return text_.substr(location.key->valueBegin, std::min(length, maxLength));
}

std::unordered_map<std::string, std::string> ProfileText::SectionValues(
    std::string_view section, std::size_t maxLength) const {
    std::unordered_map<std::string, std::string> values;
    bool inSection = false;
    for (const Line& line : Lines()) {
        const std::string_view content(text_.data() + line.begin, line.contentEnd - line.begin);
        if (const auto name = SectionName(content)) {
            if (inSection) break;
            inSection = SameName(*name, section);
            continue;
        }
        if (!inSection) continue;
        if (const auto keyLine = ParseKeyLine(text_, line)) {
            std::string name(keyLine->name);
            std::transform(name.begin(), name.end(), name.begin(), LowerAscii);
            const std::size_t length = keyLine->valueEnd - keyLine->valueBegin;
            values.emplace(std::move(name),
                           text_.substr(keyLine->valueBegin, std::min(length, maxLength)));
        }
    }
    return values;
}

void ProfileText::Set(std::string_view section, std::string_view key, std::string_view value) {
    value = value.substr(0, value.find_first_of("\r\n"));
    const std::vector<Line>& lines = Lines();
    const Location location = Locate(text_, lines, section, key);
    const std::string_view lineEnd = LineEnd(text_);
    const std::string keyLine = std::string(Trim(key)) + "=" + std::string(value);

    if (location.key) {
        const std::string_view old(text_.data() + location.key->valueBegin,
                                   location.key->valueEnd - location.key->valueBegin);
        if (old == value) return;
        linesCurrent_ = false;
        text_.replace(location.key->valueBegin, location.key->valueEnd - location.key->valueBegin,
                      value);
        return;
    }
    linesCurrent_ = false;
    if (location.sectionFound) {
        const Line& after = lines[location.insertAfterLine];
        std::string insert;
        if (after.end == after.contentEnd) insert += lineEnd;
        insert += keyLine;
        insert += lineEnd;
        text_.insert(after.end, insert);
        return;
    }
    if (!text_.empty() && text_.back() != '\n') text_ += lineEnd;
    if (!lines.empty()) text_ += lineEnd;
    text_ += "[" + std::string(Trim(section)) + "]";
    text_ += lineEnd;
    text_ += keyLine;
    text_ += lineEnd;
}
