// The nine title-bar button pictures: rows, fills and glyph boxes.
#include <gtest/gtest.h>

#include <algorithm>

#include "resources/embedded_pictures.h"
#include "resources/picture_testing.h"

namespace {

enum class Fill { White, Red, Blue };

struct GlyphBox {
    int left, top, right, bottom;  // inclusive
};

struct TitleButtonCase {
    TitleButton button;
    TitleButtonState state;
    int width;
    GlyphBox glyph;  // where it sits in the normal and hover pictures
    Fill fill;
};

const TitleButtonCase kCases[] = {
    {TitleButton::Close, TitleButtonState::Normal, 39, {15, 7, 23, 14}, Fill::White},
    {TitleButton::Close, TitleButtonState::Hover, 39, {15, 7, 23, 14}, Fill::Red},
    {TitleButton::Close, TitleButtonState::Pressed, 39, {15, 7, 23, 14}, Fill::Red},
    {TitleButton::Maximize, TitleButtonState::Normal, 28, {9, 7, 18, 14}, Fill::White},
    {TitleButton::Maximize, TitleButtonState::Hover, 28, {9, 7, 18, 14}, Fill::Blue},
    {TitleButton::Maximize, TitleButtonState::Pressed, 28, {9, 7, 18, 14}, Fill::Blue},
    {TitleButton::Minimize, TitleButtonState::Normal, 28, {10, 13, 19, 14}, Fill::White},
    {TitleButton::Minimize, TitleButtonState::Hover, 28, {10, 13, 19, 14}, Fill::Blue},
    {TitleButton::Minimize, TitleButtonState::Pressed, 28, {10, 13, 19, 14}, Fill::Blue},
};

// Glyph pixels are white and mostly opaque; fills and highlight lines are either coloured or faint.
bool IsGlyph(std::uint32_t argb)
{
    return Alpha(argb) >= 160 && std::min({Red(argb), Green(argb), Blue(argb)}) >= 200;
}

void CheckTitleButton(const TitleButtonCase& c)
{
    DecodedPicture picture(TitleButtonImage(c.button, c.state));
    ASSERT_TRUE(picture.Decoded());
    ASSERT_EQ(c.width, picture.Width());
    ASSERT_EQ(20, picture.Height());

    for (int x = 0; x < c.width; ++x) {
        EXPECT_EQ(0, Alpha(picture.Pixel(x, 0))) << x;
        EXPECT_EQ(0x1E000000u, picture.Pixel(x, 1)) << x;  // black at alpha 30
    }

    // Glyph: exactly its box, one pixel right and down when pressed.
    const int shift = c.state == TitleButtonState::Pressed ? 1 : 0;
    GlyphBox found{c.width, 20, -1, -1};
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < c.width; ++x)
            if (IsGlyph(picture.Pixel(x, y))) {
                found = {std::min(found.left, x), std::min(found.top, y), std::max(found.right, x),
                         std::max(found.bottom, y)};
            }
    EXPECT_EQ(c.glyph.left + shift, found.left);
    EXPECT_EQ(c.glyph.top + shift, found.top);
    EXPECT_EQ(c.glyph.right + shift, found.right);
    EXPECT_EQ(c.glyph.bottom + shift, found.bottom);

    // Fill, read in column 1 away from the glyph: strong or faint at row 3, fading to almost
    // nothing at row 19.
    const std::uint32_t top = picture.Pixel(1, 3);
    if (c.fill == Fill::White) {
        EXPECT_NEAR(30, Alpha(top), 10);
        EXPECT_GE(std::min({Red(top), Green(top), Blue(top)}), 240);
    } else {
        EXPECT_NEAR(200, Alpha(top), 20);
        const int hue = c.fill == Fill::Red ? Red(top) : Blue(top);
        EXPECT_GT(hue, Green(top) + 40);
        EXPECT_GT(hue, (c.fill == Fill::Red ? Blue(top) : Red(top)) + 100);
    }
    // Row 2: a highlight line, lighter than the fill below it.
    const std::uint32_t highlight = picture.Pixel(1, 2);
    EXPECT_GE(Alpha(highlight), 60);
    EXPECT_GT(Red(highlight) + Green(highlight) + Blue(highlight) + Alpha(highlight),
              Red(top) + Green(top) + Blue(top) + Alpha(top));
    for (int y = 4; y < 20; ++y)
        EXPECT_LE(Alpha(picture.Pixel(1, y)), Alpha(picture.Pixel(1, y - 1))) << y;
    EXPECT_LE(Alpha(picture.Pixel(1, 19)), 12);
    if (c.state == TitleButtonState::Pressed) {  // darker at the top than at the bottom
        const std::uint32_t bottom = picture.Pixel(1, 18);
        EXPECT_LT(Red(top) + Green(top) + Blue(top), Red(bottom) + Green(bottom) + Blue(bottom));
    }
}

TEST(ResourcesTitleButtonPictures, RowsFillAndGlyphBoxOfAllNine)
{
    for (const TitleButtonCase& c : kCases) {
        SCOPED_TRACE(testing::Message() << "button " << static_cast<int>(c.button) << " state "
                                        << static_cast<int>(c.state));
        CheckTitleButton(c);
    }
}

}  // namespace
