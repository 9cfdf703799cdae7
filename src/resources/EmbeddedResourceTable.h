#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

// The scrambled bytes of one embedded resource, linked into the program.
struct EmbeddedBlob {
    const std::uint8_t* data;
    std::size_t size;
};

// Looks up resource `id` of type "RCAD"; nothing when the program carries no
// such resource.
std::optional<EmbeddedBlob> FindEmbeddedResource(int id);
