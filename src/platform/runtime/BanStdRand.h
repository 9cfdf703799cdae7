// Force-included into every translation unit of ours. The aquarium's random
// choices assume the Windows C runtime's sequence (0..32767, state 1, never
// seeded), which only CrtRand() in Random.h gives; glibc's rand() has another
// range. Headers that mention rand are pulled in first, then the name is poisoned.
#pragma once
#ifdef __cplusplus
#include <algorithm>
#include <cstdlib>
#include <random>
#endif
#include <stdlib.h>
#pragma GCC poison rand srand random srandom
