#pragma once

#include <string_view>

// The C runtime's atoi/atol as the settings and dialogs expect them: leading
// blanks, an optional sign, then decimal digits; the first other character ends
// the number and text without digits gives 0. Numbers beyond the int range give
// INT_MAX or INT_MIN instead of wrapping.
int CrtAtoi(std::string_view text);
