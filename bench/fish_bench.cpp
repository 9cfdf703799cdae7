// Draws the tank off-screen at 1920 x 1080 with the program's own scene and
// renderer for a fixed number of frames and reports the frame rate and where
// each frame's time goes. Usage:
//   velmar_bench [frames] [fish] [off]
// where `off` names the drawing shortcuts to leave out, comma-separated, of
// "backdrop" (skip the backdrop the wall hides), "wall" (the wall first),
// "mesh" (the light mesh for small fish) and "level" (the magnified wall's
// picture sampled at its full-size level alone).
// Needs an X display with GLX (run it under xvfb-run on a headless machine).
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>

#include "core/fish/FishPainter.h"
#include "core/scene/AquariumScene.h"
#include "core/scene/Reveal.h"
#include "gl/SceneRenderer.h"
#include "gl/TankSetUp.h"
#include "platform/posix/LargeBlocks.h"
#include "platform/posix/WorkDir.h"
#include "support/GlTestContext.h"

namespace {
constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;
constexpr int kWarmUpFrames = 10;

struct Timing {
    double wallMs = 0.0;
    double cpuMs = 0.0;
};

double ThreadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

double ProcessCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

double WallMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

// Measures the time from Start to Stop into a total. This thread's processor
// clock is a system call here (over a microsecond); the watches used for each
// fish read the wall clock alone, or reading it would add a millisecond a frame.
class Stopwatch {
  public:
    explicit Stopwatch(bool processorClock = true) : processorClock_(processorClock) {}
    void Start() {
        wall_ = WallMs();
        if (processorClock_) cpu_ = ThreadCpuMs();
    }
    void Stop(Timing& total) const {
        if (processorClock_) total.cpuMs += ThreadCpuMs() - cpu_;
        total.wallMs += WallMs() - wall_;
    }

  private:
    bool processorClock_;
    double wall_ = 0.0;
    double cpu_ = 0.0;
};

struct FrameTimings {
    Timing school;      // the whole school: from the first fish's turn to the last one's end
    Timing fishSlots;   // each fish's whole turn: update, mesh, submission (wall clock)
    Timing fishMeshes;  // wall clock
    Timing background;
    Timing bubbles;
    Timing picks;
    Timing finish;
    Timing frame;
};

// Passes every call on to the renderer and times the drawing stages that cost.
class TimingPainter : public ScenePainter, public FishPainter {
  public:
    TimingPainter(SceneRenderer& renderer, FrameTimings& timings)
        : renderer_(renderer), timings_(timings) {}

    void BeginFrame(int w, int h, float cameraOffset) override {
        renderer_.BeginFrame(w, h, cameraOffset);
    }
    void DrawOverlay() override { renderer_.DrawOverlay(); }
    void ApplyLight(float level) override { renderer_.ApplyLight(level); }
    void DrawBackdrop(const AquariumSettings& settings, const TankBounds& tank) override {
        renderer_.DrawBackdrop(settings, tank);
    }
    void SkipBackdrop() override { renderer_.SkipBackdrop(); }
    void BeginSchoolSlot(const std::array<float, 3>& position, int species) override {
        if (!inSchool_) {
            inSchool_ = true;
            schoolWatch_.Start();
        }
        slotWatch_.Start();
        renderer_.BeginSchoolSlot(position, species);
    }
    void DrawCaughtSphere(float radius) override { renderer_.DrawCaughtSphere(radius); }
    void EndSchoolSlot() override {
        renderer_.EndSchoolSlot();
        slotWatch_.Stop(timings_.fishSlots);
    }
    std::array<int, 2> WallPictureSize(const CustomBackground& picture) override {
        return renderer_.WallPictureSize(picture);
    }
    void DrawBackgroundSurface(const BackgroundSurface& surface, const CustomBackground& picture,
                               bool magnified) override {
        EndSchool();
        watch_.Start();
        renderer_.DrawBackgroundSurface(surface, picture, magnified);
        watch_.Stop(timings_.background);
    }
    void BeginWallFirst() override {
        watch_.Start();
        renderer_.BeginWallFirst();
    }
    void EndWallFirst() override {
        renderer_.EndWallFirst();
        watch_.Stop(timings_.background);
    }
    void ResumeAfterWall() override {
        EndSchool();
        renderer_.ResumeAfterWall();
    }
    void BeginBubbles() override {
        EndSchool();
        bubbleWatch_.Start();
        renderer_.BeginBubbles();
    }
    void BeginBubbleColumn(const std::array<float, 3>& origin) override {
        renderer_.BeginBubbleColumn(origin);
    }
    void EndBubbleColumn() override { renderer_.EndBubbleColumn(); }
    void EndBubbles() override {
        renderer_.EndBubbles();
        bubbleWatch_.Stop(timings_.bubbles);
    }
    void EndFrame() override {
        watch_.Start();
        renderer_.EndFrame();
        watch_.Stop(timings_.finish);
    }
    void SetPickColour() override { renderer_.SetPickColour(); }
    int PickStrip(const PickGrid& grid, StripShape shape, PointerPos pointer) override {
        watch_.Start();
        const int strip = renderer_.PickStrip(grid, shape, pointer);
        watch_.Stop(timings_.picks);
        return strip;
    }
    void BeginFishPick(PointerPos pointer, const std::array<float, 3>& position) override {
        renderer_.BeginFishPick(pointer, position);
    }
    bool EndFishPick() override { return renderer_.EndFishPick(); }
    void DrawMesh(float shownPitch, float heading, const FishVertexBatch& batch) override {
        meshWatch_.Start();
        renderer_.Fish().DrawMesh(shownPitch, heading, batch);
        meshWatch_.Stop(timings_.fishMeshes);
    }
    FishPainter& Fish() override { return *this; }
    BubblePainter& Bubbles() override { return renderer_.Bubbles(); }
    CatchMarkerPainter& CatchNet() override { return renderer_.CatchNet(); }
    PelletPainter& Pellets() override { return renderer_.Pellets(); }

