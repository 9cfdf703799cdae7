// Pins what the real set-up and the first frames do: the random stream, the
// state of the whole tank and the picture of the last frame. Any change to the
// order of the set-up steps, of the frame or of the random draws shows here.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include <GL/gl.h>
#include <wx/app.h>
#include <wx/utils.h>

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

class Digest {
  public:
    template <typename T>
    void Add(const T& value) {
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        for (unsigned char byte : bytes) hash_ = (hash_ ^ byte) * 1099511628211ull;
    }
    template <typename T, std::size_t N>
    void Add(const std::array<T, N>& values) {
        for (const T& value : values) Add(value);
    }
    std::uint64_t Value() const { return hash_; }

  private:
    std::uint64_t hash_ = 14695981039346656037ull;
};

std::uint64_t DigestOfTank(const AquariumScene& scene) {
    Digest digest;
    digest.Add(scene.RevealCount());
    for (const Fish& fish : scene.School()) {
        digest.Add(fish.position);
        digest.Add(fish.heading);
        digest.Add(fish.targetHeading);
        digest.Add(fish.pitch);
        digest.Add(fish.shownPitch);
        digest.Add(fish.speed);
        digest.Add(fish.size);
        digest.Add(fish.segmentYaw);
        digest.Add(fish.mouthTimer);
    }
    for (const FoodPellet& pellet : scene.FoodPellets()) {
        digest.Add(pellet.active);
        digest.Add(pellet.alive);
        digest.Add(pellet.anchor);
        digest.Add(pellet.offset);
        digest.Add(pellet.point);
    }
    for (const BubbleEmitter& emitter : scene.BubbleEmitters()) {
        digest.Add(emitter.count);
        for (int i = 0; i < emitter.PoolSize(); ++i) {
            const Bubble& bubble = emitter.particles[i];
            for (float value : bubble.position) digest.Add(value);
            for (float value : bubble.velocity) digest.Add(value);
            digest.Add(bubble.life);
        }
    }
    digest.Add(scene.Marker().current);
    digest.Add(scene.Marker().target);
    digest.Add(scene.Marker().spin);
    for (const auto& row : scene.Surface().anchors) {
        for (const SurfacePoint& point : row) {
            digest.Add(point.x);
            digest.Add(point.y);
            digest.Add(point.z);
        }
    }
    digest.Add(scene.Surface().swayPhase);
    return digest.Value();
}

// The last frame drawn. The software rasteriser copies its back buffer to the
// window on a swap and keeps it; the front buffer it reads back is not the
// window's.
std::uint64_t DigestOfPicture(int width, int height) {
    std::vector<unsigned char> rgb(static_cast<std::size_t>(width) * height * 3);
    glFinish();
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    Digest digest;
    for (unsigned char byte : rgb) digest.Add(byte);
    return digest.Value();
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
    const std::uint64_t picture = DigestOfPicture(screen.width, screen.height);
    EXPECT_EQ(afterSetUp, 2979108224u);
    EXPECT_EQ(afterFrames, 487279185u);
    EXPECT_EQ(tank, 8454368137797302112u);
    EXPECT_EQ(picture, 8755477983787626856u);
    windows.reset();
    frame->Destroy();
    wxEntryCleanup();
}
