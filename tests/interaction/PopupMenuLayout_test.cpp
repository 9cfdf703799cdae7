#include <gtest/gtest.h>

#include "core/interaction/MenuCommands.h"
#include "core/interaction/PopupMenuLayout.h"

TEST(PopupMenuLayout, NineEntriesOf140By48InMenuOrder) {
    const std::tuple<int, int, std::optional<int>> points[] = {
        {0, 0, 0},
        {139, 47, 0},
        {70, 48, 1},
        {10, 431, 8},
        {140, 10, {}},
        {-1, 10, {}},
        {10, 432, std::nullopt},
        {10, -1, std::nullopt},
    };
    for (const auto& [x, y, entry] : points) EXPECT_EQ(PopupEntryAt(x, y), entry) << x << ", " << y;
    EXPECT_STREQ(kMenuCommands[1].text, "  Feed Fish");
    EXPECT_EQ(kMenuCommands[8].commandId, kCommandExit);
}

TEST(PopupMenuLayout, OpensAtTheClickAndFlipsToStayOnScreen) {
    const ScreenRect screen{0, 0, 1024, 768};
    const std::tuple<int, int, int, int> cases[] = {
        {300, 200, 300, 200},  // room enough: top-left at the click
        {884, 336, 884, 336},  // exactly fits
        {950, 200, 810, 200},  // near the right edge: to the left of the click
        {300, 700, 300, 268},  // near the bottom: above the click
        {100, 300, 100, 300},
    };
    for (const auto& [x, y, left, top] : cases) {
        EXPECT_EQ(PlacePopup(x, y, screen), (std::array<int, 2>{left, top})) << x << ", " << y;
    }
    // A screen shorter than the menu: from its top edge.
    EXPECT_EQ(PlacePopup(50, 300, {0, 0, 800, 400}), (std::array<int, 2>{50, 0}));
    // A second display to the right of the first.
    EXPECT_EQ(PlacePopup(1900, 100, {1024, 0, 1000, 768}), (std::array<int, 2>{1760, 100}));
}

TEST(PopupMenuLayout, ArrowKeysWalkTheEntriesAndWrapAround) {
    EXPECT_EQ(NextPopupEntry(std::nullopt, 1), 0);
    EXPECT_EQ(NextPopupEntry(std::nullopt, -1), 8);
    EXPECT_EQ(NextPopupEntry(3, 1), 4);
    EXPECT_EQ(NextPopupEntry(8, 1), 0);
    EXPECT_EQ(NextPopupEntry(0, -1), 8);
}

TEST(PopupMenuLayout, EachModeHasItsCursorUpAndPressedAndOthersKeepTheirs) {
    const std::tuple<int, int, int> cursors[] = {
        {kCommandCatch, 154, 155},  {kCommandTouch, 158, 159},   {kCommandFeed, 163, 164},
        {kCommandZoomIn, 167, 177}, {kCommandZoomOut, 169, 178},
    };
    for (const auto& [mode, up, pressed] : cursors) {
        EXPECT_EQ(ModeCursorId(mode, false), up);
        EXPECT_EQ(ModeCursorId(mode, true), pressed);
    }
    EXPECT_EQ(ModeCursorId(kCommandAddDeleteFish, false), std::nullopt);
}