  private:
    // The scene draws the wall or the bubbles next after the school.
    void EndSchool() {
        if (!inSchool_) return;
        inSchool_ = false;
        schoolWatch_.Stop(timings_.school);
    }

    SceneRenderer& renderer_;
    FrameTimings& timings_;
    Stopwatch watch_;
    Stopwatch meshWatch_{false};
    Stopwatch slotWatch_{false};
    Stopwatch schoolWatch_;
    Stopwatch bubbleWatch_;
    bool inSchool_ = false;
};

// The settings of a start without a settings file, with `fish` fish shared out
// over the ten species as evenly as they go.
AquariumSettings BenchSettings(int fish) {
    AquariumSettings settings;
    for (int s = 0; s < kSpeciesCount; ++s) {
        settings.fishCounts[s] = fish / kSpeciesCount + (s < fish % kSpeciesCount ? 1 : 0);
    }
    return settings;
}

void Report(const FrameTimings& t, double processCpuMs, int frames, int fish) {
    const auto row = [frames](const char* name, const Timing& timing) {
        std::printf("  %-40s %8.2f %8.2f\n", name, timing.wallMs / frames, timing.cpuMs / frames);
    };
    const auto wallRow = [frames](const char* name, const Timing& timing) {
        std::printf("  %-40s %8.2f %8s\n", name, timing.wallMs / frames, "");
    };
    const auto minus = [](Timing total, std::initializer_list<const Timing*> parts) {
        for (const Timing* part : parts) {
            total.wallMs -= part->wallMs;
            total.cpuMs -= part->cpuMs;
        }
        return total;
    };
    const Timing fishUpdate = minus(t.fishSlots, {&t.fishMeshes});
    const Timing rest = minus(t.frame, {&t.school, &t.background, &t.bubbles, &t.picks, &t.finish});
    std::printf("velmar_bench: %d fish, %d x %d, %d frames of the program's scene and renderer\n",
                fish, kScreenWidth, kScreenHeight, frames);
    std::printf("frames per second: %.1f\n", 1000.0 * frames / t.frame.wallMs);
    std::printf("  %-40s %8s %8s\n", "per frame (ms)", "wall", "cpu");
    row("fish school, all of it", t.school);
    wallRow("  fish update and mesh building", fishUpdate);
    wallRow("  fish meshes sent to GL", t.fishMeshes);
    row("background surface drawn", t.background);
    row("bubbles drawn and advanced", t.bubbles);
    row("pointer picks (strips, selection mode)", t.picks);
    row("glFinish (rasterising)", t.finish);
    row("the rest (clear, backdrop, net, pellets)", rest);
    row("whole frame", t.frame);
    std::printf("(cpu: this thread only; the GL driver's own threads are not counted)\n");
    std::printf("processor time per frame, all threads (ms): %.2f\n", processCpuMs / frames);
}
}  // namespace

int main(int argc, char** argv) {
    ReturnLargeBlocksToTheSystem();
    const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;
    const int fish = argc > 2 ? std::clamp(std::atoi(argv[2]), 0, kSchoolSlots) : kSchoolSlots;
    GlTestContext gl(kScreenWidth, kScreenHeight);
    if (!gl.Ok()) {
        std::fprintf(stderr, "velmar_bench: no GLX pbuffer on $DISPLAY\n");
        return 1;
    }
    const std::string off = argc > 3 ? argv[3] : "";
    AquariumScene scene;
    DrawShortcuts shortcuts;
    shortcuts.hiddenBackdrop = off.find("backdrop") == std::string::npos;
    shortcuts.wallFirst = off.find("wall") == std::string::npos;
    shortcuts.lightMeshes = off.find("mesh") == std::string::npos;
    shortcuts.magnifiedWall = off.find("level") == std::string::npos;
    scene.SetDrawShortcuts(shortcuts);
    SceneRenderer renderer(1.0);
    const TankSetUpSources sources{
        {kScreenWidth, kScreenHeight}, GetWorkDir(), [] { return true; }, BenchSettings(fish)};
    SetUpTank(scene, renderer, sources);

    FrameTimings timings;
    TimingPainter painter(renderer, timings);
    // Past the warm-up every fish has been revealed.
    for (int frame = 0; frame < kRevealLimit + kWarmUpFrames; ++frame) scene.RenderFrame(renderer);
    const double processCpuStart = ProcessCpuMs();
    for (int frame = 0; frame < frames; ++frame) {
        Stopwatch watch;
        watch.Start();
        scene.RenderFrame(painter);
        watch.Stop(timings.frame);
    }
    Report(timings, ProcessCpuMs() - processCpuStart, frames, fish);
    return 0;
}
