#include "core/music/BuiltinTune.h"

#include <fstream>
#include <iterator>

#include "core/resources/ResourceTable.h"
#include "core/resources/UnpackedResource.h"

std::vector<std::uint8_t> BuiltinTuneWav(const std::string& dir) {
    std::vector<std::uint8_t> wav;
    UseUnpackedResource(kTune.id, dir, kTune.name, [&wav](const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        wav.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    });
    return wav;
}
