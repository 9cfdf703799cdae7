#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/fish/FishPainter.h"
#include "core/scene/AquariumScene.h"
#include "core/scene/ScenePainter.h"
#include "platform/runtime/Random.h"

namespace {
// Writes down what the scene asks to draw, a word a call; repeats of the same
// word in a row are folded into "word*N".
class RecordingPainter : public ScenePainter,
                         FishPainter,
                         BubblePainter,
                         CatchMarkerPainter,
                         PelletPainter {
  public:
    void BeginFrame(int, int, float) override { calls_.clear(); }
    void DrawOverlay() override { Note("overlay"); }
    void ApplyLight(float) override {}
    void DrawBackdrop(const AquariumSettings&, const TankBounds&) override { Note("backdrop"); }
    void BeginSchoolSlot(const std::array<float, 3>&, int species) override {
        Note("fish" + std::to_string(species));
    }
    void DrawCaughtSphere(float) override { Note("sphere"); }
    void EndSchoolSlot() override {}
    void SkipBackdrop() override {}
    std::array<int, 2> WallPictureSize(const CustomBackground&) override { return {1024, 512}; }
    void DrawBackgroundSurface(const BackgroundSurface&, const CustomBackground&, bool) override {
        Note("surface");
    }
    void BeginWallFirst() override { Note("first"); }
    void EndWallFirst() override {}
    void ResumeAfterWall() override {}
    void BeginBubbles() override { Note("bubbles"); }
    void BeginBubbleColumn(const std::array<float, 3>&) override {}
    void EndBubbleColumn() override {}
    void EndBubbles() override {}
    void EndFrame() override {}
    void SetPickColour() override {}
    int PickStrip(const PickGrid&, StripShape shape, PointerPos) override {
        return shape == StripShape::kVertical ? stripUnderPointerX : stripUnderPointerY;
    }
    void BeginFishPick(PointerPos, const std::array<float, 3>&) override { ++fishPicks; }
    bool EndFishPick() override { return fishPicks - 1 == fishUnderPointer; }
    void DrawMesh(float, float, const FishVertexBatch&) override {}
    void BindTexture() override {}
    void SetColour(std::uint8_t, std::uint8_t, std::uint8_t) override {}
    void Square(float, float, float, float) override {}
    void DrawCone(const std::array<float, 3>&, float) override { Note("net"); }
    // The start-up pellets are eaten at the fish's pace: left out.
    void DrawFlake(const std::array<float, 3>&, float, const std::array<float, 3>&,
                   float) override {}
    FishPainter& Fish() override { return *this; }
    BubblePainter& Bubbles() override { return *this; }
    CatchMarkerPainter& CatchNet() override { return *this; }
    PelletPainter& Pellets() override { return *this; }

    // The last frame's calls.
    std::string Calls() const {
        std::string text;
        for (std::size_t i = 0; i < calls_.size();) {
            std::size_t run = 1;
            while (i + run < calls_.size() && calls_[i + run] == calls_[i]) ++run;
            text += (text.empty() ? "" : " ") + calls_[i];
            if (run > 1) text += "*" + std::to_string(run);
            i += run;
        }
        return text;
    }
    // What the picks find: strip indices, the slot of the fish (-1: none).
    int stripUnderPointerX = -1;
    int stripUnderPointerY = -1;
    int fishUnderPointer = -1;
    int fishPicks = 0;

  private:
    void Note(const std::string& call) { calls_.push_back(call); }
    std::vector<std::string> calls_;
};

AquariumSettings WithFish(std::array<int, kSpeciesCount> counts) {
    AquariumSettings settings;
    settings.fishCounts = counts;
    return settings;
}

// The scene as the program sets it up, drawn `frames` times.
struct SceneRun {
    explicit SceneRun(const AquariumSettings& settings, int screenWidth = 1920) {
        ResetCrtRand();
        scene.SetTankBounds(screenWidth, 1080);
        scene.BuildBackgroundSurface();
        scene.ApplySettings(settings);
        scene.PlaceScene(painter);
        scene.InitFoodPellets();
    }
    std::string Frames(int frames) {
        for (int i = 0; i < frames; ++i) scene.RenderFrame(painter);
        return painter.Calls();
    }
    AquariumScene scene;
    RecordingPainter painter;
};
}  // namespace

