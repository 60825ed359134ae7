// Graphics: drawing and measuring text, character ranges, driver strings and metafile comments.
#include "gdiplus/flat_api_recorder.h"
#include "gdiplus/graphics.h"
#include "gdiplus/region.h"
#include "gdiplus/support/graphics_canvas.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kBlack = 0xFF000000;

class GdiplusGraphicsText : public ::testing::Test {
protected:
    void TearDown() override { LastStatus = 0; }
    // Whether any pixel of the column range [fromX, toX) is not transparent.
    bool InkBetween(int fromX, int toX)
    {
        for (int x = fromX; x < toX; ++x)
            for (int y = 0; y < 40; ++y)
                if (canvas.bitmap.Pixel(x, y) != 0)
                    return true;
        return false;
    }
    Canvas canvas{200, 40};
    TestFont font{20};
    TestBrush black{kBlack};
};

TEST_F(GdiplusGraphicsText, OmittedLayoutDrawsFromTheOriginWithoutWrapping)
{
    ASSERT_NE(font.GetNativePointer(), nullptr);
    ASSERT_TRUE(canvas.graphics.DrawString("WWWW WWWW", font, black));
    EXPECT_TRUE(InkBetween(0, 20));
    EXPECT_TRUE(InkBetween(100, 200)) << "the second word stays on the first line";
}

TEST_F(GdiplusGraphicsText, LayoutRectanglePlacesTheText)
{
    TestStringFormat format;
    ASSERT_TRUE(canvas.graphics.DrawString("WW", font, black, RectF{100, 0, 100, 40}, &format));
    EXPECT_FALSE(InkBetween(0, 100));
    EXPECT_TRUE(InkBetween(100, 150));
}

TEST_F(GdiplusGraphicsText, MeasureStringFillsTheBoundingBox)
{
    RectF shortBox{9, 9, 9, 9};
    RectF longBox;
    ASSERT_TRUE(canvas.graphics.MeasureString("WW", font, std::nullopt, nullptr, shortBox));
    ASSERT_TRUE(canvas.graphics.MeasureString("WWWW", font, std::nullopt, nullptr, longBox));
    EXPECT_EQ(shortBox.x, 0.0f);
    EXPECT_EQ(shortBox.y, 0.0f);
    EXPECT_GT(shortBox.width, 0.0f);
    EXPECT_GT(shortBox.height, 0.0f);
    EXPECT_GT(longBox.width, shortBox.width);
    RectF placed;
    ASSERT_TRUE(canvas.graphics.MeasureString("WW", font, RectF{30, 5, 100, 30}, nullptr, placed));
    EXPECT_EQ(placed.x, 30.0f);
    EXPECT_EQ(placed.y, 5.0f);
}

// Labels are measured on a graphics over the screen (window 0) before they are drawn.
TEST_F(GdiplusGraphicsText, ScreenGraphicsMeasuresAsTheDrawingSurfaceDoes)
{
    Graphics screen;
    ASSERT_TRUE(screen.CreateFromHWND(nullptr));
    ASSERT_NE(screen.GetNativePointer(), nullptr);
    RectF onScreen;
    RectF onCanvas;
    ASSERT_TRUE(screen.MeasureString("WW 2K14", font, std::nullopt, nullptr, onScreen));
    ASSERT_TRUE(canvas.graphics.MeasureString("WW 2K14", font, std::nullopt, nullptr, onCanvas));
    EXPECT_GT(onScreen.width, 0.0f);
    EXPECT_NEAR(onScreen.width, onCanvas.width, 1.0f) << "the font is sized in pixels";
    EXPECT_NEAR(onScreen.height, onCanvas.height, 1.0f);
    EXPECT_TRUE(screen.Delete());
    EXPECT_EQ(screen.GetNativePointer(), nullptr);
}

TEST_F(GdiplusGraphicsText, TextOfAnEmptyFontFailsWithTheStatus)
{
    GdiplusObject noFont;
    RectF box;
    EXPECT_FALSE(canvas.graphics.MeasureString("W", noFont, std::nullopt, nullptr, box));
    EXPECT_EQ(LastStatus, Gdiplus::InvalidParameter);
    EXPECT_FALSE(canvas.graphics.DrawString("W", noFont, black));
    EXPECT_EQ(LastStatus, Gdiplus::InvalidParameter);
}

TEST_F(GdiplusGraphicsText, TextReachesGdiplusAsUtf16WithItsLength)
{
    RecordCalls rec({"GdipDrawString"});
    canvas.graphics.DrawString("宋体", font, black);
    canvas.graphics.DrawString("", font, black);
    ASSERT_EQ(rec.Calls().size(), 2u);
    EXPECT_EQ(rec.Calls()[0].args[1], "\"宋体\"");
    EXPECT_EQ(rec.Calls()[0].args[2], "2");
    EXPECT_EQ(rec.Calls()[1].args[1], "\"\"");
    EXPECT_EQ(rec.Calls()[1].args[2], "0");
    EXPECT_EQ(rec.Calls()[1].args[5], "null") << "omitted format";
}

TEST_F(GdiplusGraphicsText, EachRegionReceivesTheAreaOfItsCharacterRange)
{
    TestStringFormat format;
    format.SetRanges({Gdiplus::CharacterRange(0, 2), Gdiplus::CharacterRange(4, 2)});
    std::vector<std::unique_ptr<Region>> regions(5);
    ASSERT_TRUE(canvas.graphics.MeasureCharacterRanges("WW  WW", font, RectF{0, 0, 200, 40}, &format, 2, regions));
    ASSERT_EQ(regions.size(), 2u);
    RectF first = regions[0]->GetBounds(canvas.graphics);
    RectF second = regions[1]->GetBounds(canvas.graphics);
    EXPECT_GT(first.width, 0.0f);
    EXPECT_GT(second.width, 0.0f);
    EXPECT_GE(second.x, first.x + first.width) << "the second range lies right of the first";
}

