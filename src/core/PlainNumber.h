#pragma once

#include <charconv>
#include <optional>
#include <string_view>

// A number written as plain digits in `base`, the whole text: nothing for a
// sign, blanks, junk or a value out of the type's range.
template <typename Number>
std::optional<Number> ParsePlainNumber(std::string_view text, int base = 10) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, base);
    // from_chars takes a minus sign for signed types; only plain digits are ours.
    if (text.empty() || text.front() == '-' || error != std::errc() || stop != end) return {};
    return value;
}