TEST(AquariumScene, DrawsInFrameOrderAndRevealsOneFishPerFrameInSpeciesOrder) {
    const std::array<int, kSpeciesCount> twelve{0, 3, 0, 0, 0, 0, 0, 0, 0, 9};
    const std::tuple<std::array<int, kSpeciesCount>, int, const char*> cases[] = {
        {twelve, 1, "first surface overlay fish1*2 bubbles"},
        {twelve, 3, "first surface overlay fish1*3 fish9 bubbles"},
        {twelve, 11, "first surface overlay fish1*3 fish9*9 bubbles"},
        {twelve, 150, "first surface fish1*3 fish9*9 bubbles"},
        {{}, 1, "first surface overlay bubbles"},
    };
    for (const auto& [counts, frames, calls] : cases) {
        SCOPED_TRACE(frames);
        SceneRun run(WithFish(counts));
        EXPECT_EQ(run.Frames(frames), calls);
    }
}

TEST(AquariumScene, CatchNetSpinsOnlyInCatchModeOnceEveryFishIsRevealed) {
    SceneRun run(WithFish({}));
    EXPECT_EQ(run.Frames(199), "first surface bubbles");
    EXPECT_EQ(run.Frames(1), "first surface net*2 bubbles");
    for (int mode :
         {kCommandFeed, kCommandTouch, kCommandZoomIn, kCommandZoomOut, kModeNoPointer}) {
        run.scene.SetMode(mode);
        EXPECT_EQ(run.Frames(1), "first surface bubbles") << mode;
    }
    run.scene.SetMode(kCommandCatch);
    EXPECT_EQ(run.Frames(1), "first surface net*2 bubbles");
}

