// Pins what the real set-up and the first frames do: the random stream and the
// state of the whole tank, the fish's meshes included, exactly; the picture of
// the last frame by the brightness of its parts, within a tolerance that a
// Mesa update keeps. Any change to the order of the set-up steps, of the frame
// or of the random draws shows here.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <iomanip>
#include <sstream>
#include <vector>

#include <GL/gl.h>
#include <wx/app.h>
#include <wx/utils.h>

#include "core/fish/FishPartEmission.h"
#include "core/fish/FishVertexBatch.h"
#include "core/scene/AquariumScene.h"
#include "platform/runtime/Random.h"
#include "platform/wx/DisplayGeometry.h"
#include "support/TestSupport.h"
#include "ui/AquariumView.h"
#include "ui/TankWindows.h"

namespace {
constexpr int kFrames = 240;

// A settings file with some keys missing, so the load repairs and draws too.
const char kSettings[] =
    "[Aquarium Settings]\n"
    "QIPAONUM=40\n"
    "[Fish Number]\n"
    "Fish0=30\nFish1=25\nFish2=20\nFish3=20\nFish4=20\nFish5=20\nFish6=20\n";

// FNV-1a over the bytes of each value added.
struct Digest {
    template <typename T>
    void Add(const T& value) {
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        for (unsigned char byte : bytes) hash = (hash ^ byte) * 1099511628211ull;
    }
    std::uint64_t hash = 14695981039346656037ull;
};

std::uint64_t DigestOfTank(const AquariumScene& scene) {
    Digest digest;
    digest.Add(scene.RevealCount());
    for (const Fish& fish : scene.School()) {
        for (float value :
             {fish.heading, fish.targetHeading, fish.pitch, fish.shownPitch, fish.speed, fish.size})
            digest.Add(value);
        digest.Add(fish.position);
        digest.Add(fish.segmentYaw);
        digest.Add(fish.mouthTimer);
        digest.Add(fish.mouthClosed);
    }
    FishVertexBatch mesh;
    for (int i = 0; i < scene.ShownFishCount(); ++i) {
        EmitFishParts(scene.ShownSchoolFish(i).pose, mesh);
        for (const FishVertex& vertex : mesh.vertices) digest.Add(vertex);
    }
    for (const FoodPellet& pellet : scene.FoodPellets()) {
        digest.Add(pellet.active);
        digest.Add(pellet.alive);
        for (const auto& at : {pellet.anchor, pellet.offset, pellet.point}) digest.Add(at);
    }
    for (const BubbleEmitter& emitter : scene.BubbleEmitters()) {
        digest.Add(emitter.count);
        for (int i = 0; i < emitter.PoolSize(); ++i) digest.Add(emitter.particles[i]);
    }
    for (const auto& at : {scene.Marker().current, scene.Marker().target}) digest.Add(at);
    digest.Add(scene.Marker().spin);
    digest.Add(scene.Surface().anchors);
    digest.Add(scene.Surface().swayPhase);
    return digest.hash;
}

// The mean brightness of each part of the last frame, 4 across and 3 down.
// The software rasteriser copies its back buffer to the window on a swap and
// keeps it; the front buffer it reads back is not the window's.
std::vector<double> BrightnessOfPicture(int width, int height) {
    std::vector<unsigned char> rgb(static_cast<std::size_t>(width) * height * 3);
    glFinish();
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    std::vector<double> parts(12, 0.0);
    for (std::size_t i = 0; i < rgb.size(); ++i) {
        const std::size_t pixel = i / 3, x = pixel % width * 4 / width,
                          y = pixel / width * 3 / height;
        parts[y * 4 + x] += rgb[i] * 4.0 / (width * height);
    }
    return parts;
}
}  // namespace

TEST(TankRun, SetUpAndFramesKeepTheirRandomStreamTankAndPicture) {
    TempDir home;
    ScopedEnv config("XDG_CONFIG_HOME", home.Path().string());
    WriteFile(home.Path() / "velmar" / "VelmarSet.ini", kSettings);
    ResetCrtRand();

    int argc = 1;
    char name[] = "velmar";
    char* argv[] = {name, nullptr};
    wxApp::SetInstance(new wxApp);
    ASSERT_TRUE(wxEntryStart(argc, argv));
    auto windows = std::make_unique<TankWindows>(TankWindowsOptions{});
    CMainFrame* frame = windows->Frames().front();
    const wxRect screen = DisplayGeometryOf(nullptr);
    ASSERT_EQ(screen.width, 1920) << "run under the test command's 1920 x 1080 screen";
    ASSERT_EQ(screen.height, 1080);
    windows->Show();
    CAquariumView* view = frame->View();
    ASSERT_NE(view, nullptr);
    // The set-up runs once the window is on screen. No event loop runs after
    // it, so no timer tick adds a frame of its own.
    for (int waitedMs = 0; waitedMs < 10000 && !view->SetUpDone(); waitedMs += 10) {
        wxYield();
        wxMilliSleep(10);
    }
    ASSERT_TRUE(view->SetUpDone());
    const unsigned afterSetUp = CrtRandState();

    for (int i = 0; i < kFrames; ++i) windows->Runner().DrawFrame(0.0);

    const unsigned afterFrames = CrtRandState();
    const std::uint64_t tank = DigestOfTank(*frame->Scene());
    const std::vector<double> picture = BrightnessOfPicture(screen.width, screen.height);
    EXPECT_EQ(afterSetUp, 2979108224u);
    EXPECT_EQ(afterFrames, 487279185u);
    EXPECT_EQ(tank, 15918366809853114284u);
    const std::vector<double> expected{110.8, 103.8, 113.9, 105.6, 110.6, 112.9,
                                       113.1, 111.9, 147.2, 148.7, 147.7, 144.9};
    bool changed = false;
    for (std::size_t i = 0; i < expected.size(); ++i)
        changed = changed || std::fabs(picture[i] - expected[i]) > 1.5;
    std::ostringstream now;
    for (double part : picture) now << std::fixed << std::setprecision(1) << part << ", ";
    EXPECT_FALSE(changed) << "the picture's brightness is now {" << now.str() << "}";
    windows.reset();
    frame->Destroy();
    wxEntryCleanup();
}
