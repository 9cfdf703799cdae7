// Renders the school, the background and the bubbles off-screen at 1920 x 1080 for a fixed number
// of frames and reports the frame rate and where each frame's time goes. Usage:
//   velmar_bench [frames] [fish]
// Needs an X display with GLX (run it under xvfb-run on a headless machine).
#include <time.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include <GL/gl.h>

#include "fish/Fish.h"
#include "fish/FishSchool.h"
#include "platform/WorkDir.h"
#include "render/FrameCamera.h"
#include "render/GlSceneState.h"
#include "render/TankBounds.h"
#include "resources/EmbeddedTexture.h"
#include "resources/ResourceIds.h"
#include "resources/TextureLoaders.h"
#include "settings/AquariumSettings.h"
#include "support/GlTestContext.h"
#include "tank/BackgroundSurface.h"
#include "tank/BackgroundSurfaceGl.h"
#include "tank/BubbleColumns.h"
#include "tank/BubbleEmitter.h"
#include "tank/BubbleEmitterGl.h"

namespace {
constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;
constexpr int kWarmUpFrames = 10;

// One part of the scene: its per-frame update and its drawing, timed apart.
struct BenchStage {
    std::string name;
    std::function<void()> simulate;
    std::function<void()> draw;
};

struct Timing {
    double wallMs = 0.0;
    double cpuMs = 0.0;
};

double ThreadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

double WallMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

void Timed(const std::function<void()>& work, Timing& total) {
    const double wall = WallMs();
    const double cpu = ThreadCpuMs();
    work();
    total.cpuMs += ThreadCpuMs() - cpu;
    total.wallMs += WallMs() - wall;
}

// The school as the tank has it: 200 fish built and placed from the random
// stream, wearing the embedded skins. The per-fish work is that of
// Fish::UpdateAndDraw, split into a pass without GL and a drawing pass so the
// two can be timed apart.
class BenchSchool {
  public:
    BenchSchool(int count, const TankBounds& tank, const std::string& unpackDir)
        : fish_(count), arrays_(count) {
        for (Fish& fish : fish_) PlaceFish(fish, tank);
        for (int s = 0; s < kSpeciesCount; ++s) {
            LoadEmbeddedTexture(kFirstFishSkinResourceId + s, unpackDir, "fish" + std::to_string(s),
                                LoadTextureBMP, &skins_[s]);
        }
    }

    void Simulate() {
        for (size_t i = 0; i < fish_.size(); ++i) {
            Fish& fish = fish_[i];
            fish.ComputePartArrays(arrays_[i]);
            fish.AdvanceShownPitch();
            fish.RandomWhim();
            fish.MoveOrHoldCaught();
            fish.UpdateExtent();
        }
    }

    void Draw() {
        const size_t perSpecies = (fish_.size() + kSpeciesCount - 1) / kSpeciesCount;
        for (size_t i = 0; i < fish_.size(); ++i) {
            Fish& fish = fish_[i];
            const float h = fish.heading * 0.017453292f;
            glBindTexture(GL_TEXTURE_2D, skins_[i / perSpecies]);
            glPushMatrix();
            glTranslatef(fish.position[0], fish.position[1], fish.position[2]);
            glRotatef(-90.0f, 1.0f, 0.0f, 0.0f);
            glRotatef(-fish.shownPitch, std::sin(h), -std::cos(h), 0.0f);
            fish.DrawParts(arrays_[i]);
            glPopMatrix();
        }
    }

  private:
    std::vector<Fish> fish_;
    std::vector<FishPartArrays> arrays_;
    GLuint skins_[kSpeciesCount] = {};
};

// The three bubble columns at the default bubble setting, drawn additively with
// the depth test off as the frame draws them. Drawing also advances them.
class BenchBubbles {
  public:
    BenchBubbles(const TankBounds& tank, const std::string& unpackDir) {
        LoadEmbeddedTexture(kBubbleResourceId, unpackDir, "Particle1", LoadTextureBMP, &texture_);
        for (int e = 0; e < kBubbleEmitterCount; ++e) {
            origins_[e] = BubbleDrawOrigin(BubbleEmitterPosition(tank, e));
            emitters_[e].Init(kBubblePoolSize);
            emitters_[e].SetColoured(false);
        }
    }

    void Draw() {
        glBlendFunc(GL_SRC_ALPHA, GL_ONE);
        glEnable(GL_BLEND);
        glDisable(GL_DEPTH_TEST);
        for (int e = 0; e < kBubbleEmitterCount; ++e) {
            glPushMatrix();
            glTranslatef(origins_[e][0], origins_[e][1], origins_[e][2]);
            DrawBubbleEmitterGl(emitters_[e], BubbleDrawCount(AquariumSettings{}.qiPaoNum),
                                texture_);
            glPopMatrix();
        }
        glDisable(GL_BLEND);
        glEnable(GL_DEPTH_TEST);
    }

