#include "resources/EmbeddedResourceTable.h"

// The table is written by the build's resource packer as assembler data: one
// row of three 64-bit words (id, address, size) per resource.
extern "C" {
struct RcadTableRow {
    std::int64_t id;
    const std::uint8_t* data;
    std::int64_t size;
};
extern const RcadTableRow velmar_rcad_table[];
extern const std::int64_t velmar_rcad_count;
}

std::optional<EmbeddedBlob> FindEmbeddedResource(int id) {
    for (std::int64_t i = 0; i < velmar_rcad_count; ++i) {
        const RcadTableRow& row = velmar_rcad_table[i];
        if (row.id == id) return EmbeddedBlob{row.data, static_cast<std::size_t>(row.size)};
    }
    return std::nullopt;
}
