// The window border picture: its outline, and the eight pieces the border is cut from.
#include <gtest/gtest.h>

#include <algorithm>

#include "resources/embedded_pictures.h"
#include "resources/picture_testing.h"

namespace {

constexpr std::uint32_t kSentinel = 0xFF00FF00;  // opaque green, nowhere in the picture

bool IsSentinel(std::uint32_t argb)
{
    return Green(argb) > Red(argb) + 100 && Green(argb) > Blue(argb) + 100;
}

bool InOutlineArea(int x, int y)
{
    return x >= 8 && x <= 23 && y >= 8 && y <= 63;
}

TEST(ResourcesFrameImage, OutlineLinesAndTransparentInterior)
{
    DecodedPicture frame(FrameImage());
    ASSERT_TRUE(frame.Decoded());
    // Straight stretches of the four sides: dark outer line, light line inside it.
    struct Side {
        int outerX, outerY, innerX, innerY, stepX, stepY, length;
    };
    const Side sides[] = {{8, 16, 9, 16, 0, 1, 40}, {23, 16, 22, 16, 0, 1, 40},
                          {12, 8, 12, 9, 1, 0, 8},  {12, 63, 12, 62, 1, 0, 8}};
    for (const Side& s : sides)
        for (int i = 0; i < s.length; ++i) {
            const std::uint32_t outer = frame.Pixel(s.outerX + i * s.stepX, s.outerY + i * s.stepY);
            const std::uint32_t inner = frame.Pixel(s.innerX + i * s.stepX, s.innerY + i * s.stepY);
            EXPECT_NEAR(204, Alpha(outer), 10);
            EXPECT_LE(Red(outer) + Green(outer) + Blue(outer), 30);
            EXPECT_NEAR(100, Alpha(inner), 10);
            EXPECT_GE(std::min({Red(inner), Green(inner), Blue(inner)}), 240);
        }
    // Inside the light line nothing but the rounded corners' anti-aliasing.
    for (int y = 10; y <= 61; ++y)
        for (int x = 10; x <= 21; ++x) {
            const bool corner = (x <= 12 || x >= 19) && (y <= 12 || y >= 59);
            if (!corner) {
                ASSERT_EQ(0, Alpha(frame.Pixel(x, y))) << x << "," << y;
            }
        }
    // Rounded corners: the corner pixel itself is fainter than the straight line.
    EXPECT_LT(Alpha(frame.Pixel(8, 8)), 150);
    EXPECT_LT(Alpha(frame.Pixel(23, 63)), 150);
    // A soft black shadow that fades outwards.
    EXPECT_GT(Alpha(frame.Pixel(6, 36)), Alpha(frame.Pixel(3, 36)));
    EXPECT_GT(Alpha(frame.Pixel(3, 36)), Alpha(frame.Pixel(0, 36)));
    EXPECT_GT(Alpha(frame.Pixel(6, 36)), 30);
    EXPECT_LT(Alpha(frame.Pixel(6, 36)), 150);
}

TEST(ResourcesFrameImage, BorderPiecesShowTheOutlineAndNeverTheShadowMargin)
{
    DecodedPicture frame(FrameImage());
    ASSERT_TRUE(frame.Decoded());
    for (int y = 0; y < 72; ++y)
        for (int x = 0; x < 32; ++x)
            if (!InOutlineArea(x, y))
                frame.SetPixel(x, y, kSentinel);
    const int w = 120, h = 90;
    auto canvas = DrawPieces(frame, WindowBorderPieces(w, h), w, h, 0xFFFFFFFF);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            ASSERT_FALSE(IsSentinel(canvas->Pixel(x, y))) << x << "," << y;
    // Along every side: a dark line, a light line, then the untouched background.
    const auto inward = [&](int side, int depth, int along) {
        switch (side) {
        case 0: return canvas->Pixel(depth, along);
        case 1: return canvas->Pixel(along, depth);
        case 2: return canvas->Pixel(w - 1 - depth, along);
        default: return canvas->Pixel(along, h - 1 - depth);
        }
    };
    for (int side = 0; side < 4; ++side)
        for (int along = 6; along < (side % 2 == 0 ? h : w) - 6; along += 7) {
            EXPECT_LT(Red(inward(side, 0, along)), 90) << side << "," << along;
            EXPECT_GT(Red(inward(side, 1, along)), 230) << side << "," << along;
            EXPECT_EQ(0xFFFFFFFFu, inward(side, 3, along)) << side << "," << along;
        }
}

}  // namespace
