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

// Measures the time from Start to Stop into a total, on the wall clock and on
// this thread's processor clock.
class Stopwatch {
  public:
    void Start() {
        wall_ = WallMs();
        cpu_ = ThreadCpuMs();
    }
    void Stop(Timing& total) const {
        total.cpuMs += ThreadCpuMs() - cpu_;
        total.wallMs += WallMs() - wall_;
    }

  private:
    double wall_ = 0.0;
    double cpu_ = 0.0;
};

struct FrameTimings {
    Timing step;    // the scene's step, its picks included
    Timing picks;   // the pointer's picks in selection mode
    Timing submit;  // every GL call of the frame, the fish meshes' building included
    Timing finish;
    Timing frame;
};

// Passes the picks on to the renderer's and times them.
class TimingPicker : public ScenePicker {
  public:
    TimingPicker(ScenePicker& picker, Timing& total) : picker_(picker), total_(total) {}
    int StripUnderPointer(const PickView& view, PointerPos pointer, const PickGrid& grid,
                          StripShape shape) override {
        watch_.Start();
        const int strip = picker_.StripUnderPointer(view, pointer, grid, shape);
        watch_.Stop(total_);
        return strip;
    }
    bool FishUnderPointer(const PickView& view, PointerPos pointer, const FishPose& fish) override {
        watch_.Start();
        const bool hit = picker_.FishUnderPointer(view, pointer, fish);
        watch_.Stop(total_);
        return hit;
    }

  private:
    ScenePicker& picker_;
    Timing& total_;
    Stopwatch watch_;
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
    const auto minus = [](Timing total, std::initializer_list<const Timing*> parts) {
        for (const Timing* part : parts) {
            total.wallMs -= part->wallMs;
            total.cpuMs -= part->cpuMs;
        }
        return total;
    };
    const Timing stepWithoutPicks = minus(t.step, {&t.picks});
    std::printf("velmar_bench: %d fish, %d x %d, %d frames of the program's scene and renderer\n",
                fish, kScreenWidth, kScreenHeight, frames);
    std::printf("frames per second: %.1f\n", 1000.0 * frames / t.frame.wallMs);
    std::printf("  %-40s %8s %8s\n", "per frame (ms)", "wall", "cpu");
    row("scene step: school, net, bubbles, food", stepWithoutPicks);
    row("pointer picks (strips, selection mode)", t.picks);
    row("drawing submitted (meshes built, GL)", t.submit);
    row("glFinish (rasterising)", t.finish);
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
    SceneRenderer renderer(1.0);
    renderer.SetDrawShortcuts(shortcuts);
    const TankSetUpSources sources{
        {kScreenWidth, kScreenHeight}, GetWorkDir(), [] { return true; }, BenchSettings(fish)};
    SetUpTank(scene, renderer, sources);

    // Past the warm-up every fish has been revealed.
    for (int frame = 0; frame < kRevealLimit + kWarmUpFrames; ++frame) {
        scene.Advance(renderer.Picker());
        renderer.Draw(scene);
    }
    FrameTimings timings;
    TimingPicker picker(renderer.Picker(), timings.picks);
    const double processCpuStart = ProcessCpuMs();
    for (int frame = 0; frame < frames; ++frame) {
        Stopwatch frameWatch;
        Stopwatch stageWatch;
        frameWatch.Start();
        stageWatch.Start();
        scene.Advance(picker);
        stageWatch.Stop(timings.step);
        stageWatch.Start();
        renderer.Submit(scene);
        stageWatch.Stop(timings.submit);
        stageWatch.Start();
        glFinish();
        stageWatch.Stop(timings.finish);
        frameWatch.Stop(timings.frame);
    }
    Report(timings, ProcessCpuMs() - processCpuStart, frames, fish);
    return 0;
}
