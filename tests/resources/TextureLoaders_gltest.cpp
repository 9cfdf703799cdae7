#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "gl/TextureLoaders.h"
#include "resources/PictureBytes.h"
#include "support/GlTestContext.h"
#include "support/TestSupport.h"

namespace {
using Loader = void (*)(const std::string& path, GLuint* texture);
class TextureLoading : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(gl_.Ok()); }

    // Writes `bytes` as a file, loads it with `loader`, and leaves the new
    // texture bound.
    GLuint Load(Loader loader, const Bytes& bytes) {
        WriteFile(temp_.Path() / "picture.bmp", bytes);
        GLuint texture = 0;
        loader((temp_.Path() / "picture.bmp").string(), &texture);
        return texture;
    }

    GlTestContext gl_{16, 16};
    TempDir temp_;
};
}  // namespace

// A picture keeps a power-of-two size and is rescaled to one otherwise, capped
// at 512. Stored blue-green-red, it reads back red-green-blue; an odd width's
// padded rows must not shift the colour.
TEST_F(TextureLoading, BitmapsKeepTheirColoursAtPowerOfTwoSizesCappedAt512) {
    Bytes pixels(RowBytes(24, 128) * 64);
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<std::uint8_t>(i % 251);
    EXPECT_NE(Load(LoadTextureBMP, MakeBitmap(128, 64, 24, pixels)), 0u);
    ASSERT_EQ(BoundTextureSize(), std::make_pair(128, 64));
    const std::vector<std::uint8_t> texels = BoundTexels();
    for (int pixel : {0, 1, 777, 128 * 64 - 1}) {
        EXPECT_EQ(Bytes(texels.begin() + pixel * 4, texels.begin() + pixel * 4 + 3),
                  (Bytes{pixels[pixel * 3 + 2], pixels[pixel * 3 + 1], pixels[pixel * 3]}))
            << pixel;
    }
    for (const auto& [width, height, texture] :
         {std::tuple{100, 100, std::pair{128, 128}}, {1024, 512, {512, 512}}, {3, 5, {4, 8}}}) {
        Load(LoadTextureBMP, MakeBitmap(width, height, 24));
        EXPECT_EQ(BoundTextureSize(), texture) << width;
        const std::vector<std::uint8_t> texels = BoundTexels();
        for (std::size_t i = 0; i < texels.size(); i += 4) ASSERT_NEAR(texels[i], 0x40, 1) << i;
    }
    // 32 bits keep their alpha.
    const Bytes deep = {10, 20, 30, 40, 10, 20, 30, 40, 10, 20, 30, 40, 10, 20, 30, 40};
    Load(LoadTextureBMP, MakeBitmap(2, 2, 32, deep));
    const Bytes alpha = BoundTexels();
    EXPECT_EQ(Bytes(alpha.begin(), alpha.begin() + 4), (Bytes{30, 20, 10, 40}));
}

TEST_F(TextureLoading, MalformedOrMissingBitmapsGiveATextureWithoutAnImage) {
    for (const auto& [what, bytes] : MalformedBitmaps()) {
        for (Loader loader : {LoadTextureBMP, LoadTextureRGBA}) {
            EXPECT_NE(Load(loader, bytes), 0u) << what;
            EXPECT_EQ(BoundTextureSize().first, 0) << what;
        }
    }
    // Well-formed, but not what the RGBA loader reads.
    for (const Bytes& bytes : {MakeBitmap(4, 4, 8, {}, Bytes(8, 0)),
                               Poked(MakeBitmap(4, 4, 24), kPixelOffsetAt, 0x7FFFFFFF)}) {
        EXPECT_NE(Load(LoadTextureRGBA, bytes), 0u);
        EXPECT_EQ(BoundTextureSize().first, 0);
    }
    GLuint texture = 0;
    LoadTextureBMP((temp_.Path() / "absent.bmp").string(), &texture);
    EXPECT_NE(texture, 0u);
    EXPECT_EQ(BoundTextureSize().first, 0);
}
