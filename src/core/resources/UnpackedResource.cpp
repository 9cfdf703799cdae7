#include "core/resources/UnpackedResource.h"

#include "core/resources/EmbeddedResources.h"
#include "core/resources/UnpackedFiles.h"

void UseUnpackedResource(int id, const std::string& dir, const std::string& name,
                         const std::function<void(const std::string& plainPath)>& use) {
    ExtractResource(id, dir, name);
    use(PlainCopyPath(dir, name));
    DeleteUnpackedCopies(dir, name);
}
