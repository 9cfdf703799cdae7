#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "core/scene/AquariumScene.h"
#include "platform/runtime/Random.h"

namespace {
// Answers the scene's picks as the test sets them, and counts the fish picks.
class FakePicker : public ScenePicker {
  public:
    int StripUnderPointer(const PickView&, PointerPos, const PickGrid&, StripShape shape) override {
        return shape == StripShape::kVertical ? stripUnderPointerX : stripUnderPointerY;
    }
    bool FishUnderPointer(const PickView&, PointerPos, const FishPose&) override {
        return fishPicks++ == fishUnderPointer;
    }
    // What the picks find: strip indices, the slot of the fish (-1: none).
    int stripUnderPointerX = -1;
    int stripUnderPointerY = -1;
    int fishUnderPointer = -1;
    int fishPicks = 0;
};

AquariumSettings WithFish(std::array<int, kSpeciesCount> counts) {
    AquariumSettings settings;
    settings.fishCounts = counts;
    return settings;
}

// The scene as the program sets it up, stepped `frames` times.
struct SceneRun {
    explicit SceneRun(const AquariumSettings& settings, int screenWidth = 1920) {
        ResetCrtRand();
        scene.SetTankBounds(screenWidth, 1080);
        scene.BuildBackgroundSurface();
        scene.ApplySettings(settings);
        scene.PlaceScene();
        scene.InitFoodPellets();
    }
    void Frames(int frames) {
        for (int i = 0; i < frames; ++i) scene.Advance(picker);
    }
    // What the last step showed: the help text, the species of the school's
    // fish in drawing order, and the net.
    std::string Shown() const {
        std::string text = scene.HelpTextShown() ? "help " : "";
        for (int i = 0; i < scene.ShownFishCount(); ++i)
            text += std::to_string(scene.ShownSchoolFish(i).species);
        return text + (scene.NetShown() ? "net" : "");
    }
    AquariumScene scene;
    FakePicker picker;
};
}  // namespace

TEST(AquariumScene, RevealsOneFishPerStepInSpeciesOrderUnderTheHelpTextAtFirst) {
    const std::array<int, kSpeciesCount> twelve{0, 3, 0, 0, 0, 0, 0, 0, 0, 9};
    const std::tuple<std::array<int, kSpeciesCount>, int, const char*> cases[] = {
        {twelve, 1, "help 11"},        {twelve, 3, "help 1119"}, {twelve, 11, "help 111999999999"},
        {twelve, 150, "111999999999"}, {{}, 1, "help "},
    };
    for (const auto& [counts, frames, shown] : cases) {
        SCOPED_TRACE(frames);
        SceneRun run(WithFish(counts));
        run.Frames(frames);
        EXPECT_EQ(run.Shown(), shown);
    }
}

TEST(AquariumScene, CatchNetShowsOnlyInCatchModeOnceEveryFishIsRevealedWithThePointerOver) {
    SceneRun run(WithFish({}));
    run.Frames(199);
    EXPECT_EQ(run.Shown(), "");
    run.Frames(1);
    EXPECT_EQ(run.Shown(), "net");
    for (Mode mode : {Mode::kFeed, Mode::kTouch, Mode::kZoomIn, Mode::kZoomOut, Mode::kNoPointer,
                      Mode::kCatch}) {
        run.scene.SetMode(mode);
        run.Frames(1);
        EXPECT_EQ(run.Shown(), mode == Mode::kCatch ? "net" : "") << static_cast<int>(mode);
    }
    // Over another monitor's tank, until the pointer comes back.
    run.scene.PointerLeft();
    run.Frames(1);
    EXPECT_EQ(run.Shown(), "");
    run.scene.MouseMove({10, 10});
    run.Frames(1);
    EXPECT_EQ(run.Shown(), "net");
}

