#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "core/interaction/FeedSteering.h"
#include "core/interaction/FishContactTests.h"
#include "core/interaction/MenuCommands.h"
#include "core/interaction/PickGrid.h"
#include "core/interaction/PopupMenuLayout.h"
#include "core/tank/CatchMarker.h"
#include "core/tank/TankBounds.h"
#include "fish/FishFrame.h"

namespace {
// A fish at (0, 0, -70) whose head lies at `head`.
Fish FishWithHead(const std::array<float, 3>& head) {
    Fish fish = SwimmingFish(0.0f, 0.0f, 0.0f);
    fish.extent.head = head;
    return fish;
}

// Pellets all inactive but the first, a live flake seen at `point`.
std::array<FoodPellet, kFoodPelletCount> OnePelletAt(const std::array<float, 3>& point) {
    std::array<FoodPellet, kFoodPelletCount> pellets;
    for (FoodPellet& pellet : pellets) pellet.SetActive(false);
    pellets[0].SetActive(true);
    pellets[0].alive = 1.0f;
    pellets[0].point = point;
    pellets[0].offset = {0.0f, 1.0f, 0.0f};
    return pellets;
}
}  // namespace

TEST(PelletBearing, AxesOriginAndEveryQuadrant) {
    const std::tuple<float, float, float> cases[] = {
        {0.0f, 0.0f, 0.0f},   {0.0f, 5.0f, 90.0f},       {0.00005f, -5.0f, 270.0f},
        {5.0f, 0.0f, 0.0f},   {-5.0f, 0.00005f, 180.0f}, {1.0f, 2.0f, 63.0f},
        {2.0f, 1.0f, 26.0f},  {-1.0f, 2.0f, 27.0f},      {-1.0f, -2.0f, 27.0f},
        {2.0f, -1.0f, 64.0f},
    };
    for (const auto& [x, y, bearing] : cases) {
        EXPECT_EQ(PelletBearing({x, y, -70.0f}), bearing) << x << ", " << y;
    }
}

// The angle between the fish's axis and the pellet, seen from above; a near
// vertical line's slope stands in as steep.
TEST(HeadingOffset, AngleBetweenTheFishAxisAndThePelletIncludingNearVerticalLines) {
    const std::tuple<std::array<float, 3>, std::array<float, 3>, float> cases[] = {
        {{1.0f, 0.0f, -70.0f}, {5.0f, 0.0f, -60.0f}, 63.434948f},  // slope 2: atan 2
        {{0.0f, 0.0f, -69.0f}, {5.0f, 0.0f, -70.0f}, 89.994274f},  // the axis along z
        {{1.0f, 0.0f, -69.0f}, {1.0f, 0.0f, -71.0f}, 89.997135f},  // slopes 1 and -1
    };
    for (const auto& [head, pellet, offset] : cases) {
        EXPECT_NEAR(HeadingOffset(FishWithHead(head), pellet), offset, 1e-4f) << head[2];
    }
}

TEST(FeedSteer, FeedsOnlyWithAPelletNearTheHeadAndSlowsDownRightAtIt) {
    // Pellet point, feeding, speed after one call from 0.2.
    const std::tuple<std::array<float, 3>, bool, float> cases[] = {
        {{-12.0f, 0.0f, -70.0f}, false, 0.2f},
        {{-8.0f, 0.0f, -70.0f}, true, 0.2f},
        {{-2.0f, 1.0f, -70.0f}, true, 0.1f},
    };
    for (const auto& [point, feeding, speed] : cases) {
        Fish fish = FishWithHead({-1.0f, 0.0f, -70.0f});
        fish.feeding = true;
        FeedSteer(fish, OnePelletAt(point));
        EXPECT_EQ(fish.feeding, feeding) << point[0];
        EXPECT_FLOAT_EQ(fish.speed, speed) << point[0];
    }
}

TEST(FoodTest, NearbyFlakesDriftToTheMouthAndOneAtItIsEaten) {
    Fish fish = FishWithHead({0.0f, 0.0f, -70.0f});
    // Gap from head to flake; drift in x; eaten.
    const std::tuple<std::array<float, 3>, float, bool> cases[] = {
        {{4.0f, 0.0f, -70.0f}, -0.02f, false},
        {{6.0f, 0.0f, -70.0f}, 0.0f, false},
        {{1.0f, 1.0f, -71.5f}, -0.005f, true},
        {{1.0f, 1.0f, -73.0f}, -0.005f, false},
    };
    for (const auto& [point, drift, eaten] : cases) {
        auto pellets = OnePelletAt(point);
        FoodTest(fish, pellets);
        EXPECT_NEAR(pellets[0].offset[0], drift, 1e-6f) << point[0] << " " << point[2];
        EXPECT_EQ(!pellets[0].IsAlive(), eaten) << point[0] << " " << point[2];
    }
}

