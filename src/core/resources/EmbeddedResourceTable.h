#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// The bytes of one embedded resource, linked into the program.
struct EmbeddedBlob {
    const std::uint8_t* data;
    std::size_t size;
};

// The kinds of embedded resource. Each numbers its own resources, so an icon
// and a cursor may share an id with an "RCAD" picture. The values are the ones
// the resource packer writes into the table.
enum class ResourceType : std::int64_t {
    kRcad = 0,     // scrambled pictures and the tune, unpacked to files
    kIcon = 1,     // popup menu icons, plain PNG
    kCursor = 2,   // mode cursors, plain PNG
    kBitmap = 3,   // dialog pictures, plain PNG
    kAppIcon = 4,  // the program's icon, plain PNG, numbered by its size in pixels
};

// Looks up resource `id` of type "RCAD" (scrambled bytes); nothing when the
// program carries no such resource.
std::optional<EmbeddedBlob> FindEmbeddedResource(int id);

// Looks up resource `id` of `type`; nothing when the program carries no such
// resource.
std::optional<EmbeddedBlob> FindEmbeddedResource(ResourceType type, int id);

// Every resource of `type`, in the order they were packed.
std::vector<EmbeddedBlob> EmbeddedResourcesOf(ResourceType type);