TEST_F(GdiplusGraphicsText, FailedCharacterRangesLeaveFreshEmptyRegions)
{
    TestStringFormat format;
    format.SetRanges({Gdiplus::CharacterRange(0, 1)});
    GdiplusObject noFont;
    std::vector<std::unique_ptr<Region>> regions;
    EXPECT_FALSE(canvas.graphics.MeasureCharacterRanges("W", noFont, std::nullopt, &format, 1, regions));
    EXPECT_EQ(LastStatus, Gdiplus::InvalidParameter);
    ASSERT_EQ(regions.size(), 1u);
    EXPECT_EQ(regions[0]->GetNativePointer(), nullptr);
}

TEST_F(GdiplusGraphicsText, DriverStringFlagsAreOneUnlessGiven)
{
    RecordCalls rec({"GdipDrawDriverString"});
    const std::vector<PointF> positions{{0, 20}, {20, 20}};
    canvas.graphics.DrawDriverString("WW", font, black, positions);
    canvas.graphics.DrawDriverString("WW", font, black, positions, 0);
    TestMatrix identity(1, 0, 0, 1, 0, 0);
    canvas.graphics.DrawDriverString("WW", font, black, positions, 5, &identity);
    ASSERT_EQ(rec.Calls().size(), 3u);
    EXPECT_EQ(rec.Calls()[0].args[2], "2");
    EXPECT_EQ(rec.Calls()[0].args[5], FormatPointer(positions.data()));
    EXPECT_EQ(rec.Calls()[0].args[6], "1");
    EXPECT_EQ(rec.Calls()[0].args[7], "null");
    EXPECT_EQ(rec.Calls()[1].args[6], "0");
    EXPECT_EQ(rec.Calls()[2].args[6], "5");
    EXPECT_EQ(rec.Calls()[2].args[7], FormatPointer(identity.GetNativePointer()));
}

// GDI+ reads one position per character: a fake stands in to read exactly that many.
std::vector<PointF> driverPositionsSeen;

Gdiplus::GpStatus WINAPI ReadDriverPositions(Gdiplus::GpGraphics*, const UINT16*, INT length, const Gdiplus::GpFont*,
                                             const Gdiplus::GpBrush*, const Gdiplus::PointF* positions, INT,
                                             const Gdiplus::GpMatrix*)
{
    driverPositionsSeen.clear();
    for (INT i = 0; positions != nullptr && i < length; ++i)
        driverPositionsSeen.push_back(PointF{positions[i].X, positions[i].Y});
    return Gdiplus::Ok;
}

TEST_F(GdiplusGraphicsText, DriverStringWithFewerPositionsThanCharactersIsNotReadPastItsEnd)
{
    ReplaceCall fake("GdipDrawDriverString", &ReadDriverPositions);
    // Storage beyond the one position holds (9, 9), which an unguarded call would pass on.
    std::vector<PointF> one{{7, 20}, {9, 9}, {9, 9}};
    one.resize(1);
    ASSERT_TRUE(canvas.graphics.DrawDriverString("WWW", font, black, one, 4));
    ASSERT_EQ(driverPositionsSeen.size(), 3u);
    EXPECT_EQ(driverPositionsSeen[0].x, 7.0f);
    EXPECT_EQ(driverPositionsSeen[0].y, 20.0f);
    EXPECT_EQ(driverPositionsSeen[2].x, 0.0f);
    EXPECT_EQ(driverPositionsSeen[2].y, 0.0f);
    ASSERT_EQ(one.size(), 1u);

    const std::vector<PointF> full{{1, 2}, {3, 4}};
    ASSERT_TRUE(canvas.graphics.DrawDriverString("WW", font, black, full));
    ASSERT_EQ(driverPositionsSeen.size(), 2u);
    EXPECT_EQ(driverPositionsSeen[1].x, 3.0f);
    EXPECT_EQ(driverPositionsSeen[1].y, 4.0f);
}

TEST_F(GdiplusGraphicsText, DriverStringDrawsAtTheGivenPositions)
{
    const std::vector<PointF> positions{{120, 30}, {150, 30}};
    ASSERT_TRUE(canvas.graphics.DrawDriverString("WW", font, black, positions));
    EXPECT_FALSE(InkBetween(0, 110));
    EXPECT_TRUE(InkBetween(115, 190));
}

// GDI+ under Wine answers 6 to every comment: only what reaches it is checked.
TEST_F(GdiplusGraphicsText, MetafileCommentPassesItsBytesAndCount)
{
    RecordCalls rec({"GdipComment"});
    const ByteBuffer data(std::vector<std::uint8_t>{1, 2, 3});
    canvas.graphics.AddMetafileComment(&data);
    canvas.graphics.AddMetafileComment(nullptr);
    ASSERT_EQ(rec.Calls().size(), 2u);
    EXPECT_EQ(rec.Calls()[0].args[1], "3");
    EXPECT_EQ(rec.Calls()[0].args[2], FormatPointer(data.data()));
    EXPECT_EQ(rec.Calls()[1].args[1], "0");
    EXPECT_EQ(rec.Calls()[1].args[2], "null");
}

}  // namespace
