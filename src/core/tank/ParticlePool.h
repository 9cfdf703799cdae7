#pragma once

#include <memory>

// One bubble particle. Lengths in world units relative to its emitter, speeds
// per frame.
struct Bubble {
    float position[3];
    float velocity[3];
    float acceleration[3];
    float life;
    float fade;  // subtracted from life every frame
    float halfSize;
    float red, green, blue;  // 0..254, used only when the emitter is coloured
};

// Owns a fixed pool of particles; an emitter fills and moves them.
class ParticlePool {
  public:
    virtual ~ParticlePool() = default;
    // Allocates n zeroed particles and uses all of them. False when the pool
    // cannot be had; the pool is then empty.
    virtual bool Init(int n);
    virtual void Advance() = 0;

    int PoolSize() const { return poolSize_; }

    int count = 0;  // particles in use, never more than PoolSize()
    std::unique_ptr<Bubble[]> particles;

  private:
    int poolSize_ = 0;
};
