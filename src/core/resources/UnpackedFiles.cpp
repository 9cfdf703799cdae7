#include "core/resources/UnpackedFiles.h"

#include <cstdint>
#include <cstdio>

#include "core/resources/ResourceScrambling.h"
#include "platform/posix/ProcessExit.h"

std::string ScrambledCopyPath(const std::string& dir, const std::string& name) {
    return dir + name + ".ad";
}

std::string PlainCopyPath(const std::string& dir, const std::string& name) {
    return dir + name + (name == "Music" ? ".wav" : ".bmp");
}

namespace {
[[noreturn]] void FailUnscramble(const char* message) {
    std::fputs(message, stdout);
    ExitProcessNow(1);
}
}  // namespace

void UnscrambleFile(const std::string& dir, const std::string& name) {
    std::FILE* input = std::fopen(ScrambledCopyPath(dir, name).c_str(), "rb");
    if (!input) FailUnscramble("cannot open infile\n");
    std::FILE* output = std::fopen(PlainCopyPath(dir, name).c_str(), "wb");
    if (!output) FailUnscramble(" cannot open outfile\n");

    const ScrambleKey key = AssembleScrambleKey();
    std::uint8_t chunk[16384];
    std::uint64_t nextByteNumber = 1;
    std::size_t count;
    while ((count = std::fread(chunk, 1, sizeof chunk, input)) > 0) {
        UnscrambleBytes(chunk, count, nextByteNumber, key);
        std::fwrite(chunk, 1, count, output);
        nextByteNumber += count;
    }
    std::fclose(output);
    std::fclose(input);
}

void DeleteUnpackedCopies(const std::string& dir, const std::string& name) {
    std::remove(ScrambledCopyPath(dir, name).c_str());
    std::remove(PlainCopyPath(dir, name).c_str());
}
