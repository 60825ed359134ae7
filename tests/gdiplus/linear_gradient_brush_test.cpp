#include "brush_pen_testing.h"

#include "gdiplus/flat_api_recorder.h"
#include "gdiplus/graphics.h"
#include "gdiplus/linear_gradient_brush.h"

#include <functional>
#include <optional>
#include <string>

namespace {

class GdiplusLinearGradientBrush : public GdiplusWrapperTest {};

constexpr Gdiplus::ARGB kRed = 0xFFFF0000;
constexpr Gdiplus::ARGB kBlue = 0xFF0000FF;

struct Creation {
    const char* function;
    std::function<bool(LinearGradientBrush&)> create;
};

const Creation kCreations[] = {
    {"GdipCreateLineBrush", [](LinearGradientBrush& b) { return b.Create({0, 0}, {200, 0}, kRed, kBlue); }},
    {"GdipCreateLineBrushI", [](LinearGradientBrush& b) { return b.CreateI({0, 0}, {200, 0}, kRed, kBlue); }},
    {"GdipCreateLineBrushFromRect",
     [](LinearGradientBrush& b) { return b.CreateFromRect({0, 0, 200, 20}, kRed, kBlue); }},
    {"GdipCreateLineBrushFromRectI",
     [](LinearGradientBrush& b) { return b.CreateFromRectI({0, 0, 200, 20}, kRed, kBlue); }},
    {"GdipCreateLineBrushFromRectWithAngle",
     [](LinearGradientBrush& b) { return b.CreateFromRectWithAngle({0, 0, 200, 20}, kRed, kBlue, 30.0f); }},
    {"GdipCreateLineBrushFromRectWithAngleI",
     [](LinearGradientBrush& b) { return b.CreateFromRectWithAngleI({0, 0, 200, 20}, kRed, kBlue, 30.0f); }},
};

TEST_F(GdiplusLinearGradientBrush, EveryCreationTilesTheGradient)
{
    for (const Creation& c : kCreations) {
        SCOPED_TRACE(c.function);
        RecordCalls rec({c.function});
        LinearGradientBrush brush;
        ASSERT_TRUE(c.create(brush));
        ASSERT_EQ(rec.Calls().size(), 1u);
        const std::vector<std::string>& args = rec.Calls()[0].args;
        EXPECT_EQ(args[args.size() - 2], "0") << "wrap mode handed to GDI+";
        EXPECT_EQ(brush.GetWrapMode(), Gdiplus::WrapModeTile);
        ASSERT_TRUE(brush.SetWrapMode(Gdiplus::WrapModeTileFlipXY));
        EXPECT_EQ(brush.GetWrapMode(), Gdiplus::WrapModeTileFlipXY);
        Gdiplus::ARGB start = 0, end = 0;
        EXPECT_TRUE(brush.GetLinearColors(start, end));
        EXPECT_EQ(start, kRed);
        EXPECT_EQ(end, kBlue);
    }
}

// Fills a square with the brush and tells in which direction the colour changes.
std::string Direction(const LinearGradientBrush& brush)
{
    TestBitmap bitmap(20, 20);
    Graphics graphics;
    graphics.CreateFromImage(bitmap);
    graphics.FillRectangle(brush, 0, 0, 20, 20);
    bool changesAcross = bitmap.Pixel(1, 10) != bitmap.Pixel(18, 10);
    bool changesDown = bitmap.Pixel(10, 1) != bitmap.Pixel(10, 18);
    return changesAcross && !changesDown ? "horizontal" : !changesAcross && changesDown ? "vertical" : "other";
}

TEST_F(GdiplusLinearGradientBrush, GradientModeFromRectIsHorizontalUnlessGiven)
{
    struct Case {
        std::optional<int> mode;
        const char* direction;
    };
    for (const Case& c : {Case{std::nullopt, "horizontal"}, Case{0, "horizontal"}, Case{1, "vertical"}}) {
        SCOPED_TRACE(c.mode.value_or(-1));
        LinearGradientBrush fromRect;
        LinearGradientBrush fromRectI;
        if (c.mode) {
            ASSERT_TRUE(fromRect.CreateFromRect({0, 0, 20, 20}, kRed, kBlue, *c.mode));
            ASSERT_TRUE(fromRectI.CreateFromRectI({0, 0, 20, 20}, kRed, kBlue, *c.mode));
        } else {
            ASSERT_TRUE(fromRect.CreateFromRect({0, 0, 20, 20}, kRed, kBlue));
            ASSERT_TRUE(fromRectI.CreateFromRectI({0, 0, 20, 20}, kRed, kBlue));
        }
        EXPECT_EQ(Direction(fromRect), c.direction);
        EXPECT_EQ(Direction(fromRectI), c.direction);
    }
}

TEST_F(GdiplusLinearGradientBrush, LinearColorsOfAnEmptyBrushAreWhatTheZeroedPairHolds)
{
    LinearGradientBrush brush;
    Gdiplus::ARGB start = 0x12345678, end = 0x9ABCDEF0;
    EXPECT_FALSE(brush.GetLinearColors(start, end));
    EXPECT_NE(LastStatus, 0);
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 0u);
}

