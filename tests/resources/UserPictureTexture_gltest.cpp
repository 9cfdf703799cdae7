#include <gtest/gtest.h>

#include <sys/stat.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <wx/image.h>

#include "core/resources/PictureHeader.h"
#include "core/settings/CustomBackgroundList.h"
#include "gl/UserPictureTexture.h"
#include "resources/DeclaredPictures.h"
#include "support/GlTestContext.h"
#include "support/MessageLog.h"
#include "support/TempDir.h"

namespace {
constexpr int kSide = 64;

// Red over blue, so a picture upside down shows.
wxImage RedOverBlue(int width = kSide, int height = kSide) {
    wxImage image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (y < height / 2) {
                image.SetRGB(x, y, 255, 0, 0);
            } else {
                image.SetRGB(x, y, 0, 0, 255);
            }
        }
    }
    return image;
}

void Save(wxImage image, const std::filesystem::path& path, wxBitmapType type) {
    if (!wxImage::FindHandler(wxBITMAP_TYPE_BMP)) wxImage::InitStandardHandlers();
    if (!wxImage::FindHandler(wxBITMAP_TYPE_JPEG)) wxInitAllImageHandlers();
    ASSERT_TRUE(image.SaveFile(path.string(), type)) << path;
}

void WriteText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// Level 0 of the bound texture at (x, y), origin bottom left.
std::array<std::uint8_t, 4> Texel(int x, int y) {
    GLint width = 0;
    GLint height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    std::vector<std::uint8_t> texels(static_cast<std::size_t>(width) * height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    const std::size_t at = (static_cast<std::size_t>(y) * width + x) * 4;
    return {texels[at], texels[at + 1], texels[at + 2], texels[at + 3]};
}

class RealLoader : public PictureTextureLoader {
  public:
    unsigned LoadPicture(const std::string& path) override {
        return CreateUserPictureTexture(path);
    }
};

class UserPictures : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(gl_.Ok()); }
    std::filesystem::path In(const std::string& name) const { return temp_.Path() / name; }
    // The picture as ImageMagick writes it, with its options, in the kind `path` names.
    void Convert(const std::string& options, const std::filesystem::path& path) const {
        Save(RedOverBlue(), In("source.png"), wxBITMAP_TYPE_PNG);
        const std::string command =
            "convert " + In("source.png").string() + " " + options + " " + path.string();
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
    }

    GlTestContext gl_{16, 16};
    TempDir temp_;
};
}  // namespace

TEST_F(UserPictures, EveryCommonKindLoadsRightWayUpAndBrokenFilesAreRefusedWithTheirPath) {
    struct Case {
        const char* name;
        std::function<void(const std::filesystem::path&)> make;
        bool loads;
    };
    const Case cases[] = {
        {"progressive.jpg",
         [this](const std::filesystem::path& path) { Convert("-interlace JPEG", path); }, true},
        {"palette.png",
         [](const std::filesystem::path& path) {
             wxImage image = RedOverBlue();
             image.SetOption(wxIMAGE_OPTION_PNG_FORMAT, wxPNG_TYPE_PALETTE);
             Save(image, path, wxBITMAP_TYPE_PNG);
         },
         true},
        {"sixteen-bit.png",
         [](const std::filesystem::path& path) {
             wxImage image = RedOverBlue();
             image.SetOption(wxIMAGE_OPTION_PNG_BITDEPTH, 16);
             Save(image, path, wxBITMAP_TYPE_PNG);
         },
         true},
        {"with-alpha.png",
         [](const std::filesystem::path& path) {
             wxImage image = RedOverBlue();
             image.InitAlpha();
             Save(image, path, wxBITMAP_TYPE_PNG);
         },
         true},
        {"picture.bmp",
         [](const std::filesystem::path& path) { Save(RedOverBlue(), path, wxBITMAP_TYPE_BMP); },
         true},
        // Left out for its decoder's faults with broken files.
        {"picture.gif", [this](const std::filesystem::path& path) { Convert("", path); }, false},
        {"picture.tif",
         [](const std::filesystem::path& path) { Save(RedOverBlue(), path, wxBITMAP_TYPE_TIFF); },
         true},
        // Cut inside its header, before any picture data.
        {"truncated.jpg",
         [this](const std::filesystem::path& path) {
             Save(RedOverBlue(), In("whole.jpg"), wxBITMAP_TYPE_JPEG);
             std::filesystem::copy_file(In("whole.jpg"), path);
             std::filesystem::resize_file(path, std::filesystem::file_size(path) / 2);
         },
         false},
        {"text.png", [](const std::filesystem::path& path) { WriteText(path, "not a picture\n"); },
         false},
        {"empty.png", [](const std::filesystem::path& path) { WriteText(path, ""); }, false},
        {"missing.png", [](const std::filesystem::path&) {}, false},
        {"song.jpg", [](const std::filesystem::path& path) { WriteBytes(path, Mp3Bytes()); },
         false},
        {"huge.png",
         [](const std::filesystem::path& path) { WriteBytes(path, PngDeclaring(60000, 60000)); },
         false},
        // A pipe never ends; reading it would hang the program.
        {"pipe.png", [](const std::filesystem::path& path) { mkfifo(path.c_str(), 0600); }, false},
        // Wider than the upload's sizes can hold once scaled to powers of two.
        {"too-wide.png",
         [](const std::filesystem::path& path) {
             Save(RedOverBlue(static_cast<int>(kMaxUserPictureSide) + 1, 2), path,
                  wxBITMAP_TYPE_PNG);
         },
         false},
    };
    for (const Case& test : cases) {
        const std::filesystem::path path = In(test.name);
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
        const auto bottom = Texel(kSide / 2, kSide / 4);
        const auto top = Texel(kSide / 2, kSide * 3 / 4);
        EXPECT_TRUE(ColourNear(bottom, 16, 16, 235, 40)) << test.name << " bottom is blue";
        EXPECT_TRUE(ColourNear(top, 235, 16, 16, 40)) << test.name << " top is red";
    }
}

TEST_F(UserPictures, TheEleventhPictureIsRefused) {
    Save(RedOverBlue(8, 8), In("small.png"), wxBITMAP_TYPE_PNG);
    MessageLog messages;
    RealLoader loader;
    CustomBackgroundList list(loader);
    list.AddChosen(std::vector<std::string>(11, In("small.png").string()));
    EXPECT_EQ(list.Rows().size(), 10u);
    EXPECT_EQ(messages.texts, std::vector<std::string>{"The maximum number of background is: 10"});
}
