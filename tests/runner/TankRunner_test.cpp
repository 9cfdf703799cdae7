#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "core/interaction/ScenePicker.h"
#include "core/runner/TankRunner.h"
#include "core/scene/AquariumScene.h"

namespace {
class FakeSurface : public RenderSurface {
  public:
    bool MakeCurrent() override { return true; }
    void ShowFrame() override { ++shown; }
    ScreenSize PixelSize() const override { return {1920, 1080}; }
    bool Visible() const override { return visible; }
    bool visible = true;
    int shown = 0;
};

// Draws by counting; its picks find nothing.
class CountingDrawer : public SceneDrawer, public ScenePicker {
  public:
    explicit CountingDrawer(int& draws) : draws_(draws) {}
    void Draw(const AquariumScene&) override { ++draws_; }
    ScenePicker& Picker() override { return *this; }
    unsigned LoadPicture(const std::string&) override { return 0; }
    void ReleasePicture(unsigned) override {}
    void DrawReadout(const std::string&) override {}
    int StripUnderPointer(const PickView&, PointerPos, const PickGrid&, StripShape) override {
        return -1;
    }
    bool FishUnderPointer(const PickView&, PointerPos, const FishPose&) override { return false; }

  private:
    int& draws_;
};

// Two tanks at 50 frames a second, run for a second of the steady clock the
// way the loops run them: each wait as long as RunDue says.
struct TwoTanks {
    TwoTanks() {
        for (int t = 0; t < 2; ++t) {
            runner.AddTank(scenes[t], surfaces[t], std::make_unique<CountingDrawer>(draws[t]));
        }
        runner.StartSession(StartupSettings{}, std::nullopt).AfterEachTick([this] { ++ticks; });
        runner.StartPacing(0.0, 50.0, -1, false);
    }
    void RunFor(double ms) {
        for (double now = clock; now < clock + ms;) now += runner.RunDue(now);
        clock += ms;
    }
    AquariumScene scenes[2];
    FakeSurface surfaces[2];
    int draws[2] = {0, 0};
    int ticks = 0;
    double clock = 0.0;
    TankRunner runner;
};
}  // namespace

// Each visible tank steps and is drawn once a frame, a hidden one not at all,
// and the session ticks every 200 ms whether or not frames are drawn.
TEST(TankRunner, VisibleTanksStepAndDrawAtOnePaceAndTheSessionTicksRegardless) {
    TwoTanks run;
    run.RunFor(1000.0);
    EXPECT_EQ(run.draws[0], 50);
    EXPECT_EQ(run.draws[1], 50);
    EXPECT_EQ(run.surfaces[1].shown, 50);
    EXPECT_EQ(run.scenes[1].RevealCount(), 50);
    EXPECT_EQ(run.ticks, 4);

    run.surfaces[1].visible = false;
    run.RunFor(1000.0);
    EXPECT_EQ(run.draws[0], 100);
    EXPECT_EQ(run.draws[1], 50);
    EXPECT_EQ(run.scenes[1].RevealCount(), 50) << "a hidden tank stands still";

    run.surfaces[0].visible = false;
    EXPECT_NEAR(run.runner.RunDue(run.clock), 200.0, 0.5) << "only the tick is waited for";
    run.RunFor(1000.0);
    EXPECT_EQ(run.draws[0], 100);
    EXPECT_EQ(run.ticks, 14);
}