TEST(AquariumScenePicks, AFeedPressDropsTheFirstFreePelletBelowThePickedPointOrIsUsedUp) {
    SceneRun run(WithFish({}));
    run.scene.SetMode(Mode::kFeed);
    // The start-up pellets sink away meanwhile, and with the pointer off every
    // strip the pick pass latches (0, 0), which a press must not reuse.
    run.Frames(3000);
    // Strip 10 of x lies at xMin + 9.90099 plus its sway, strip 30 of y at yMin + 30.
    run.picker.stripUnderPointerX = 10;
    run.picker.stripUnderPointerY = 30;
    const auto& pellets = run.scene.FoodPellets();
    for (int press = 0; press < 21; ++press) {
        run.scene.LeftButtonDown({400, 300});
        run.scene.LeftButtonUp();
        run.Frames(1);
        EXPECT_FALSE(run.scene.Pointer().feedRequest) << press;
        // A pellet dropped by a step shows from the next one on.
        EXPECT_TRUE(press == 0 || pellets[press - 1].Shown()) << press;
        EXPECT_TRUE(press >= kFoodPelletCount || !pellets[press].Shown()) << press;
    }
    const TankBounds& tank = run.scene.Tank();
    EXPECT_NEAR(pellets[0].anchor[0], tank.xMin + 9.90099f, 1.2f);
    EXPECT_NEAR(pellets[0].anchor[1], tank.yMin + 30.0f - 2.0f, 1.2f);
    EXPECT_EQ(pellets[0].anchor[2], -70.0f);
}

TEST(AquariumScenePicks, TheNetHeadsForThePickedPointEveryFrameInCatchMode) {
    SceneRun run(WithFish({}));
    run.picker.stripUnderPointerX = 80;
    run.picker.stripUnderPointerY = 10;
    run.Frames(1);
    const TankBounds& tank = run.scene.Tank();
    EXPECT_NEAR(run.scene.Marker().target[0], tank.xMin + 80 * 0.990099f, 1.2f);
    EXPECT_NEAR(run.scene.Marker().target[1], tank.yMin + 10.0f - 2.0f, 1.2f);
    // A pointer off every strip picks 0 on that axis.
    run.picker.stripUnderPointerX = -1;
    run.Frames(1);
    EXPECT_EQ(run.scene.Marker().target[0], 0.0f);
    // The window manager grants a narrower window: the strips span the new tank.
    run.scene.Resize(1024, 768);
    EXPECT_EQ(run.scene.Tank().xMin, -49.0f);
    run.picker.stripUnderPointerX = 80;
    run.Frames(1);
    EXPECT_NEAR(run.scene.Marker().target[0], -49.0f + 80 * 0.990099f, 1.2f);
}

TEST(AquariumScenePicks, APressTestsTheSchoolUpToTheFishHitAndZoomsOrTouchesIt) {
    // Mode, size of the fish hit before and after, the slot hit (-1: none), picks.
    const std::tuple<Mode, float, int, float, int> cases[] = {
        {Mode::kZoomIn, 2.0f, 5, 4.0f, 6},  {Mode::kZoomIn, 4.0f, 5, 4.0f, 6},
        {Mode::kZoomOut, 2.0f, 0, 1.0f, 1}, {Mode::kZoomOut, 1.0f, 0, 1.0f, 1},
        {Mode::kTouch, 2.0f, -1, 2.0f, 12}, {Mode::kCatch, 2.0f, 3, 2.0f, 4},
    };
    for (const auto& [mode, sizeBefore, hit, sizeAfter, picks] : cases) {
        SCOPED_TRACE(static_cast<int>(mode));
        SceneRun run(WithFish({0, 3, 0, 0, 0, 0, 0, 0, 0, 9}));
        run.Frames(1);
        run.scene.School()[std::max(hit, 0)].size = sizeBefore;
        run.scene.SetMode(mode);
        run.picker.fishUnderPointer = hit;
        // A tap: pressed and released before the frame.
        run.scene.LeftButtonDown({10, 10});
        run.scene.LeftButtonUp();
        run.Frames(1);
        EXPECT_FALSE(run.scene.Pointer().buttonDown);
        EXPECT_EQ(run.picker.fishPicks, picks);
        EXPECT_FLOAT_EQ(run.scene.School()[std::max(hit, 0)].size, sizeAfter);
        // One pick per press.
        run.Frames(1);
        EXPECT_EQ(run.picker.fishPicks, picks);
    }
}
