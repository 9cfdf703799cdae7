#include "core/settings/ProfileText.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

using Line = ProfileText::LineSpan;
using Layout = ProfileText::Layout;

struct KeyLine {
    std::string_view name;
    // The value's place in the whole text, surrounding blanks excluded.
    std::size_t valueBegin;
    std::size_t valueEnd;
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

std::string_view Content(const std::string& text, const Line& line) {
    return std::string_view(text.data() + line.begin, line.contentEnd - line.begin);
}

// Longer lines are no settings, whatever they hold.
bool Readable(const Line& line) {
    return line.contentEnd - line.begin <= ProfileText::kMaxLineLength;
}

std::optional<std::string_view> SectionName(std::string_view content) {
    content = Trim(content);
    if (content.empty() || content.front() != '[') return std::nullopt;
    content.remove_prefix(1);
    return content.substr(0, content.find(']'));
}

Layout SplitLines(const std::string& text) {
    Layout layout;
    std::size_t begin = text.compare(0, kUtf8Bom.size(), kUtf8Bom) == 0 ? kUtf8Bom.size() : 0;
    while (begin < text.size()) {
        const std::size_t newline = text.find('\n', begin);
        const std::size_t end = newline == std::string::npos ? text.size() : newline + 1;
        std::size_t contentEnd = newline == std::string::npos ? text.size() : newline;
        if (contentEnd > begin && text[contentEnd - 1] == '\r') --contentEnd;
        const Line line{begin, contentEnd, end};
        if (Readable(line) && SectionName(Content(text, line))) {
            layout.headers.push_back(layout.lines.size());
        }
        layout.lines.push_back(line);
        begin = end;
    }
    return layout;
}

std::optional<KeyLine> ParseKeyLine(const std::string& text, const Line& line) {
    if (!Readable(line)) return std::nullopt;
    const std::string_view content = Content(text, line);
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

// Calls `visit(lineIndex, keyLine)` for each key line of the first section
// named `section`, in order, until it returns false. The section's header
// line, or nothing when there is no such section.
template <typename Visit>
std::optional<std::size_t> VisitSection(const std::string& text, const Layout& layout,
                                        std::string_view section, Visit visit) {
    for (std::size_t h = 0; h < layout.headers.size(); ++h) {
        const std::size_t header = layout.headers[h];
        if (!SameName(*SectionName(Content(text, layout.lines[header])), section)) continue;
        const std::size_t end =
            h + 1 < layout.headers.size() ? layout.headers[h + 1] : layout.lines.size();
        for (std::size_t i = header + 1; i < end; ++i) {
            const auto keyLine = ParseKeyLine(text, layout.lines[i]);
            if (keyLine && !visit(i, *keyLine)) break;
        }
        return header;
    }
    return std::nullopt;
}

// The first line of the key in the first matching section.
std::optional<KeyLine> FindKey(const std::string& text, const Layout& layout,
                               std::string_view section, std::string_view key) {
    std::optional<KeyLine> found;
    VisitSection(text, layout, section, [&](std::size_t, const KeyLine& keyLine) {
        if (SameName(keyLine.name, key)) found = keyLine;
        return !found;
    });
    return found;
}

// Blanks trimmed and ASCII letters in lower case: names that match have the same key.
std::string KeyName(std::string_view key) {
    std::string name(Trim(key));
    std::transform(name.begin(), name.end(), name.begin(), LowerAscii);
    return name;
}

std::string_view LineEnd(const std::string& text) {
    const std::size_t newline = text.find('\n');
    if (newline != std::string::npos && newline > 0 && text[newline - 1] == '\r') return "\r\n";
    return "\n";
}
}  // namespace

const ProfileText::Layout& ProfileText::Lines() const {
    if (!layoutCurrent_) {
        layout_ = SplitLines(text_);
        layoutCurrent_ = true;
    }
    return layout_;
}

std::string ProfileText::Get(std::string_view section, std::string_view key,
                             std::size_t maxLength) const {
    const auto keyLine = FindKey(text_, Lines(), section, key);
    if (!keyLine) return {};
    const std::size_t length = keyLine->valueEnd - keyLine->valueBegin;
    return text_.substr(keyLine->valueBegin, std::min(length, maxLength));
}

std::string ProfileSection::Get(std::string_view key) const {
    const auto found = values_.find(KeyName(key));
    return found == values_.end() ? std::string() : found->second;
}

void ProfileSection::Add(std::string_view key, std::string value) {
    values_.emplace(KeyName(key), std::move(value));
}

ProfileSection ProfileText::ReadSection(std::string_view section, std::size_t maxLength) const {
    ProfileSection values;
    VisitSection(text_, Lines(), section, [&](std::size_t, const KeyLine& keyLine) {
        const std::size_t length = keyLine.valueEnd - keyLine.valueBegin;
        values.Add(keyLine.name, text_.substr(keyLine.valueBegin, std::min(length, maxLength)));
        return true;
    });
    return values;
}

void ProfileText::Set(std::string_view section, std::string_view key, std::string_view value) {
    SetAll(section, {{std::string(key), std::string(value)}});
}

void ProfileText::SetAll(std::string_view section,
                         const std::vector<std::pair<std::string, std::string>>& entries) {
    // A name set twice keeps the place of its first and the value of its last.
    std::vector<std::pair<std::string, std::string>> wanted;
    std::unordered_map<std::string, std::size_t> wantedAt;
    for (const auto& [key, value] : entries) {
        std::string firstLine = value.substr(0, value.find_first_of("\r\n"));
        const auto [at, added] = wantedAt.emplace(KeyName(key), wanted.size());
        if (added) {
            wanted.emplace_back(std::string(Trim(key)), std::move(firstLine));
        } else {
            wanted[at->second].second = std::move(firstLine);
        }
    }

    // One pass finds the section, its last key line and the first line of each name.
    const std::vector<Line>& lines = Lines().lines;
    std::optional<std::size_t> lastKeyLine;
    std::unordered_map<std::string, KeyLine> present;
    const std::optional<std::size_t> header =
        VisitSection(text_, Lines(), section, [&](std::size_t i, const KeyLine& keyLine) {
            lastKeyLine = i;
            const std::string name = KeyName(keyLine.name);
            if (wantedAt.count(name) != 0) present.emplace(name, keyLine);
            return true;
        });
    const bool sectionFound = header.has_value();
    const std::size_t insertAfterLine = lastKeyLine.value_or(header.value_or(0));

    struct Edit {
        std::size_t begin;
        std::size_t end;
        std::string text;
    };
    std::vector<Edit> edits;
    const std::string lineEnd(LineEnd(text_));
    std::string addedLines;
    for (const auto& [key, value] : wanted) {
        const auto found = present.find(KeyName(key));
        if (found == present.end()) {
            addedLines += key + "=" + value + lineEnd;
            continue;
        }
        const KeyLine& line = found->second;
        if (text_.compare(line.valueBegin, line.valueEnd - line.valueBegin, value) != 0) {
            edits.push_back({line.valueBegin, line.valueEnd, value});
        }
    }
    if (!addedLines.empty() && sectionFound) {
        const Line& after = lines[insertAfterLine];
        // A last line may end without a newline, or in a carriage return alone.
        const bool terminated = after.end > 0 && text_[after.end - 1] == '\n';
        const std::string unterminated = terminated ? "" : lineEnd;
        edits.push_back({after.end, after.end, unterminated + addedLines});
    }
    if (edits.empty() && addedLines.empty()) return;
    const bool hadLines = !lines.empty();
    layoutCurrent_ = false;
    // In text order; the added lines, pushed last, stay after an empty value
    // that ends an unterminated last line at the same place.
    std::stable_sort(edits.begin(), edits.end(),
                     [](const Edit& a, const Edit& b) { return a.begin < b.begin; });
    // From the back, so that each edit leaves the places of the ones before it.
    for (auto edit = edits.rbegin(); edit != edits.rend(); ++edit) {
        text_.replace(edit->begin, edit->end - edit->begin, edit->text);
    }
    if (addedLines.empty() || sectionFound) return;
    if (!text_.empty() && text_.back() != '\n') text_ += lineEnd;
    if (hadLines) text_ += lineEnd;
    text_ += "[" + std::string(Trim(section)) + "]" + lineEnd + addedLines;
}
