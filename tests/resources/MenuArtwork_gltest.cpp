#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/mstream.h>

#include "core/interaction/MenuCommands.h"
#include "core/resources/EmbeddedResourceTable.h"
#include "core/resources/ResourceTable.h"
#include "ui/DialogArtwork.h"
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

// A cursor's picture as ModeCursor reads it.
wxImage CursorImage(int id) {
    const auto blob = FindEmbeddedResource(ResourceType::kCursor, id);
    if (!blob) return wxImage();
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
    wxMemoryInputStream stream(blob->data, blob->size);
    return wxImage(stream, wxBITMAP_TYPE_PNG);
}

// Checks a picture is 32 x 32 with a transparent background and an opaque subject.
void ExpectArtwork(const wxImage& image, int id) {
    ASSERT_TRUE(image.IsOk()) << id;
    EXPECT_EQ(image.GetWidth(), 32) << id;
    EXPECT_EQ(image.GetHeight(), 32) << id;
    ASSERT_TRUE(image.HasAlpha()) << id;
    int transparent = 0, opaque = 0;
    for (int i = 0; i < 32 * 32; ++i) {
        transparent += image.GetAlpha()[i] == 0;
        opaque += image.GetAlpha()[i] == 255;
    }
    EXPECT_GT(transparent, 32) << id;
    EXPECT_GT(opaque, 64) << id;
}
}  // namespace

TEST_F(MenuArtwork, EveryIconAndCursorDecodesWithAlphaAndMakesACursor) {
    for (int id : MenuIconIds()) ExpectArtwork(MenuIconImage(id), id);
    for (int id : ModeCursorIds()) {
        ExpectArtwork(CursorImage(id), id);
        EXPECT_TRUE(ModeCursor(id).IsOk()) << id;
    }
    EXPECT_EQ(FishSettingsPanelImage().GetSize(), wxSize(500, 512));
    // Missing art: no icon, and the standard arrow.
    EXPECT_FALSE(MenuIconImage(kBackgroundPicture.id).IsOk());
    EXPECT_TRUE(ModeCursor(kTune.id).IsOk());
}