TEST_F(GdiplusLinearGradientBrush, LinearColorsAndRectangleFollowTheBrush)
{
    LinearGradientBrush brush;
    ASSERT_TRUE(brush.CreateFromRect({2, 3, 40, 50}, kRed, kBlue));
    ASSERT_TRUE(brush.SetLinearColors(0x80112233, 0x40445566));
    Gdiplus::ARGB start = 0, end = 0;
    EXPECT_TRUE(brush.GetLinearColors(start, end));
    EXPECT_EQ(start, 0x80112233u);
    EXPECT_EQ(end, 0x40445566u);
    RectF rect = brush.GetRectangle();
    Rect rectI = brush.GetRectangleI();
    EXPECT_EQ((std::vector<float>{rect.x, rect.y, rect.width, rect.height}), (std::vector<float>{2, 3, 40, 50}));
    EXPECT_EQ((std::vector<int>{rectI.x, rectI.y, rectI.width, rectI.height}), (std::vector<int>{2, 3, 40, 50}));
}

TEST_F(GdiplusLinearGradientBrush, GammaCorrectionIsKeptAsABoolean)
{
    LinearGradientBrush brush;
    ASSERT_TRUE(brush.Create({0, 0}, {10, 10}, kRed, kBlue));
    for (bool gamma : {true, false}) {
        ASSERT_TRUE(brush.SetGammaCorrection(gamma));
        EXPECT_EQ(brush.GetGammaCorrection(), gamma);
    }
}

TEST_F(GdiplusLinearGradientBrush, BlendsComeBackAsSet)
{
    LinearGradientBrush brush;
    ASSERT_TRUE(brush.Create({0, 0}, {100, 0}, kRed, kBlue));
    const std::vector<float> positions{0.0f, 0.25f, 1.0f};

    ASSERT_TRUE(brush.SetBlend({0.0f, 0.75f, 1.0f}, positions));
    std::vector<float> factors{9}, gotPositions;
    EXPECT_EQ(brush.GetBlend(factors, gotPositions), 3);
    EXPECT_EQ(factors, (std::vector<float>{0.0f, 0.75f, 1.0f}));
    EXPECT_EQ(gotPositions, positions);

    const std::vector<Gdiplus::ARGB> colors{kRed, 0xFF00FF00, kBlue};
    ASSERT_TRUE(brush.SetInterpolationColors(colors, positions));
    std::vector<Gdiplus::ARGB> gotColors;
    EXPECT_EQ(brush.GetInterpolationColors(gotColors, gotPositions), 3);
    EXPECT_EQ(gotColors, colors);
    EXPECT_EQ(gotPositions, positions);
}

TEST_F(GdiplusLinearGradientBrush, FailedBlendQueriesLeaveTheSequencesAlone)
{
    LinearGradientBrush empty;
    std::vector<float> factors{1, 2}, positions{3};
    std::vector<Gdiplus::ARGB> colors{4};
    EXPECT_EQ(empty.GetBlend(factors, positions), 0);
    EXPECT_NE(LastStatus, 0);
    EXPECT_EQ(empty.GetInterpolationColors(colors, positions), 0);
    EXPECT_EQ(factors, (std::vector<float>{1, 2}));
    EXPECT_EQ(positions, (std::vector<float>{3}));
    EXPECT_EQ(colors, (std::vector<Gdiplus::ARGB>{4}));
}

TEST_F(GdiplusLinearGradientBrush, BellAndTriangularShapesBecomeBlends)
{
    using Shape = bool (LinearGradientBrush::*)(float, float);
    for (Shape shape : {&LinearGradientBrush::SetBlendBellShape, &LinearGradientBrush::SetBlendTriangularShape}) {
        LinearGradientBrush brush;
        ASSERT_TRUE(brush.Create({0, 0}, {100, 0}, kRed, kBlue));
        ASSERT_TRUE((brush.*shape)(0.5f, 1.0f));
        std::vector<float> factors, positions;
        EXPECT_GE(brush.GetBlend(factors, positions), 3);
        EXPECT_EQ(factors.size(), positions.size());
    }
}

TEST_F(GdiplusLinearGradientBrush, TransformsComposeInTheGivenOrder)
{
    ExpectTransformsCompose<LinearGradientBrush>(
        [](LinearGradientBrush& brush) { return brush.Create({0, 0}, {100, 0}, kRed, kBlue); });
}

TEST_F(GdiplusLinearGradientBrush, RotateTransformPassesAngleAndOrder)
{
    // Wine answers 6 (not implemented) to GdipRotateLineTransform, so only the call is checked.
    LinearGradientBrush brush;
    ASSERT_TRUE(brush.Create({0, 0}, {100, 0}, kRed, kBlue));
    RecordCalls rec({"GdipRotateLineTransform"});
    brush.RotateTransform(45);
    brush.RotateTransform(30, Gdiplus::MatrixOrderAppend);
    ASSERT_EQ(rec.Calls().size(), 2u);
    EXPECT_EQ(rec.Calls()[0].ToString(), "GdipRotateLineTransform(" + FormatPointer(brush.GetNativePointer()) + ", 45, 0)");
    EXPECT_EQ(rec.Calls()[1].args[2], "1");
}

}  // namespace
