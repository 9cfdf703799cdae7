// velmar_pack: scrambles the assets and writes the assembler file that links
// them into the program as the resource table of type "RCAD".
//   velmar_pack OUT.S BLOB_DIR ID=FILE...
// Each FILE is scrambled to BLOB_DIR/rcad_ID.bin; OUT.S includes those blobs
// and lists (id, address, size) rows for EmbeddedResourceTable.cpp.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "resources/ResourceScrambling.h"

namespace {
struct Entry {
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

std::string Assembler(const std::vector<Entry>& entries) {
    std::string s = "# Written by velmar_pack: the embedded resources of type \"RCAD\".\n";
    s += "    .section .rodata.velmar_rcad,\"a\"\n";
    for (const Entry& e : entries) {
        const std::string label = ".Lrcad_" + std::to_string(e.id);
        s += "    .balign 16\n" + label + ":\n    .incbin \"" + e.blobPath + "\"\n" + label +
             "_end:\n";
    }
    s += "    .section .data.rel.ro.velmar_rcad,\"aw\"\n    .balign 8\n";
    s += "    .globl velmar_rcad_table\nvelmar_rcad_table:\n";
    for (const Entry& e : entries) {
        const std::string label = ".Lrcad_" + std::to_string(e.id);
        s += "    .quad " + std::to_string(e.id) + ", " + label + ", " + label + "_end - " + label +
             "\n";
    }
    s += "    .globl velmar_rcad_count\nvelmar_rcad_count:\n    .quad " +
         std::to_string(entries.size()) + "\n";
    s += "    .section .note.GNU-stack,\"\",@progbits\n";
    return s;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s OUT.S BLOB_DIR ID=FILE...\n", argv[0]);
        return 2;
    }
    const std::string blobDir = argv[2];
    std::vector<Entry> entries;
    for (int i = 3; i < argc; ++i) {
        const std::string arg = argv[i];
        const std::size_t equals = arg.find('=');
        if (equals == std::string::npos) {
            std::fprintf(stderr, "%s: expected ID=FILE, got %s\n", argv[0], argv[i]);
            return 2;
        }
        const long id = std::stol(arg.substr(0, equals));
        const std::string blob = blobDir + "/rcad_" + std::to_string(id) + ".bin";
        if (!ScrambleInto(arg.substr(equals + 1), blob)) {
            std::fprintf(stderr, "%s: cannot pack %s\n", argv[0], argv[i]);
            return 1;
        }
        entries.push_back({id, blob});
    }
    std::ofstream out(argv[1], std::ios::trunc);
    out << Assembler(entries);
    return out ? 0 : 1;
}
