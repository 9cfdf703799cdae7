#include "core/resources/EmbeddedResources.h"

#include <cstdio>

#include "core/resources/EmbeddedResourceTable.h"
#include "core/resources/UnpackedFiles.h"

bool ExtractResource(int id, const std::string& dir, const std::string& name) {
    const std::optional<EmbeddedBlob> blob = FindEmbeddedResource(id);
    if (!blob) return false;
    // "wb" truncates: a shorter resource unpacked under a name used before
    // must not leave the old copy's tail behind it.
    if (std::FILE* file = std::fopen(ScrambledCopyPath(dir, name).c_str(), "wb")) {
        std::fwrite(blob->data, 1, blob->size, file);
        std::fclose(file);
    }
    UnscrambleFile(dir, name);
    return true;
}
