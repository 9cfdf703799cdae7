// Playing with the fish as a user does: the real program in this process, the
// pointer moved and clicked with xdotool, the modes chosen through the route
// the popup menu takes.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "core/interaction/MenuCommands.h"
#include "core/scene/AquariumScene.h"
#include "support/LiveTank.h"
#include "support/ScreenCapture.h"

namespace {
constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kLongWaitMs = 120000;

std::string SettingsWithFishPerSpecies(int count) {
    std::string text = "[Fish Number]\n";
    for (int s = 0; s < 10; ++s)
        text += "Fish" + std::to_string(s) + "=" + std::to_string(count) + "\n";
    return text;
}

bool Near(const std::array<float, 3>& point, float x, float y, float within) {
    return std::fabs(point[0] - x) < within && std::fabs(point[1] - y) < within;
}

// The swimming fish of the given size nearest the middle of the tank, with its
// place; slot 0 when there is none.
std::pair<int, std::array<float, 3>> FishNearTheMiddle(const AquariumScene& scene, float size) {
    int best = 0;
    float bestDistance = 1e9f;
    const int total = SpeciesRangesFor(scene.SpeciesCounts()).total;
    for (int slot = 0; slot < total; ++slot) {
        const Fish& fish = scene.School()[slot];
        const float distance = std::hypot(fish.position[0], fish.position[1]);
        if (fish.size == size && distance < bestDistance) {
            best = slot;
            bestDistance = distance;
        }
    }
    return {best, scene.School()[best].position};
}

std::pair<int, std::array<float, 3>> SmallFishNearTheMiddle(const AquariumScene& scene) {
    return FishNearTheMiddle(scene, 2.0f);
}
}  // namespace

TEST(PlayingCatch, TheNetFollowsThePointerAndHoldsAFishItTouchesFor51Frames) {
    LiveTank tank(kWidth, kHeight, SettingsWithFishPerSpecies(15));
    tank.Run([](LiveTank& tank) {
        ASSERT_TRUE(tank.WaitFor([](auto& s) { return s.RevealCount() == 200; }, kLongWaitMs));
        // The net glides toward the point under the pointer, 2 units below it.
        const PointerPos pointer = tank.PixelOf(20.0f, 8.0f);
        tank.MovePointer(pointer.x, pointer.y);
        ASSERT_TRUE(tank.WaitFor(
            [](auto& s) { return Near(s.Marker().current, 20.0f, 6.0f, 3.0f); }, kLongWaitMs));
        SaveScreenshot(tank.Server().Display(), "catch-net-followed-the-pointer.png");

        // Bring the net where fish swim and wait for one to swim into it.
        const PointerPos middle = tank.PixelOf(0.0f, 2.0f);
        tank.MovePointer(middle.x, middle.y);
        std::optional<int> caught;
        ASSERT_TRUE(tank.WaitFor(
            [&caught](auto& s) {
                for (int slot = 0; slot < 150; ++slot) {
                    if (s.School()[slot].caught) caught = slot;
                }
                return caught.has_value();
            },
            kLongWaitMs));
        const auto heldAt =
            tank.Read<std::array<float, 3>>([&](auto& s) { return s.School()[*caught].position; });
        int longestHeld = 0;
        ASSERT_TRUE(tank.WaitFor(
            [&](auto& s) {
                const Fish& fish = s.School()[*caught];
                if (!fish.caught) return true;
                EXPECT_EQ(fish.position, heldAt) << "a caught fish stays where it was caught";
                longestHeld = std::max(longestHeld, fish.caughtFrames);
                return false;
            },
            kLongWaitMs));
        EXPECT_GE(longestHeld, 45) << "held for 51 frames, then let go";
    });
}

