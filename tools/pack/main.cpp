// velmar_pack: writes the assembler file that links the assets into the
// program as its resource table.
//   velmar_pack OUT.S BLOB_DIR ASSET_DIR
// Packs every resource of ResourceTable.h from its file in ASSET_DIR. A
// resource of type "RCAD" is scrambled to BLOB_DIR/rcad_ID.bin and that blob
// is linked; the others are linked as they are, each type in its own
// numbering. OUT.S lists (type, id, address, size) rows for
// EmbeddedResourceTable.cpp.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/resources/EmbeddedResourceTable.h"
#include "core/resources/ResourceScrambling.h"
#include "core/resources/ResourceTable.h"

namespace {
struct Entry {
    ResourceType type;
    long id;
    std::string blobPath;
};

bool ScrambleInto(const std::string& from, const std::string& to) {
    std::ifstream in(from, std::ios::binary);
    if (!in) return false;
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                    std::istreambuf_iterator<char>()};
    ScrambleBytes(bytes.data(), bytes.size(), 1, AssembleScrambleKey());
    std::ofstream out(to, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

std::string Label(const Entry& e) {
    const char* prefix = e.type == ResourceType::kIcon      ? ".Licon_"
                         : e.type == ResourceType::kCursor  ? ".Lcursor_"
                         : e.type == ResourceType::kBitmap  ? ".Lbitmap_"
                         : e.type == ResourceType::kAppIcon ? ".Lappicon_"
                                                            : ".Lrcad_";
    return prefix + std::to_string(e.id);
}

std::string Assembler(const std::vector<Entry>& entries) {
    std::string s = "# Written by velmar_pack: the embedded resources.\n";
    s += "    .section .rodata.velmar_resources,\"a\"\n";
    for (const Entry& e : entries) {
        const std::string label = Label(e);
        s += "    .balign 16\n" + label + ":\n    .incbin \"" + e.blobPath + "\"\n" + label +
             "_end:\n";
    }
    s += "    .section .data.rel.ro.velmar_resources,\"aw\"\n    .balign 8\n";
    s += "    .globl velmar_resource_table\nvelmar_resource_table:\n";
    for (const Entry& e : entries) {
        const std::string label = Label(e);
        s += "    .quad " + std::to_string(static_cast<long>(e.type)) + ", " +
             std::to_string(e.id) + ", " + label + ", " + label + "_end - " + label + "\n";
    }
    s += "    .globl velmar_resource_count\nvelmar_resource_count:\n    .quad " +
         std::to_string(entries.size()) + "\n";
    s += "    .section .note.GNU-stack,\"\",@progbits\n";
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s OUT.S BLOB_DIR ASSET_DIR\n", argv[0]);
        return 2;
    }
    const std::string blobDir = argv[2];
    const std::string assetDir = argv[3];
    std::vector<Entry> entries;
    for (const PackedResource& resource : PackedResources()) {
        const std::string file = assetDir + "/" + resource.assetFile;
        Entry entry{resource.type, resource.id, file};
        if (entry.type == ResourceType::kRcad) {
            entry.blobPath = blobDir + "/rcad_" + std::to_string(entry.id) + ".bin";
            if (!ScrambleInto(file, entry.blobPath)) {
                std::fprintf(stderr, "%s: cannot pack %s\n", argv[0], file.c_str());
                return 1;
            }
        } else if (!std::ifstream(file, std::ios::binary)) {
            // Linked plain: only the scrambled pictures are unpacked to files.
            std::fprintf(stderr, "%s: cannot pack %s\n", argv[0], file.c_str());
            return 1;
        }
        entries.push_back(entry);
    }
    std::ofstream out(argv[1], std::ios::trunc);
    out << Assembler(entries);
    return out ? 0 : 1;
}
