#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fish/FishPainter.h"
#include "platform/Random.h"
#include "render/AquariumScene.h"
#include "render/ScenePainter.h"

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
    void ApplyLight(float level) override { lightLevel = level; }
    void DrawBackdrop(const AquariumSettings&, const TankBounds&) override { Note("backdrop"); }
    void BeginSchoolSlot(const std::array<float, 3>&, int species) override {
        Note("fish" + std::to_string(species));
    }
    void DrawCaughtSphere(float) override { Note("sphere"); }
    void EndSchoolSlot() override {}
    void DrawBackgroundSurface(const BackgroundSurface&) override { Note("surface"); }
    void BeginBubbles() override { Note("bubbles"); }
    void BeginBubbleColumn(const std::array<float, 3>&) override {}
    void EndBubbleColumn() override {}
    void EndBubbles() override {}
    void EndFrame() override {}
    void DrawMesh(float, float, const FishVertexBatch&) override {}
    void BindTexture() override {}
    void SetColour(std::uint8_t, std::uint8_t, std::uint8_t) override {}
    void Square(float, float, float, float) override {}
    void DrawCone(const std::array<float, 3>&, float) override { Note("net"); }
    void DrawFlake(const std::array<float, 3>&, float, const std::array<float, 3>&,
                   float) override {
        Note("pellet");
    }
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
    float lightLevel = -1.0f;

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
    explicit SceneRun(const AquariumSettings& settings) {
        ResetCrtRand();
        scene.SetTankBounds(1920, 1080);
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
        {twelve, 1, "overlay backdrop fish1*2 surface bubbles pellet*20"},
        {twelve, 3, "overlay backdrop fish1*3 fish9 surface bubbles pellet*20"},
        {twelve, 11, "overlay backdrop fish1*3 fish9*9 surface bubbles pellet*20"},
        {twelve, 150, "backdrop fish1*3 fish9*9 surface bubbles pellet*20"},
        {{}, 1, "overlay backdrop surface bubbles pellet*20"},
    };
    for (const auto& [counts, frames, calls] : cases) {
        SCOPED_TRACE(frames);
        SceneRun run(WithFish(counts));
        EXPECT_EQ(run.Frames(frames), calls);
    }
}

TEST(AquariumScene, CatchNetSpinsOnlyInCatchModeOnceEveryFishIsRevealed) {
    SceneRun run(WithFish({}));
    EXPECT_EQ(run.Frames(199), "backdrop surface bubbles pellet*20");
    EXPECT_EQ(run.Frames(1), "backdrop surface net*2 bubbles pellet*20");
    for (int mode : {kCommandFeed, kCommandTouch, kCommandZoomIn, kCommandZoomOut}) {
        run.scene.SetMode(mode);
        EXPECT_EQ(run.Frames(1), "backdrop surface bubbles pellet*20") << mode;
    }
    run.scene.SetMode(kCommandCatch);
    EXPECT_EQ(run.Frames(1), "backdrop surface net*2 bubbles pellet*20");
}

TEST(AquariumScene, SurfaceShowsOnlyWithTheBuiltInBackgroundAndTerraOn) {
    for (const auto& [background, showTerra, shown] :
         {std::tuple{0, 1, true}, std::tuple{0, 0, false}, std::tuple{2, 1, false}}) {
        AquariumSettings settings;
        settings.background = background;
        settings.showTerra = showTerra;
        SceneRun run(settings);
        EXPECT_EQ(run.Frames(150).find("surface") != std::string::npos, shown)
            << background << " " << showTerra;
    }
}

TEST(AquariumScene, LightFollowsTheReductionAndF1BringsTheHelpTextBack) {
    AquariumSettings settings;
    settings.lightReduction = 40;
    SceneRun run(settings);
    EXPECT_EQ(run.Frames(100).substr(0, 7), "overlay");
    EXPECT_FLOAT_EQ(run.painter.lightLevel, 0.6f);
    EXPECT_EQ(run.Frames(1).substr(0, 8), "backdrop");
    run.scene.ToggleOverlay();
    EXPECT_EQ(run.Frames(1).substr(0, 7), "overlay");
}
