#pragma once

#include <array>

// How finely a fish's mesh is emitted. The light meshes keep every line of
// every part and every other (light) or every fourth (lightest) station, and
// the last: for a fish under a hundred or under fifty pixels long they look
// the same as the full mesh.
enum class MeshDetail { kFull, kLight, kLightest };

// A wave oscillator of one animated mesh part: advances its phase every third
// frame and fills a per-station array with a travelling sine wave.
struct WaveOscillator {
    float phase = 0.0f;
    int tick = 0;
    float wavenumber = 0.0f;  // radians per array index
    float amplitude = 0.0f;
    float phaseStep = 0.0f;  // radians
};

// The local dimensions, world box, grown box and head/tail points of a fish,
// refreshed every frame for the interaction code.
struct FishExtent {
    float length = 0.0f;
    float depth = 0.0f;
    float height = 0.0f;
    float xMax = 0.0f, xMin = 0.0f, yMax = 0.0f, yMin = 0.0f, zMax = 0.0f, zMin = 0.0f;
    float grownXMax = 0.0f, grownXMin = 0.0f, grownYMax = 0.0f, grownYMin = 0.0f;
    float grownZMax = 0.0f, grownZMin = 0.0f;
    std::array<float, 3> head{};
    std::array<float, 3> tail{};
};

// The box a fish keeps to, as given to SetBounds (yTop and yBottom already
// pulled in from the tank's top and bottom).
struct FishBounds {
    float xMin = 0.0f, xMax = 0.0f, yTop = 0.0f, yBottom = 0.0f, zMin = 0.0f, zMax = 0.0f;
};

// Which bound the last bounds check met; it blocks motion through that wall in
// the next frame and makes the body snap to its new heading at a side wall.
enum WallState : int {
    kWallNone = 0,
    kWallXMin = 1,
    kWallXMax = 2,
    kWallZMax = 4,
    kWallYTop = 5,
    kWallYBottom = 6,
};

// The modes of TurnHeading (whim, reverse, veer, quarter, steer) and of
// TurnPitch (whim, bounce, steer).
enum TurnMode : int {
    kTurnWhim = 0,
    kTurnReverse = 1,
    kTurnVeer = 2,
    kTurnBounce = 3,
    kTurnQuarter = 4,
    kTurnSteer = 7,
};

// The per-frame arrays of the animated mesh, refilled before every draw.
struct FishPartArrays {
    std::array<float, 19> yaw{};  // degrees, one per body station
    std::array<float, 19> bodyWave{};
    std::array<float, 20> dorsalWave{};
    std::array<float, 19> pectoralWave{};
    std::array<float, 23> pelvicWave{};
    std::array<float, 18> analWave{};
    std::array<float, 29> tailWave{};
    std::array<float, 8> lowerJaw{};
    std::array<float, 11> upperJaw{};
    std::array<float, 10> eyeWave{};  // always zero
};

// A fish as one frame shows it: where it is, and what its mesh is emitted
// and tilted with.
struct FishPose {
    std::array<float, 3> position{};
    float size = 0.0f;
    float pitch = 0.0f;    // the shown pitch, degrees
    float heading = 0.0f;  // degrees
    FishPartArrays arrays;
};

// One fish of the school. Angles in degrees, lengths in world units, speeds in
// world units per frame. Construction draws from the process-wide random
// generator in field order, so the school is the same on every run.
class Fish {
  public:
    Fish();

    // Swimming and steering. Speeds stay within [0.1, 0.3] world units per
    // frame, pitch within [-45, 45] and targetHeading within [-360, 360]
    // degrees. TurnHeading does nothing while the fish is still turning.
    void SetBounds(float xMin, float xMax, float top, float bottom, float zMin, float zMax);
    void ChangeSpeed(float step, float target);
    void TurnHeading(float amount, bool flip, int mode);
    void TurnPitch(float amount, bool climb, int mode);
    bool InDeepBand() const;
    void RandomWhim();
    void Move();
    void CheckBounds();
    void SetFeeding(bool on) { feeding = on; }
    void ChangeSize(float amount, bool grow);
    void UpdateExtent();

    // The steps Update runs around the pose it shows: before it the shown pitch follows `pitch` by
    // one degree; after it a swimming fish moves and a caught one counts its frames and is released
    // after 51 at x = -55 or 45.
    void AdvanceShownPitch();
    void MoveOrHoldCaught();
    // Recomputes the twelve direction flags from the headings and pitches;
    // Move does so before it moves.
    void UpdateDirectionFlags();

    // One frame of the fish: animate, take a whim, move, refresh the extent.
    // `shown` gets the fish as this frame shows it, before it moves.
    void Update(FishPose& shown);

    // Body animation. ComputePartArrays fills the arrays in this order (lower
    // jaw, upper jaw with the mouth toggle, body yaw stepper, then the waves);
    // EmitFishParts emits the nine parts with them.
    void ComputePartArrays(FishPartArrays& arrays);
    float size = 2.0f;
    bool mouthClosed = true;
    float speed = 0.2f;
    // The share of `speed` swum each frame: less at night. Speed itself, and
    // every choice made from it, stays as by day.
    float speedShare = 1.0f;
    float pitch = 0.0f;
    float targetHeading = 0.0f;
    float shownPitch = 0.0f;
    bool feeding = false;
    bool caught = false;
    int caughtFrames = 0;
    float heading = 0.0f;
    int turnTick = 0;
    bool turnDone = false;
    bool bendDone = false;
    std::array<int, 19> segmentYaw{};
    float turnFrom = 0.0f;
    WaveOscillator bodyOscillator;
    WaveOscillator dorsalOscillator;
    WaveOscillator pectoralOscillator;
    WaveOscillator pelvicOscillator;
    WaveOscillator analOscillator;
    WaveOscillator tailOscillator;
    int mouthTimer = 0;
    float upperJawStep = 0.005f;
    float lowerJawStep = 0.005f;
    std::array<float, 3> position{};
    bool leftward = false;
    bool rightward = false;
    bool up = false;
    bool down = false;
    bool towardMinusZ = false;
    bool towardPlusZ = false;
    bool targetLeftward = false;
    bool targetRightward = false;
    bool targetUp = false;
    bool targetDown = false;
    bool targetMinusZ = false;
    bool targetPlusZ = false;
    FishBounds bounds;
    int wallState = kWallNone;
    int idleTimer = 0;
    FishExtent extent;
};
