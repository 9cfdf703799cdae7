#include <gtest/gtest.h>

#include <algorithm>

#include <wx/app.h>

#include "core/interaction/MenuCommands.h"
#include "core/resources/EmbeddedResourceTable.h"
#include "core/resources/ResourceTable.h"
#include "ui/DialogArtwork.h"
#include "ui/EmbeddedPng.h"
#include "ui/MenuArtwork.h"

namespace {
// Cursors are made through GTK, which needs a display and wx set up on it.
class MenuArtwork : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (wxTheApp) return;
        static int argc = 1;
        static char name[] = "velmar";
        static char* argv[] = {name, nullptr};
        wxApp::SetInstance(new wxApp);
        ASSERT_TRUE(wxEntryStart(argc, argv));
    }
};

// Checks a picture is 32 x 32 with an alpha channel, and that `spot` lies within
// its opaque part rather than in the transparent margin around it.
void ExpectArtwork(const wxImage& image, int id, CursorHotSpot spot = {16, 16}) {
    ASSERT_TRUE(image.IsOk()) << id;
    ASSERT_EQ(image.GetSize(), wxSize(32, 32)) << id;
    ASSERT_TRUE(image.HasAlpha()) << id;
    int left = 32, right = -1, top = 32, bottom = -1;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (image.GetAlpha(x, y) < 128) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    EXPECT_TRUE(spot.x >= left && spot.x <= right && spot.y >= top && spot.y <= bottom)
        << id << " points at " << spot.x << "," << spot.y;
}
}  // namespace

// Every cursor acts where its picture points: the fault was a hot spot in the
// transparent top-left corner, some 16 pixels off.
TEST_F(MenuArtwork, EveryIconAndCursorDecodesWithAlphaAndEachCursorPointsWithinItsPicture) {
    for (int id : MenuIconIds()) ExpectArtwork(MenuIconImage(id), id);
    for (int id : ModeCursorIds()) {
        ExpectArtwork(DecodeEmbeddedPng(ResourceType::kCursor, id), id, CursorHotSpotOf(id));
        EXPECT_TRUE(ModeCursor(id).IsOk()) << id;
    }
    EXPECT_EQ(FishSettingsPanelImage().GetSize(), wxSize(500, 512));
    // Missing art: no icon, and the standard arrow.
    EXPECT_FALSE(MenuIconImage(kBackgroundPicture.id).IsOk());
    EXPECT_TRUE(ModeCursor(kTune.id).IsOk());
}
