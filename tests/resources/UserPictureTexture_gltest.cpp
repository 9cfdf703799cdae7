#include <gtest/gtest.h>

#include <sys/stat.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <wx/image.h>

#include "core/pictures/CustomBackgroundList.h"
#include "core/resources/PictureHeader.h"
#include "gl/UserPictureTexture.h"
#include "platform/wx/ImageHandlers.h"
#include "resources/PictureBytes.h"
#include "support/GlTestContext.h"

namespace {
namespace fs = std::filesystem;
constexpr int kSide = 64;

// Red over blue, so a picture upside down shows, saved in the kind `type`
// names with the option given.
void Save(const fs::path& path, wxBitmapType type, const wxString& option = "", int value = 0,
          int width = kSide) {
    NeedImageHandler(type);
    wxImage image(width, kSide);
    image.SetRGB(wxRect(0, 0, width, kSide / 2), 255, 0, 0);
    image.SetRGB(wxRect(0, kSide / 2, width, kSide / 2), 0, 0, 255);
    if (option == "alpha") image.InitAlpha();
    if (!option.empty()) image.SetOption(option, value);
    ASSERT_TRUE(image.SaveFile(path.string(), type)) << path;
}

// Level 0 of the bound texture at (x, y), origin bottom left.
std::array<std::uint8_t, 4> Texel(int x, int y) {
    const std::vector<std::uint8_t> texels = BoundTexels();
    const std::size_t at = (static_cast<std::size_t>(y) * BoundTextureSize().first + x) * 4;
    return {texels[at], texels[at + 1], texels[at + 2], texels[at + 3]};
}

class RealLoader : public PictureTextureLoader {
  public:
    unsigned LoadPicture(const std::string& path) override {
        return CreateUserPictureTexture(path);
    }
};
}  // namespace

TEST(UserPictures, EveryCommonKindLoadsRightWayUpAndBrokenFilesAreRefusedWithTheirPath) {
    GlTestContext gl(16, 16);
    ASSERT_TRUE(gl.Ok());
    TempDir temp;
    const struct {
        const char* name;
        std::function<void(const fs::path&)> make;
        bool loads;
    } cases[] = {
        {"progressive.jpg",
         [&](const fs::path& path) {
             Save(temp.Path() / "source.png", wxBITMAP_TYPE_PNG);
             const std::string command = "convert " + (temp.Path() / "source.png").string() +
                                         " -interlace JPEG " + path.string();
             ASSERT_EQ(std::system(command.c_str()), 0) << command;
         },
         true},
        {"palette.png",
         [](const fs::path& path) {
             Save(path, wxBITMAP_TYPE_PNG, wxIMAGE_OPTION_PNG_FORMAT, wxPNG_TYPE_PALETTE);
         },
         true},
        {"with-alpha.png", [](const fs::path& path) { Save(path, wxBITMAP_TYPE_PNG, "alpha"); },
         true},
        {"picture.bmp", [](const fs::path& path) { Save(path, wxBITMAP_TYPE_BMP); }, true},
        {"picture.tif", [](const fs::path& path) { Save(path, wxBITMAP_TYPE_TIFF); }, true},
        // Cut inside its header, before any picture data.
        {"truncated.jpg",
         [](const fs::path& path) {
             Save(path, wxBITMAP_TYPE_JPEG);
             fs::resize_file(path, fs::file_size(path) / 2);
         },
         false},
        {"missing.png", [](const fs::path&) {}, false},
        {"song.jpg", [](const fs::path& path) { WriteFile(path, Mp3Bytes()); }, false},
        {"huge.png", [](const fs::path& path) { WriteFile(path, PngDeclaring(60000, 60000)); },
         false},
        // A pipe never ends; reading it would hang the program.
        {"pipe.png", [](const fs::path& path) { mkfifo(path.c_str(), 0600); }, false},
        // Wider than the upload's sizes can hold once scaled to powers of two.
        {"too-wide.png",
         [](const fs::path& path) {
             Save(path, wxBITMAP_TYPE_PNG, "", 0, static_cast<int>(kMaxUserPictureSide) + 1);
         },
         false},
    };
    for (const auto& test : cases) {
        const fs::path path = temp.Path() / test.name;
        test.make(path);
        MessageLog messages;
        RealLoader loader;
        CustomBackgroundList list(loader);
        list.AddChosen({path.string()});
        if (!test.loads) {
            EXPECT_TRUE(list.Rows().empty()) << test.name;
            EXPECT_EQ(messages.texts,
                      std::vector<std::string>{"(" + path.string() + ")image loading error."})
                << test.name;
            continue;
        }
        ASSERT_EQ(list.Rows().size(), 1u) << test.name;
        EXPECT_TRUE(messages.texts.empty()) << test.name;
        glBindTexture(GL_TEXTURE_2D, list.Rows()[0].texture);
        // Colours kept within broadcast range, through DXT's and JPEG's losses.
        EXPECT_TRUE(ColourNear(Texel(kSide / 2, kSide / 4), 16, 16, 235, 40)) << test.name;
        EXPECT_TRUE(ColourNear(Texel(kSide / 2, kSide * 3 / 4), 235, 16, 16, 40)) << test.name;
    }
}
