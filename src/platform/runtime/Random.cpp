#include "platform/runtime/Random.h"

#include <cstdint>

namespace {
std::uint32_t crtRandState = 1;
}

int CrtRand() {
    crtRandState = crtRandState * 214013u + 2531011u;
    return static_cast<int>((crtRandState >> 16) & 0x7FFF);
}

unsigned CrtRandState() {
    return crtRandState;
}

void ResetCrtRand() {
    crtRandState = 1;
}
