#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "resources/BitmapBytes.h"
#include "resources/EmbeddedTexture.h"
#include "resources/ResourceIds.h"
#include "resources/TextureLoaders.h"
#include "support/GlTestContext.h"
#include "support/TempDir.h"

namespace {
struct TextureSize {
    GLint width = -1;
    GLint height = -1;
};

TextureSize BoundTextureSize() {
    TextureSize size;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &size.width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &size.height);
    return size;
}

// Level 0 of the bound texture as red-green-blue-alpha bytes.
std::vector<std::uint8_t> BoundTexels() {
    const TextureSize size = BoundTextureSize();
    std::vector<std::uint8_t> texels(static_cast<std::size_t>(size.width) * size.height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    return texels;
}

class TextureLoading : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(gl_.Ok()); }

    // Writes `bytes` as a file, loads it with `loader`, and leaves the new
    // texture bound.
    GLuint Load(TextureLoader loader, const Bytes& bytes) {
        const std::string path = (temp_.Path() / "picture.bmp").string();
        WriteBytes(path, bytes);
        GLuint texture = 0;
        loader(path, &texture);
        return texture;
    }

    GlTestContext gl_{16, 16};
    TempDir temp_;
};
}  // namespace

TEST_F(TextureLoading, SkinSizedImageIsUploadedUnchanged) {
    Bytes pixels(RowBytes(24, 128) * 64);
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<std::uint8_t>(i % 251);
    EXPECT_NE(Load(LoadTextureBMP, MakeBitmap(128, 64, 24, pixels)), 0u);
    const TextureSize size = BoundTextureSize();
    EXPECT_EQ(size.width, 128);
    EXPECT_EQ(size.height, 64);
    const std::vector<std::uint8_t> texels = BoundTexels();
    for (int pixel : {0, 1, 777, 128 * 64 - 1}) {
        // Stored blue-green-red, read back red-green-blue.
        EXPECT_EQ(texels[pixel * 4 + 0], pixels[pixel * 3 + 2]) << pixel;
        EXPECT_EQ(texels[pixel * 4 + 1], pixels[pixel * 3 + 1]) << pixel;
        EXPECT_EQ(texels[pixel * 4 + 2], pixels[pixel * 3 + 0]) << pixel;
    }
}

TEST_F(TextureLoading, OddSizesAreRescaledToPowersOfTwoCappedAt512) {
    Load(LoadTextureBMP, MakeBitmap(100, 100, 24));
    TextureSize size = BoundTextureSize();
    EXPECT_EQ(size.width, 128);
    EXPECT_EQ(size.height, 128);

    Load(LoadTextureBMP, MakeBitmap(1024, 512, 24));
    size = BoundTextureSize();
    EXPECT_EQ(size.width, 512);
    EXPECT_EQ(size.height, 512);

    // An odd-width 3-component image with padded rows keeps its colour.
    Load(LoadTextureBMP, MakeBitmap(3, 5, 24, {}, {}, 0x80));
    size = BoundTextureSize();
    EXPECT_EQ(size.width, 4);
    EXPECT_EQ(size.height, 8);
    const std::vector<std::uint8_t> texels = BoundTexels();
    for (std::size_t i = 0; i < texels.size(); i += 4) {
        EXPECT_NEAR(texels[i], 0x80, 1) << i;
    }
}

TEST_F(TextureLoading, PaletteAndAlphaImagesKeepTheirColours) {
    const Bytes palette = {0, 0, 255, 0, 0, 255, 0, 0};  // red, green
    Load(LoadTextureBMP, MakeBitmap(4, 2, 8, {0, 1, 0, 1, 1, 1, 1, 1}, palette));
    std::vector<std::uint8_t> texels = BoundTexels();
    ASSERT_EQ(texels.size(), 4u * 2 * 4);
    EXPECT_EQ((std::vector<std::uint8_t>(texels.begin(), texels.begin() + 8)),
              (std::vector<std::uint8_t>{255, 0, 0, 255, 0, 255, 0, 255}));

    Load(LoadTextureBMP,
         MakeBitmap(2, 2, 32, {10, 20, 30, 40, 10, 20, 30, 40, 10, 20, 30, 40, 10, 20, 30, 40}));
    texels = BoundTexels();
    EXPECT_EQ((std::vector<std::uint8_t>(texels.begin(), texels.begin() + 4)),
              (std::vector<std::uint8_t>{30, 20, 10, 40}));
}

