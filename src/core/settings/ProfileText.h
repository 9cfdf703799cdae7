#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

// The text of a private-profile (ini) file, read and edited one key at a time
// with the rules of the Windows profile functions:
//   - "[Section]" lines open sections; "key=value" lines inside them hold values.
//   - Section and key names match without regard to ASCII letter case, with
//     surrounding blanks ignored; only the first matching section is searched
//     and the first matching key in it wins.
//   - A value is the text after the first '=', surrounding blanks trimmed.
//   - Lines before the first section, lines without '=', lines starting with
//     ';' or '#', and lines longer than kMaxLineLength are never matched and
//     are kept as they stand.
// Both CRLF and LF line ends read; new lines take the text's own line end.
// The keys of one section with their values, as ProfileText::ReadSection
// found them: the first of a name wins, as for ProfileText::Get.
class ProfileSection {
  public:
    // The value of the key, matched as Get matches it; empty when absent.
    std::string Get(std::string_view key) const;
    void Add(std::string_view key, std::string value);

  private:
    std::unordered_map<std::string, std::string> values_;
};

class ProfileText {
  public:
    // What the Windows functions return through their 128-byte buffer.
    static constexpr std::size_t kMaxValueLength = 127;
    // The longest line read as a section or a key: a key and the longest path.
    static constexpr std::size_t kMaxLineLength = 8192;

    ProfileText() = default;
    explicit ProfileText(std::string text) : text_(std::move(text)) {}

    // The value of the key, at most `maxLength` characters; empty when the
    // section or the key is absent.
    std::string Get(std::string_view section, std::string_view key,
                    std::size_t maxLength = kMaxValueLength) const;

    // Every key of the section with its value (at most `maxLength` characters),
    // read in one pass over the text for readers of many keys.
    ProfileSection ReadSection(std::string_view section,
                               std::size_t maxLength = kMaxValueLength) const;

    // Replaces the key's value and nothing else on its line. A missing key is
    // added after the section's last key, a missing section at the end of the
    // text. Every other byte of the text stays as it was. A value is cut at its
    // first line break so that it cannot spill into a line of its own.
    void Set(std::string_view section, std::string_view key, std::string_view value);
    // Set for each (key, value) in turn, in one pass over the text.
    void SetAll(std::string_view section,
                const std::vector<std::pair<std::string, std::string>>& entries);

    const std::string& Text() const { return text_; }

    // Where one line lies in the text: [begin, contentEnd) without its line
    // end, [contentEnd, end) the line end (empty on an unterminated last line).
    struct LineSpan {
        std::size_t begin;
        std::size_t contentEnd;
        std::size_t end;
    };
    // The text's lines, and the indexes of those that open sections.
    struct Layout {
        std::vector<LineSpan> lines;
        std::vector<std::size_t> headers;
    };

  private:
    // Found once and kept until the text changes: a start reads dozens of
    // keys, and a hand-made file may have a hundred thousand lines in sections
    // of no interest.
    const Layout& Lines() const;

    std::string text_;
    mutable Layout layout_;
    mutable bool layoutCurrent_ = false;
};