TEST(AquariumScene, WallHidesTheBackdropAndGoesFirstOnlyWhereThePictureStaysTheSame) {
    struct Case {
        const char* what;
        DrawShortcuts shortcuts;
        int screenWidth;
        int lightReduction;
        int backSolid;
        int background;
        int showTerra;
        const char* calls;
    };
    const Case cases[] = {
        {"default", {}, 1920, 0, 1, 0, 1, "first surface bubbles"},
        {"slightly dim", {}, 1920, 19, 1, 0, 1, "first surface bubbles"},
        {"dim", {}, 1920, 20, 1, 0, 1, "surface bubbles"},
        {"no backdrop colour", {}, 1920, 0, 0, 0, 1, "surface bubbles"},
        {"wide screen, wall too narrow", {}, 2560, 0, 1, 0, 1, "backdrop surface bubbles"},
        {"other background", {}, 1920, 0, 1, 2, 1, "backdrop bubbles"},
        {"Terra off", {}, 1920, 0, 1, 0, 0, "backdrop bubbles"},
        {"wall not first", DrawShortcuts().Without(&DrawShortcuts::wallFirst), 1920, 0, 1, 0, 1,
         "surface bubbles"},
        {"no shortcuts", DrawShortcuts::None(), 1920, 0, 1, 0, 1, "backdrop surface bubbles"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AquariumSettings settings;
        settings.lightReduction = c.lightReduction;
        settings.backSolid = c.backSolid;
        settings.background = c.background;
        settings.showTerra = c.showTerra;
        SceneRun run(settings, c.screenWidth);
        run.scene.SetDrawShortcuts(c.shortcuts);
        run.scene.SetMode(kCommandFeed);
        EXPECT_EQ(run.Frames(150), c.calls);
    }
}

TEST(AquariumScenePicks, AFeedPressDropsTheFirstFreePelletBelowThePickedPointOrIsUsedUp) {
    SceneRun run(WithFish({}));
    run.scene.SetMode(kCommandFeed);
    // The start-up pellets sink away meanwhile, and with the pointer off every
    // strip the pick pass latches (0, 0), which a press must not reuse.
    run.Frames(3000);
    // Strip 10 of x lies at xMin + 9.90099 plus its sway, strip 30 of y at yMin + 30.
    run.painter.stripUnderPointerX = 10;
    run.painter.stripUnderPointerY = 30;
    for (int press = 0; press < 21; ++press) {
        run.scene.LeftButtonDown({400, 300});
        run.scene.LeftButtonUp();
        run.Frames(1);
        EXPECT_FALSE(run.scene.Pointer().feedRequest) << press;
    }
    const auto& pellets = run.scene.FoodPellets();
    for (const FoodPellet& pellet : pellets) EXPECT_TRUE(pellet.IsActive());
    const TankBounds& tank = run.scene.Tank();
    EXPECT_NEAR(pellets[0].anchor[0], tank.xMin + 9.90099f, 1.2f);
    EXPECT_NEAR(pellets[0].anchor[1], tank.yMin + 30.0f - 2.0f, 1.2f);
    EXPECT_EQ(pellets[0].anchor[2], -70.0f);
}

TEST(AquariumScenePicks, TheNetHeadsForThePickedPointEveryFrameInCatchMode) {
    SceneRun run(WithFish({}));
    run.painter.stripUnderPointerX = 80;
    run.painter.stripUnderPointerY = 10;
    run.Frames(1);
    const TankBounds& tank = run.scene.Tank();
    EXPECT_NEAR(run.scene.Marker().target[0], tank.xMin + 80 * 0.990099f, 1.2f);
    EXPECT_NEAR(run.scene.Marker().target[1], tank.yMin + 10.0f - 2.0f, 1.2f);
    // A pointer off every strip picks 0 on that axis.
    run.painter.stripUnderPointerX = -1;
    run.Frames(1);
    EXPECT_EQ(run.scene.Marker().target[0], 0.0f);
    // The window manager grants a narrower window: the strips span the new tank.
    run.scene.Resize(1024, 768);
    EXPECT_EQ(run.scene.Tank().xMin, -49.0f);
    run.painter.stripUnderPointerX = 80;
    run.Frames(1);
    EXPECT_NEAR(run.scene.Marker().target[0], -49.0f + 80 * 0.990099f, 1.2f);
}

TEST(AquariumScenePicks, APressTestsTheSchoolUpToTheFishHitAndZoomsOrTouchesIt) {
    struct Case {
        int mode;
        float sizeBefore;
        int hit;
        float sizeAfter;
        int picks;
    };
    const Case cases[] = {
        {kCommandZoomIn, 2.0f, 5, 4.0f, 6},  {kCommandZoomIn, 4.0f, 5, 4.0f, 6},
        {kCommandZoomOut, 2.0f, 0, 1.0f, 1}, {kCommandZoomOut, 1.0f, 0, 1.0f, 1},
        {kCommandTouch, 2.0f, -1, 2.0f, 12}, {kCommandCatch, 2.0f, 3, 2.0f, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        SceneRun run(WithFish({0, 3, 0, 0, 0, 0, 0, 0, 0, 9}));
        run.Frames(1);
        run.scene.School()[std::max(c.hit, 0)].size = c.sizeBefore;
        run.scene.SetMode(c.mode);
        run.painter.fishUnderPointer = c.hit;
        run.scene.LeftButtonDown({10, 10});
        run.Frames(1);
        EXPECT_FALSE(run.scene.Pointer().buttonDown);
        EXPECT_EQ(run.painter.fishPicks, c.picks);
        EXPECT_FLOAT_EQ(run.scene.School()[std::max(c.hit, 0)].size, c.sizeAfter);
        // One pick per press.
        run.Frames(1);
        EXPECT_EQ(run.painter.fishPicks, c.picks);
    }
}