TEST_F(TextureLoading, BlackIsTransparentAndNearBlackOpaqueInTheRgbaLoader) {
    // Stored blue-green-red: black, then (red 0, green 0, blue 1).
    Load(LoadTextureRGBA, MakeBitmap(2, 1, 24, {0, 0, 0, 1, 0, 0, 0, 0}));
    const TextureSize size = BoundTextureSize();
    ASSERT_EQ(size.width, 2);
    const std::vector<std::uint8_t> texels = BoundTexels();
    EXPECT_EQ(texels[3], 0);
    EXPECT_EQ(texels[6], 1);
    EXPECT_EQ(texels[7], 255);
    GLint minFilter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    EXPECT_EQ(minFilter, GL_LINEAR_MIPMAP_NEAREST);
}

TEST_F(TextureLoading, MalformedBitmapsGiveATextureWithoutAnImage) {
    for (const MalformedBitmap& bad : MalformedBitmaps()) {
        for (TextureLoader loader : {LoadTextureBMP, LoadTextureRGBA}) {
            EXPECT_NE(Load(loader, bad.bytes), 0u) << bad.what;
            EXPECT_EQ(BoundTextureSize().width, 0) << bad.what;
        }
    }
    // Well-formed, but not what the RGBA loader reads.
    Load(LoadTextureRGBA, MakeBitmap(4, 4, 8, {}, Bytes(8, 0)));
    EXPECT_EQ(BoundTextureSize().width, 0);
    Bytes offsetOutside = MakeBitmap(4, 4, 24);
    PokeU32(offsetOutside, kPixelOffsetAt, 0x7FFFFFFF);
    Load(LoadTextureRGBA, offsetOutside);
    EXPECT_EQ(BoundTextureSize().width, 0);
}

TEST_F(TextureLoading, MissingFileGivesATextureWithoutAnImage) {
    GLuint texture = 0;
    LoadTextureBMP((temp_.Path() / "absent.bmp").string(), &texture);
    EXPECT_NE(texture, 0u);
    EXPECT_EQ(BoundTextureSize().width, 0);
}

TEST_F(TextureLoading, EveryEmbeddedPictureLoadsAndLeavesNoFilesBehind) {
    const std::string dir = temp_.Path().string() + "/";
    struct Expected {
        int id;
        const char* name;
        TextureLoader loader;
        int width, height;
    };
    std::vector<Expected> pictures = {
        {kBackgroundResourceId, "BackGround0", LoadTextureRGBA, 1024, 512},
        {kBubbleResourceId, "Particle1", LoadTextureBMP, 32, 32},
        {kFoodPelletResourceId, "fish17", LoadTextureBMP, 64, 64}};
    const std::string skinNames[] = {"fish0", "fish1", "fish2", "fish3", "fish4",
                                     "fish5", "fish6", "fish7", "fish8", "fish9"};
    for (int species = 0; species < 10; ++species) {
        pictures.push_back({kFirstFishSkinResourceId + species, skinNames[species].c_str(),
                            LoadTextureBMP, 128, 64});
    }
    for (const Expected& picture : pictures) {
        GLuint texture = 0;
        LoadEmbeddedTexture(picture.id, dir, picture.name, picture.loader, &texture);
        ASSERT_NE(texture, 0u) << picture.name;
        glBindTexture(GL_TEXTURE_2D, texture);
        const TextureSize size = BoundTextureSize();
        EXPECT_EQ(size.width, picture.width) << picture.name;
        EXPECT_EQ(size.height, picture.height) << picture.name;
    }
    EXPECT_TRUE(std::filesystem::directory_iterator(temp_.Path()) ==
                std::filesystem::directory_iterator());
}

TEST_F(TextureLoading, EmbeddedPicturesLieTheRightWayUpInTextureSpace) {
    const std::string dir = temp_.Path().string() + "/";
    GLuint background = 0;
    LoadEmbeddedTexture(kBackgroundResourceId, dir, "BackGround0", LoadTextureRGBA, &background);
    glBindTexture(GL_TEXTURE_2D, background);
    std::vector<std::uint8_t> texels = BoundTexels();
    const int width = BoundTextureSize().width;
    const int height = BoundTextureSize().height;
    // t = 0 is the sandy floor, t = 1 the water under the surface.
    const std::uint8_t* floor = &texels[(2 * width + width / 2) * 4];
    const std::uint8_t* water = &texels[((height - 3) * width + width / 2) * 4];
    EXPECT_GT(floor[0], floor[2]);
    EXPECT_GT(water[2], water[0]);
    EXPECT_EQ(water[3], 255);

    GLuint skin = 0;
    LoadEmbeddedTexture(kFirstFishSkinResourceId, dir, "fish0", LoadTextureBMP, &skin);
    glBindTexture(GL_TEXTURE_2D, skin);
    texels = BoundTexels();
    // The pupil sits in the middle of the eye region (s 0.875..1, t 0.75..1).
    const int pupilX = 120;
    const int pupilY = 56;
    const std::uint8_t* pupil = &texels[(pupilY * 128 + pupilX) * 4];
    EXPECT_LT(pupil[0] + pupil[1] + pupil[2], 60);
}
