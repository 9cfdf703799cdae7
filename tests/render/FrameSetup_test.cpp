#include <gtest/gtest.h>

#include <tuple>

#include "core/scene/CameraGeometry.h"
#include "core/scene/Reveal.h"
#include "core/scene/SettingsColours.h"

TEST(WalkedFishCount, NeverPassesThe200Records) {
    EXPECT_EQ(WalkedFishCount(2000, 200), 200);
    EXPECT_EQ(WalkedFishCount(-5, 200), 0);
}

TEST(FrameFrustum, WideScreensSpreadHorizontallyTallOnesVertically) {
    const Frustum wide = FrameFrustum(1600, 800);
    EXPECT_DOUBLE_EQ(wide.left, -0.8);
    EXPECT_DOUBLE_EQ(wide.right, 0.8);
    EXPECT_DOUBLE_EQ(wide.bottom, -0.4);
    EXPECT_DOUBLE_EQ(wide.top, 0.4);
    const Frustum tall = FrameFrustum(800, 1600);
    EXPECT_DOUBLE_EQ(tall.left, -0.4);
    EXPECT_DOUBLE_EQ(tall.right, 0.4);
    EXPECT_DOUBLE_EQ(tall.bottom, -0.8);
    EXPECT_DOUBLE_EQ(tall.top, 0.8);
    EXPECT_DOUBLE_EQ(tall.zNear, 1.0);
    EXPECT_DOUBLE_EQ(tall.zFar, 1000.0);
}

TEST(ColorRefToRgb, ReadsRedFromTheLowByte) {
    const Rgb8 green = ColorRefToRgb(65280);
    EXPECT_EQ(green.red, 0);
    EXPECT_EQ(green.green, 255);
    EXPECT_EQ(green.blue, 0);
    const Rgb8 mixed = ColorRefToRgb(0x00112233);
    EXPECT_EQ(mixed.red, 0x33);
    EXPECT_EQ(mixed.green, 0x22);
    EXPECT_EQ(mixed.blue, 0x11);
}

// Fish sizes run from 1 to 4 in the layer at z = -70 or so, 60 units from the eye.
TEST(FishMeshDetail, SmallerFishGetLighterMeshes) {
    const std::tuple<float, float, int, int, MeshDetail> cases[] = {
        {2.0f, -70.0f, 1920, 1080, MeshDetail::kLightest},  // 45 pixels
        {2.5f, -70.0f, 1920, 1080, MeshDetail::kLight},     // 56
        {4.0f, -70.0f, 1920, 1080, MeshDetail::kLight},     // 90
        {4.0f, -60.0f, 1920, 1080, MeshDetail::kFull},      // 108
        {2.0f, -70.0f, 3840, 2160, MeshDetail::kLight},     // 90
        {3.0f, -70.0f, 3840, 2160, MeshDetail::kFull},      // 135
        {1.0f, -70.0f, 1080, 1920, MeshDetail::kLightest},  // tall screen: 23
        {1.0f, -10.5f, 1920, 1080, MeshDetail::kFull},      // at the eye
    };
    for (const auto& [size, z, width, height, detail] : cases) {
        EXPECT_EQ(FishMeshDetail(size, z, width, height, -10.0), detail)
            << size << " " << z << " " << width << "x" << height;
    }
}
