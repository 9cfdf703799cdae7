#include "core/text/Utf8.h"

namespace {
bool Continues(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}
}  // namespace

std::u32string CodePoints(std::string_view text) {
    std::u32string points;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80    ? 1
                           : lead >= 0xF0 ? 4
                           : lead >= 0xE0 ? 3
                           : lead >= 0xC2 ? 2
                                          : 0;
        char32_t point = length == 1 ? lead : lead & (0x7F >> length);
        bool wellFormed = length > 0 && i + length <= text.size();
        for (int k = 1; wellFormed && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            wellFormed = Continues(next);
            point = point << 6 | (next & 0x3F);
        }
        // Overlong forms, surrogates and values past Unicode's end are no characters.
        const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        wellFormed = wellFormed && lead <= 0xF4 && point >= least[length] && point <= 0x10FFFF &&
                     (point < 0xD800 || point > 0xDFFF);
        points.push_back(wellFormed ? point : lead);
        i += wellFormed ? length : 1;
    }
    return points;
}
