#pragma once

#include <array>

// The flake as a frame shows it: at the drop point `anchor`, turned by spinY
// degrees about y, moved by `offset` and then tumbled by spinX degrees about x.
struct FlakePose {
    std::array<float, 3> anchor{};
    float spinY = 0.0f;
    std::array<float, 3> offset{};
    float spinX = 0.0f;
};

constexpr int kFoodPelletCount = 20;

// One food flake of the pool of 20 that the scene owns. Lengths in world units,
// angles in degrees, motion per frame. Construction draws the anchor from the
// process-wide random stream (x, then y), so the pool must be built after the
// fish, and makes the slot active: the tank opens with a feeding.
class FoodPellet {
  public:
    FoodPellet();

    // Randomises the flake (offset, spins, sink speed) and brings it to life.
    void Init();
    // Drops the pellet at (x, y, z) and starts it afresh.
    void Place(float x, float y, float z);
    void SetActive(bool on) { active = on; }
    bool IsActive() const { return active; }
    bool IsAlive() const { return alive == 1.0f; }
    // One frame of an active pellet: shows a live flake and publishes its
    // point, or frees the slot once the flake is gone; then sinks and sways it.
    void Step();
    // Whether the last step showed the flake, and how. A slot freed by a step
    // shows nothing until a pellet dropped into it has taken a step.
    bool Shown() const { return shown_; }
    const FlakePose& ShownFlake() const { return shownFlake_; }
    // The flake vanishes at its next Draw.
    void Eat() { alive = 0.0f; }
    void Nudge(float dx, float dy, float dz);

    std::array<float, 3> offset{};  // relative to the anchor; y starts at 1.0
    float spinX = 0.0f;
    float spinY = 0.0f;
    float sinkSpeed = 0.0f;        // 0.005 .. 0.0095 per frame
    float alive = 0.0f;            // 1.0 while the flake exists
    std::array<float, 3> point{};  // where the fish tests see the flake
    std::array<float, 3> anchor{};
    bool active = false;

  private:
    void Advance();

    bool shown_ = false;
    FlakePose shownFlake_;
};
