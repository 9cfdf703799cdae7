#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The embedded resources are stored scrambled with a 50-byte key: the k-th
// byte of a stream (k counting from 1) is shifted by key[k mod 50], so the
// first byte uses entry 1, the 50th entry 0 and the 51st entry 1 again.
constexpr int kScrambleKeyLength = 50;
using ScrambleKey = std::array<std::int8_t, kScrambleKeyLength>;

// Builds the key in the caller's storage; the program holds no copy of it.
ScrambleKey AssembleScrambleKey();

// Restores plain bytes in place: byte + key entry, modulo 256.
// `firstByteNumber` is the 1-based position of bytes[0] in its stream, so a
// stream can be handled in chunks.
void UnscrambleBytes(std::uint8_t* bytes, std::size_t count, std::uint64_t firstByteNumber,
                     const ScrambleKey& key);

// The inverse of UnscrambleBytes: byte - key entry, modulo 256.
void ScrambleBytes(std::uint8_t* bytes, std::size_t count, std::uint64_t firstByteNumber,
                   const ScrambleKey& key);