  private:
    std::array<BubbleEmitter, kBubbleEmitterCount> emitters_;
    std::array<std::array<float, 3>, kBubbleEmitterCount> origins_{};
    GLuint texture_ = 0;
};

// The waving picture behind the fish.
class BenchBackground {
  public:
    BenchBackground(const TankBounds& tank, const std::string& unpackDir) : tank_(tank) {
        LoadEmbeddedTexture(kBackgroundResourceId, unpackDir, "BackGround0", LoadTextureRGBA,
                            &texture_);
    }

    void Simulate() { surface_.UpdateControlNet(tank_, 0); }
    void Draw() {
        glBindTexture(GL_TEXTURE_2D, texture_);
        DrawBackgroundSurfaceGl(surface_);
    }

  private:
    TankBounds tank_;
    BackgroundSurface surface_;
    GLuint texture_ = 0;
};

void Report(const std::vector<BenchStage>& stages, const std::vector<Timing>& simulate,
            const std::vector<Timing>& draw, const Timing& finish, double frameWallMs, int frames,
            int fishCount) {
    const auto perFrame = [frames](double ms) { return ms / frames; };
    std::printf("velmar_bench: %d fish, %d x %d, %d frames\n", fishCount, kScreenWidth,
                kScreenHeight, frames);
    std::printf("frames per second: %.1f\n", 1000.0 * frames / frameWallMs);
    std::printf("%-32s %10s %10s\n", "per frame (ms)", "wall", "cpu");
    for (size_t i = 0; i < stages.size(); ++i) {
        std::printf("  %-30s %10.2f %10.2f\n", (stages[i].name + " simulation").c_str(),
                    perFrame(simulate[i].wallMs), perFrame(simulate[i].cpuMs));
        std::printf("  %-30s %10.2f %10.2f\n", (stages[i].name + " drawing").c_str(),
                    perFrame(draw[i].wallMs), perFrame(draw[i].cpuMs));
    }
    std::printf("  %-30s %10.2f %10.2f\n", "glFinish (rasterising)", perFrame(finish.wallMs),
                perFrame(finish.cpuMs));
    std::printf("  %-30s %10.2f\n", "whole frame", perFrame(frameWallMs));
    std::printf("(cpu: this thread only; the GL driver's own threads are not counted)\n");
}
}  // namespace

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;
    const int fishCount = argc > 2 ? std::clamp(std::atoi(argv[2]), 1, 200) : 200;
    GlTestContext gl(kScreenWidth, kScreenHeight);
    if (!gl.Ok()) {
        std::fprintf(stderr, "velmar_bench: no GLX pbuffer on $DISPLAY\n");
        return 1;
    }
    SetUpSceneGlState();

    const TankBounds tank = TankBoundsForScreen(kScreenWidth, kScreenHeight);
    const std::string unpackDir = GetWorkDir();
    BenchBubbles bubbles(tank, unpackDir);
    BenchSchool school(fishCount, tank, unpackDir);
    BenchBackground background(tank, unpackDir);
    // The scene's moving parts, in frame order.
    const std::vector<BenchStage> stages{
        {"fish", [&] { school.Simulate(); }, [&] { school.Draw(); }},
        {"background", [&] { background.Simulate(); }, [&] { background.Draw(); }},
        {"bubbles", [] {}, [&] { bubbles.Draw(); }},
    };

    std::vector<Timing> simulate(stages.size());
    std::vector<Timing> draw(stages.size());
    Timing finish;
    double frameWallMs = 0.0;
    for (int frame = -kWarmUpFrames; frame < frames; ++frame) {
        if (frame == 0) {
            simulate.assign(stages.size(), Timing{});
            draw.assign(stages.size(), Timing{});
            finish = Timing{};
            frameWallMs = 0.0;
        }
        const double frameStart = WallMs();
        ApplyFrameCamera(kScreenWidth, kScreenHeight, -5.0f);
        glViewport(0, 0, kScreenWidth, kScreenHeight);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        ApplyLightLevel(1.0f);
        for (size_t i = 0; i < stages.size(); ++i) {
            Timed(stages[i].simulate, simulate[i]);
            Timed(stages[i].draw, draw[i]);
        }
        Timed([] { glFinish(); }, finish);
        frameWallMs += WallMs() - frameStart;
    }
    Report(stages, simulate, draw, finish, frameWallMs, frames, fishCount);
    return 0;
}
