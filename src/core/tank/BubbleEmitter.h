#pragma once

#include <cstdint>

#include "core/tank/ParticlePool.h"

// Draws bubbles for BubbleEmitter::Draw; the GL layer implements it.
class BubblePainter {
  public:
    virtual ~BubblePainter() = default;
    virtual void BindTexture() = 0;
    virtual void SetColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) = 0;
    // One textured square of half side s centred on (x, y, z) in the z plane.
    virtual void Square(float x, float y, float z, float s) = 0;
};

// One column of rising bubbles: draws the first `count` particles of its pool
// and moves them once per frame, recycling those that leave the column.
class BubbleEmitter : public ParticlePool {
  public:
    // Fills the pool with fresh particles, drawing from the random stream.
    bool Init(int n) override;
    void SetColoured(bool on) { coloured = on; }
    // Uses the first n particles (clamped to the pool), draws them trembling
    // in x and z, then advances them.
    void Draw(int n, BubblePainter& painter);
    void Advance() override;

    bool coloured = true;

  private:
    static void Rebirth(Bubble& bubble);
};
