// The image button strip: its four looks, separators and guide columns, and the nine slices the
// button is drawn from.
#include <gtest/gtest.h>

#include <algorithm>

#include "resources/embedded_pictures.h"
#include "resources/picture_testing.h"

namespace {

constexpr std::uint32_t kMagenta = 0xFFFF00FF;
constexpr std::uint32_t kDarkPurple = 0xFF7F007F;
constexpr std::uint32_t kOpaqueWhite = 0xFFFFFFFF;

int Brightness(std::uint32_t argb)
{
    return Red(argb) + Green(argb) + Blue(argb);
}

TEST(ResourcesButtonStrip, SeparatorsAndGuideColumnsInEveryRow)
{
    DecodedPicture strip(ButtonStrip());
    ASSERT_TRUE(strip.Decoded());
    for (int y = 0; y < 28; ++y) {
        for (int x : {17, 35, 53})
            ASSERT_EQ(kDarkPurple, strip.Pixel(x, y)) << x << "," << y;
        for (int k = 1; k <= 4; ++k)
            for (int local : {7, 9})
                ASSERT_EQ(kMagenta, strip.Pixel((k - 1) * 18 + local, y)) << k << "," << local << "," << y;
    }
}

struct FrameLayout {
    int k;
    int leftEdge, rightEdge;  // local columns of the outline
    int marginAlphaAtMost;  // shadow or glow beyond the outline
};

TEST(ResourcesButtonStrip, EachFrameHasItsOutlineRowsAndColumns)
{
    DecodedPicture strip(ButtonStrip());
    ASSERT_TRUE(strip.Decoded());
    const FrameLayout frames[] = {{1, 2, 14, 60}, {2, 1, 15, 40}, {3, 2, 14, 60}, {4, 2, 14, 0}};
    for (const FrameLayout& f : frames) {
        SCOPED_TRACE(f.k);
        const int fx = (f.k - 1) * 18;
        for (int row : {2, 25}) {  // the top and bottom lines, seen in the top-edge column
            EXPECT_NEAR(153, Alpha(strip.Pixel(fx + 10, row)), 12) << row;
        }
        EXPECT_LE(Alpha(strip.Pixel(fx + 10, 0)), f.marginAlphaAtMost);
        EXPECT_LE(Alpha(strip.Pixel(fx + 10, 27)), f.marginAlphaAtMost);
        for (int row = 8; row <= 21; ++row) {
            EXPECT_NEAR(153, Alpha(strip.Pixel(fx + f.leftEdge, row)), 12) << row;
            EXPECT_NEAR(153, Alpha(strip.Pixel(fx + f.rightEdge, row)), 12) << row;
            EXPECT_LE(Alpha(strip.Pixel(fx + f.leftEdge - 1, row)), f.marginAlphaAtMost) << row;
            EXPECT_LE(Alpha(strip.Pixel(fx + f.rightEdge + 1, row)), f.marginAlphaAtMost) << row;
            EXPECT_NEAR(220, Alpha(strip.Pixel(fx + 4, row)), 10) << row;  // the fill
        }
    }
}

TEST(ResourcesButtonStrip, LooksOfTheFourFrames)
{
    DecodedPicture strip(ButtonStrip());
    ASSERT_TRUE(strip.Decoded());
    // Normal: blue outline, white highlight in row 3, fill light at the top, bluer lower down.
    const std::uint32_t normalOutline = strip.Pixel(2, 14);
    EXPECT_GT(Blue(normalOutline), Red(normalOutline) + 80);
    EXPECT_EQ(kOpaqueWhite, strip.Pixel(10, 3));
    EXPECT_GT(Brightness(strip.Pixel(10, 5)), Brightness(strip.Pixel(10, 18)));
    EXPECT_GT(Brightness(strip.Pixel(10, 24)), Brightness(strip.Pixel(10, 22)));  // lighter band
    // Hover: bright blue outline, opaque white band in row 24, a blue glow outside.
    const std::uint32_t hoverOutline = strip.Pixel(18 + 1, 14);
    EXPECT_GT(Blue(hoverOutline), 230);
    EXPECT_LT(Red(hoverOutline), 40);
    EXPECT_EQ(kOpaqueWhite, strip.Pixel(18 + 10, 24));
    EXPECT_GT(Alpha(strip.Pixel(18 + 0, 14)), 0);
    EXPECT_GT(Blue(strip.Pixel(18 + 0, 14)), Red(strip.Pixel(18 + 0, 14)) + 100);
    // Pressed: the gradient reversed, darker at the top.
    EXPECT_LT(Brightness(strip.Pixel(36 + 10, 4)), Brightness(strip.Pixel(36 + 10, 23)));
    // Grey look: neutral grey outline and fill, no shadow.
    for (int x : {54 + 2, 54 + 10}) {
        const std::uint32_t grey = strip.Pixel(x, 14);
        EXPECT_LE(std::max({Red(grey), Green(grey), Blue(grey)}) - std::min({Red(grey), Green(grey), Blue(grey)}), 3);
    }
    EXPECT_EQ(0, Alpha(strip.Pixel(54 + 1, 14)));
}

bool IsMagentaOrPurple(std::uint32_t argb)
{
    return Red(argb) > Green(argb) + 50 && Blue(argb) > Green(argb) + 50;
}

TEST(ResourcesButtonStrip, NinePiecesNeverShowAGuideColumnOrSeparator)
{
    DecodedPicture strip(ButtonStrip());
    ASSERT_TRUE(strip.Decoded());
    struct Size {
        int w, h;
    };
    for (const Size size : {Size{160, 48}, Size{23, 17}})
        for (int k = 1; k <= 4; ++k) {
            auto canvas = DrawPieces(strip, ImageButtonPieces(k, 2, 3, static_cast<float>(size.w), static_cast<float>(size.h)),
                                     size.w + 4, size.h + 6, kOpaqueWhite);
            int found = 0;
            for (int y = 0; y < size.h + 6; ++y)
                for (int x = 0; x < size.w + 4; ++x)
                    found += IsMagentaOrPurple(canvas->Pixel(x, y));
            EXPECT_EQ(0, found) << "frame " << k << " at " << size.w << "x" << size.h;
            // The button is drawn: its outline shows in the middle of its left side.
            EXPECT_LT(Brightness(canvas->Pixel(2 + (k == 2 ? 1 : 2), 3 + size.h / 2)), 3 * 230) << k;
        }
}

}  // namespace
