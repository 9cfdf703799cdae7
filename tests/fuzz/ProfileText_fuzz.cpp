// libFuzzer target: any text read as a settings file, then edited by
// operations drawn from the rest of the input. Reading one key and reading
// its whole section agree; after Set the key reads back as a file holding only
// that line would give it and every other key reads as before; SetAll leaves
// the values that the same Sets in turn leave.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "core/settings/ProfileText.h"

namespace {
void Require(bool condition) {
    if (!condition) std::abort();
}

// Names a program writes: letters in both cases, digits and inner blanks. The
// other key's letters are its own, so no edit names it.
std::string Name(FuzzedDataProvider& input, const char* alphabet = "aAbBkK1 ") {
    const std::string letters(alphabet);
    std::string name;
    for (char c : input.ConsumeRandomLengthString(6)) {
        name += letters[static_cast<unsigned char>(c) % letters.size()];
    }
    const std::size_t first = name.find_first_not_of(' ');
    return first == std::string::npos ? letters.substr(0, 1) : name.substr(first);
}

// What a file holding nothing but this key would give for it.
std::string AloneValue(const std::string& key, const std::string& value) {
    const std::string firstLine = value.substr(0, value.find_first_of("\r\n"));
    return ProfileText("[s]\n" + key + "=" + firstLine + "\n").Get("s", key);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    ProfileText text(input.ConsumeRandomLengthString(4096));
    for (int operation = 0; operation < 8 && input.remaining_bytes() > 0; ++operation) {
        const std::string section = Name(input);
        const std::string key = Name(input);
        const std::string otherSection = Name(input);
        const std::string otherKey = Name(input, "xX2 ");
        Require(text.Get(section, key) == text.ReadSection(section).Get(key));

        const std::string before = text.Text();
        const std::string otherBefore = text.Get(otherSection, otherKey);
        std::vector<std::pair<std::string, std::string>> entries;
        const int count = input.ConsumeIntegralInRange(1, 3);
        for (int entry = 0; entry < count; ++entry) {
            entries.emplace_back(entry == 0 ? key : Name(input),
                                 input.ConsumeRandomLengthString(160));
        }
        if (count == 1) {
            text.Set(section, key, entries[0].second);
            Require(text.Get(section, key) == AloneValue(key, entries[0].second));
        } else {
            ProfileText inTurn(before);
            for (const auto& [name, value] : entries) inTurn.Set(section, name, value);
            text.SetAll(section, entries);
            for (const auto& entry : entries) {
                Require(text.Get(section, entry.first) == inTurn.Get(section, entry.first));
            }
        }
        Require(text.Get(otherSection, otherKey) == otherBefore);
    }
    return 0;
}
