#include "platform/posix/LargeBlocks.h"

#include <malloc.h>

void ReturnLargeBlocksToTheSystem() {
    // glibc raises its mapping threshold to the size of each large block freed;
    // from then on such blocks come from the heap of the thread's arena and
    // stay there. Every arena the media engine's threads went through kept
    // some 10 MiB for good, more of them as the tracks went by. A fixed
    // threshold keeps the arenas small.
    constexpr int kLargeBlockBytes = 4 << 20;
    mallopt(M_MMAP_THRESHOLD, kLargeBlockBytes);
}

void ReturnFreedMemoryToTheSystem() {
    malloc_trim(0);
}
