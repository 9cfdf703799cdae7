// velmar_pack: writes the assembler file that links the assets into the
// program as its resource table.
//   velmar_pack OUT.S BLOB_DIR [TYPE:]ID=FILE...
// Without a type, FILE is a resource of type "RCAD": it is scrambled to
// BLOB_DIR/rcad_ID.bin and that blob is linked. With ICON:, CURSOR:, BITMAP:
// or APPICON: it is linked as it is, in that type's own numbering. OUT.S lists (type, id,
// address, size) rows for EmbeddedResourceTable.cpp.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/resources/EmbeddedResourceTable.h"
#include "core/resources/ResourceScrambling.h"

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
    const char* prefix = e.type == ResourceType::kIcon     ? ".Licon_"
                         : e.type == ResourceType::kCursor ? ".Lcursor_"
                         : e.type == ResourceType::kBitmap ? ".Lbitmap_"
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

// "ICON:137" -> icon 137; "154" -> RCAD 154. False for an unknown type.
bool ParseKey(const std::string& key, ResourceType& type, long& id) {
    const std::size_t colon = key.find(':');
    type = ResourceType::kRcad;
    if (colon != std::string::npos) {
        const std::string name = key.substr(0, colon);
        if (name == "ICON") {
            type = ResourceType::kIcon;
        } else if (name == "CURSOR") {
            type = ResourceType::kCursor;
        } else if (name == "BITMAP") {
            type = ResourceType::kBitmap;
        } else if (name == "APPICON") {
            type = ResourceType::kAppIcon;
        } else if (name != "RCAD") {
            return false;
        }
    }
    const std::string number = colon == std::string::npos ? key : key.substr(colon + 1);
    std::size_t used = 0;
    try {
        id = std::stol(number, &used);
    } catch (const std::exception&) {
        return false;
    }
    return used == number.size();
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: %s OUT.S BLOB_DIR [ICON:|CURSOR:|BITMAP:|APPICON:]ID=FILE...\n",
                     argv[0]);
        return 2;
    }
    const std::string blobDir = argv[2];
    std::vector<Entry> entries;
    for (int i = 3; i < argc; ++i) {
        const std::string arg = argv[i];
        const std::size_t equals = arg.find('=');
        Entry entry{};
        if (equals == std::string::npos || !ParseKey(arg.substr(0, equals), entry.type, entry.id)) {
            std::fprintf(stderr, "%s: expected [ICON:|CURSOR:|BITMAP:|APPICON:]ID=FILE, got %s\n",
                         argv[0], argv[i]);
            return 2;
        }
        for (const Entry& other : entries) {
            if (other.type == entry.type && other.id == entry.id) {
                std::fprintf(stderr, "%s: %s packed twice\n", argv[0], argv[i]);
                return 2;
            }
        }
        const std::string file = arg.substr(equals + 1);
        if (entry.type == ResourceType::kRcad) {
            entry.blobPath = blobDir + "/rcad_" + std::to_string(entry.id) + ".bin";
            if (!ScrambleInto(file, entry.blobPath)) {
                std::fprintf(stderr, "%s: cannot pack %s\n", argv[0], argv[i]);
                return 1;
            }
        } else {
            // Linked plain: only the scrambled pictures are unpacked to files.
            if (!std::ifstream(file, std::ios::binary)) {
                std::fprintf(stderr, "%s: cannot pack %s\n", argv[0], argv[i]);
                return 1;
            }
            entry.blobPath = file;
        }
        entries.push_back(entry);
    }
    std::ofstream out(argv[1], std::ios::trunc);
    out << Assembler(entries);
    return out ? 0 : 1;
}
