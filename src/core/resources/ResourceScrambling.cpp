#include "core/resources/ResourceScrambling.h"

ScrambleKey AssembleScrambleKey() {
    // The key is worked out step by step from a seed rather than kept as a
    // table, so the stored program never contains it in one piece.
    ScrambleKey key{};
    std::uint32_t state = 0x7E1Au;
    for (int i = 0; i < kScrambleKeyLength; ++i) {
        state = state * 1103515245u + 12345u;
        key[i] = static_cast<std::int8_t>(((state >> 16) & 0xFFu) ^ static_cast<unsigned>(i * 37));
    }
    return key;
}

namespace {
std::uint8_t KeyEntryFor(std::uint64_t byteNumber, const ScrambleKey& key) {
    return static_cast<std::uint8_t>(key[byteNumber % kScrambleKeyLength]);
}
}  // namespace

void UnscrambleBytes(std::uint8_t* bytes, std::size_t count, std::uint64_t firstByteNumber,
                     const ScrambleKey& key) {
    for (std::size_t i = 0; i < count; ++i) {
        bytes[i] = static_cast<std::uint8_t>(bytes[i] + KeyEntryFor(firstByteNumber + i, key));
    }
}

void ScrambleBytes(std::uint8_t* bytes, std::size_t count, std::uint64_t firstByteNumber,
                   const ScrambleKey& key) {
    for (std::size_t i = 0; i < count; ++i) {
        bytes[i] = static_cast<std::uint8_t>(bytes[i] - KeyEntryFor(firstByteNumber + i, key));
    }
}
