#pragma once

#include <array>

struct TankBounds;

// The three bubble columns of the tank, their pools and where they stand.
constexpr int kBubbleEmitterCount = 3;
constexpr int kBubblePoolSize = 110;

// Where emitter e (0..2) stands: centred in x, 5 units below the tank, 100,
// 200 and 50 units behind its back wall.
std::array<float, 3> BubbleEmitterPosition(const TankBounds& tank, int emitter);

// Where the frame draws emitter e from: its position moved by (5, -25, -60).
std::array<float, 3> BubbleDrawOrigin(const std::array<float, 3>& position);

// Particles drawn per emitter for the "QIPAONUM" setting: 110 - setting, so a
// larger setting gives fewer bubbles; 0 .. 110 whatever the setting holds.
int BubbleDrawCount(int bubbleAmount);
