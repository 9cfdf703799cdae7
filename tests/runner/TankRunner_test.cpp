#include <gtest/gtest.h>

#include <memory>
#include <tuple>
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

}  // namespace

// Each visible tank steps and is drawn once a frame, a hidden one not at all,
// and the session ticks every 200 ms whether or not frames are drawn. Two
// tanks at 50 frames a second, run a second at a time the way the loops run
// them: each wait as long as RunDue says.
TEST(TankRunner, VisibleTanksStepAndDrawAtOnePaceAndTheSessionTicksRegardless) {
    AquariumScene scenes[2];
    FakeSurface surfaces[2];
    int draws[2] = {0, 0};
    int ticks = 0;
    double clock = 0.0;
    TankRunner runner;
    for (int t = 0; t < 2; ++t)
        runner.AddTank(scenes[t], surfaces[t], std::make_unique<CountingDrawer>(draws[t]));
    runner.StartSession(StartupSettings{}, std::nullopt).AfterEachTick([&] { ++ticks; });
    runner.StartPacing(0.0, 50.0, -1, false);
    const auto runASecond = [&] {
        for (double now = clock; now < clock + 1000.0;) now += runner.RunDue(now);
        clock += 1000.0;
    };
    runASecond();
    EXPECT_EQ(
        std::make_tuple(draws[0], draws[1], surfaces[1].shown, scenes[1].RevealCount(), ticks),
        std::make_tuple(50, 50, 50, 50, 4));

    surfaces[1].visible = false;
    runASecond();
    EXPECT_EQ(std::make_tuple(draws[0], draws[1], scenes[1].RevealCount()),
              std::make_tuple(100, 50, 50))
        << "a hidden tank stands still";

    surfaces[0].visible = false;
    EXPECT_NEAR(runner.RunDue(clock), 200.0, 0.5) << "only the tick is waited for";
    runASecond();
    EXPECT_EQ(std::tie(draws[0], ticks), std::make_tuple(100, 14));
}
