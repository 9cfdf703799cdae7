#include "core/resources/EmbeddedResourceTable.h"

// The table is written by the build's resource packer as assembler data: one
// row of four 64-bit words (type, id, address, size) per resource.
extern "C" {
struct ResourceTableRow {
    std::int64_t type;
    std::int64_t id;
    const std::uint8_t* data;
    std::int64_t size;
};
extern const ResourceTableRow velmar_resource_table[];
extern const std::int64_t velmar_resource_count;
}

std::optional<EmbeddedBlob> FindEmbeddedResource(int id) {
    return FindEmbeddedResource(ResourceType::kRcad, id);
}

std::optional<EmbeddedBlob> FindEmbeddedResource(ResourceType type, int id) {
    for (std::int64_t i = 0; i < velmar_resource_count; ++i) {
        const ResourceTableRow& row = velmar_resource_table[i];
        if (row.type == static_cast<std::int64_t>(type) && row.id == id) {
            return EmbeddedBlob{row.data, static_cast<std::size_t>(row.size)};
        }
    }
    return std::nullopt;
}

std::vector<EmbeddedBlob> EmbeddedResourcesOf(ResourceType type) {
    std::vector<EmbeddedBlob> found;
    for (std::int64_t i = 0; i < velmar_resource_count; ++i) {
        const ResourceTableRow& row = velmar_resource_table[i];
        if (row.type == static_cast<std::int64_t>(type)) {
            found.push_back({row.data, static_cast<std::size_t>(row.size)});
        }
    }
    return found;
}
