#pragma once

#include <memory>
#include <vector>

// One bubble particle. Lengths in world units relative to its emitter, speeds
// per frame.
struct Bubble {
    float position[3];
    float velocity[3];
    float acceleration[3];
    float life;
    float fade;  // subtracted from life every frame
    float halfSize;
};

// A bubble as one frame shows it: a square of half side `halfSize` centred on
// (x, y, z) in the z plane, relative to its column.
struct BubbleSquare {
    float x, y, z;
    float halfSize;
};

// One column of rising bubbles: a fixed pool, of which the first `count` are
// shown, trembling, and moved once per frame, recycling those that leave the
// column.
class BubbleEmitter {
  public:
    // Allocates n particles and fills them afresh, drawing from the random
    // stream. False when the pool cannot be had; the pool is then empty.
    bool Init(int n);
    // Uses the first n particles (clamped to the pool), shows them trembling
    // in x and z, then advances them.
    void Step(int n);
    // What the last step showed.
    const std::vector<BubbleSquare>& Shown() const { return shown_; }

    int PoolSize() const { return poolSize_; }

    int count = 0;  // particles in use, never more than PoolSize()
    std::unique_ptr<Bubble[]> particles;

  private:
    void Advance();
    static void Rebirth(Bubble& bubble);

    int poolSize_ = 0;
    std::vector<BubbleSquare> shown_;
};
