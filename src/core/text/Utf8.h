#pragma once

#include <string>
#include <string_view>

// The characters of UTF-8 `text`. A byte that starts no well-formed sequence
// (Latin-1 text, a cut string) stands for itself, so nothing is lost from view.
std::u32string CodePoints(std::string_view text);
