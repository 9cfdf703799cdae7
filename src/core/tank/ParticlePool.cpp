#include "core/tank/ParticlePool.h"

#include <new>

bool ParticlePool::Init(int n) {
    particles.reset(n >= 0 ? new (std::nothrow) Bubble[n]() : nullptr);
    poolSize_ = particles ? n : 0;
    count = poolSize_;
    return particles != nullptr;
}