TEST(CatchTest, CatchesAFishWithinThreeOfTheNetOnceUntilItsSlotIsCleared) {
    CatchMarker marker;
    marker.Reset(0.0f, 0.0f, -70.0f);
    // Out of reach, caught, and near enough but in the slot now flagged.
    for (const auto& [x, y, caught] :
         {std::tuple{3.0f, 0.0f, false}, {2.5f, -2.5f, true}, {1.0f, 1.0f, false}}) {
        Fish fish = SwimmingFish(x, y, 0.0f);
        CatchTest(7, fish, marker);
        EXPECT_EQ(fish.caught, caught) << x;
        EXPECT_EQ(marker.slots[7].caught, x < 3.0f) << x;
        EXPECT_TRUE(!caught || marker.slots[7].position == fish.position) << x;
    }
}

TEST(PickGrid, SwaysAUnitEitherSideOfTheTankEdgeAndTurnsMidGrid) {
    PickGrid grid;
    grid.points = {{-49.0f, 0.0f, -70.0f}, {-48.0f, 0.0f, -70.0f}};
    // Toward -x from the edge: in the 11th frame the first strip passes a
    // unit beyond it, and the second, moved after it, already turns back.
    for (int frame = 0; frame < 11; ++frame) MovePickGrid(grid, 0, -49.0f);
    EXPECT_TRUE(grid.towardPlus);
    EXPECT_NEAR(grid.points[0][0], -50.1f, 1e-4f);
    EXPECT_NEAR(grid.points[1][0], -48.9f, 1e-4f);
    float lowest = grid.points[0][0], highest = lowest;
    int turns = 0;
    for (int frame = 0; frame < 200; ++frame) {
        const bool before = grid.towardPlus;
        MovePickGrid(grid, 0, -49.0f);
        turns += grid.towardPlus != before ? 1 : 0;
        lowest = std::min(lowest, grid.points[0][0]);
        highest = std::max(highest, grid.points[0][0]);
    }
    EXPECT_NEAR(lowest, -50.1f, 0.01f);
    EXPECT_NEAR(highest, -47.9f, 0.01f);
    EXPECT_GE(turns, 8);
}

// Ten entries of 140 x 48; the arrow keys walk them and wrap round. A mode's
// command chooses it, with a cursor of its own for a press; the dialogs and
// Exit choose none, and a tank nobody points at keeps the cursor.
TEST(PopupMenuLayout, TenEntriesOf140By48WalkedByTheArrowsAndTheModesTheyChoose) {
    const std::tuple<int, int, std::optional<int>> points[] = {
        {0, 0, 0},     {139, 47, 0}, {70, 48, 1},   {10, 479, 9},
        {140, 10, {}}, {-1, 10, {}}, {10, 480, {}}, {10, -1, {}},
    };
    for (const auto& [x, y, entry] : points) EXPECT_EQ(PopupEntryAt(x, y), entry) << x << ", " << y;
    const std::tuple<std::optional<int>, int, int> steps[] = {
        {{}, 1, 0}, {{}, -1, 9}, {3, 1, 4}, {9, 1, 0}, {0, -1, 9}};
    for (const auto& [from, step, to] : steps) EXPECT_EQ(NextPopupEntry(from, step), to);
    const std::pair<int, std::optional<Mode>> commands[] = {
        {kCommandCatch, Mode::kCatch},     {kCommandTouch, Mode::kTouch},
        {kCommandFeed, Mode::kFeed},       {kCommandZoomIn, Mode::kZoomIn},
        {kCommandZoomOut, Mode::kZoomOut}, {kCommandAddDeleteFish, {}},
        {kCommandCustomMusic, {}},         {kCommandExit, {}}};
    for (const auto& [command, mode] : commands) {
        EXPECT_EQ(ModeOfCommand(command), mode) << command;
        EXPECT_TRUE(!mode || ModeCursorId(*mode, false) != ModeCursorId(*mode, true)) << command;
    }
    EXPECT_EQ(ModeCursorId(Mode::kNoPointer, false), std::nullopt);
}

TEST(PopupMenuLayout, OpensAtTheClickAndFlipsToStayOnScreen) {
    const ScreenRect screen{0, 0, 1024, 768};
    const std::tuple<int, int, ScreenRect, int, int> cases[] = {
        {300, 200, screen, 300, 200},        // room enough: top-left at the click
        {884, 288, screen, 884, 288},        // exactly fits
        {950, 200, screen, 810, 200},        // near the right edge: to the left of the click
        {300, 700, screen, 300, 220},        // near the bottom: above the click
        {100, 289, screen, 100, 0},          // a pixel short below, no room above: from the top
        {50, 300, {0, 0, 800, 400}, 50, 0},  // a screen shorter than the menu
        {1900, 100, {1024, 0, 1000, 768}, 1760, 100},  // a second display to the right
    };
    for (const auto& [x, y, on, left, top] : cases) {
        EXPECT_EQ(PlacePopup(x, y, on), (std::array<int, 2>{left, top})) << x << ", " << y;
    }
}