TEST(PlayingFeed, FeedFishFromTheMenuThenAPressDropsAPelletThereAndAFishNearbyEatsIt) {
    LiveTank tank(kWidth, kHeight, SettingsWithFishPerSpecies(3));
    tank.Run([](LiveTank& tank) {
        tank.ChooseFromMenu(100, 100, 1);
        ASSERT_TRUE(tank.WaitFor([](auto& s) { return s.Mode() == kCommandFeed; }, 10000));
        // A free pellet: one of the start-up flakes eaten or sunk away.
        ASSERT_TRUE(tank.WaitFor(
            [](auto& s) {
                for (const FoodPellet& pellet : s.FoodPellets()) {
                    if (!pellet.IsActive()) return true;
                }
                return false;
            },
            kLongWaitMs));
        // Near a fish in the middle of the tank, out of reach of its mouth.
        const std::array<float, 3> at =
            tank.Read<std::pair<int, std::array<float, 3>>>(SmallFishNearTheMiddle).second;
        const float x = at[0] + 4.0f;
        const float y = at[1] + 2.0f;
        const PointerPos pointer = tank.PixelOf(x, y);
        using Anchors = std::array<std::array<float, 3>, kFoodPelletCount>;
        const auto anchors = [](auto& s) {
            Anchors all{};
            for (int p = 0; p < kFoodPelletCount; ++p) all[p] = s.FoodPellets()[p].anchor;
            return all;
        };
        const Anchors before = tank.Read<Anchors>(anchors);
        SaveScreenshot(tank.Server().Display(), "feed-before-the-press.png");
        tank.Click(pointer.x, pointer.y);
        // The flake may be eaten before it is seen: look for a new drop point.
        std::optional<int> dropped;
        ASSERT_TRUE(tank.WaitFor(
            [&](auto& s) {
                const Anchors now = anchors(s);
                for (int p = 0; p < kFoodPelletCount; ++p) {
                    if (now[p] != before[p] && Near(now[p], x, y - 2.0f, 2.5f)) dropped = p;
                }
                return dropped.has_value();
            },
            10000))
            << "no pellet near " << x << ", " << y - 2.0f;
        SaveScreenshot(tank.Server().Display(), "feed-after-the-press.png");
        bool someFishFed = false;
        EXPECT_TRUE(tank.WaitFor(
            [&](auto& s) {
                for (const Fish& fish : s.School()) someFishFed = someFishFed || fish.feeding;
                return !s.FoodPellets()[*dropped].IsAlive() ||
                       !s.FoodPellets()[*dropped].IsActive();
            },
            kLongWaitMs));
        EXPECT_TRUE(someFishFed);
    });
}

TEST(PlayingZoom, ZoomInOnAFishDoublesIt) {
    LiveTank tank(kWidth, kHeight, SettingsWithFishPerSpecies(3));
    tank.Run([](LiveTank& tank) {
        ASSERT_TRUE(tank.WaitFor([](auto& s) { return s.RevealCount() == 200; }, kLongWaitMs));
        tank.SendCommand(kCommandZoomIn);
        // A tenth of the fish start large: watch for one that was small.
        const auto sizes = [](auto& s) {
            std::array<float, kSchoolSlots> all{};
            for (int slot = 0; slot < kSchoolSlots; ++slot) all[slot] = s.School()[slot].size;
            return all;
        };
        const auto before = tank.Read<std::array<float, kSchoolSlots>>(sizes);
        const auto grown = [&before](auto& s) {
            for (int slot = 0; slot < kSchoolSlots; ++slot) {
                if (before[slot] == 2.0f && s.School()[slot].size == 4.0f) return true;
            }
            return false;
        };
        SaveScreenshot(tank.Server().Display(), "zoom-before.png");
        // The fish swims on between looking and clicking: a few tries.
        for (int attempt = 0; attempt < 5 && !tank.Read<bool>(grown); ++attempt) {
            const auto [slot, at] =
                tank.Read<std::pair<int, std::array<float, 3>>>(SmallFishNearTheMiddle);
            const PointerPos pointer = tank.PixelOf(at[0], at[1]);
            tank.Click(pointer.x, pointer.y);
            tank.WaitFor([slot = slot](auto& s) { return s.School()[slot].size == 4.0f; }, 2000);
        }
        EXPECT_TRUE(tank.Read<bool>(grown));
        SaveScreenshot(tank.Server().Display(), "zoom-after.png");
        // The modeless dialogs' commands leave the user in Catch mode.
        for (int command : {kCommandCustomMusic, kCommandCustomBackground}) {
            tank.SendCommand(kCommandZoomIn);
            tank.SendCommand(command);
            EXPECT_EQ(tank.Read<int>([](auto& s) { return s.Mode(); }), kCommandCatch) << command;
        }
    });
}
