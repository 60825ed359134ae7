#include "brush_pen_testing.h"

#include "gdiplus/flat_api_recorder.h"
#include "gdiplus/linear_gradient_brush.h"
#include "gdiplus/solid_brush.h"

namespace {

class GdiplusSolidBrush : public GdiplusWrapperTest {};

TEST_F(GdiplusSolidBrush, ColourComesBackWithItsAlpha)
{
    for (Gdiplus::ARGB color : {0x80FF0000u, 0x01020304u, 0xFFFFFFFFu, 0x00000000u}) {
        SolidBrush brush;
        ASSERT_TRUE(brush.Create(color));
        EXPECT_EQ(brush.GetColor(), color);
        ASSERT_TRUE(brush.SetColor(~color));
        EXPECT_EQ(brush.GetColor(), ~color);
    }
}

TEST_F(GdiplusSolidBrush, EmptyBrushReportsGdiplusRefusal)
{
    SolidBrush brush;
    LastStatus = 0;
    EXPECT_EQ(brush.GetColor(), 0u);
    EXPECT_EQ(LastStatus, Gdiplus::InvalidParameter);
    EXPECT_FALSE(brush.SetColor(0xFF000000));
}

TEST_F(GdiplusSolidBrush, TypeTellsSolidFromGradient)
{
    SolidBrush solid;
    LinearGradientBrush gradient;
    ASSERT_TRUE(solid.Create(0xFF00FF00));
    ASSERT_TRUE(gradient.Create({0, 0}, {10, 0}, 0xFF000000, 0xFFFFFFFF));
    EXPECT_EQ(solid.GetType(), Gdiplus::BrushTypeSolidColor);
    EXPECT_EQ(gradient.GetType(), Gdiplus::BrushTypeLinearGradient);
}

TEST_F(GdiplusSolidBrush, AdoptedHandleServesTheBrushOwnMethodsAndIsReleasedWithIt)
{
    Gdiplus::GpSolidFill* native = nullptr;
    ASSERT_EQ(Flat().GdipCreateSolidFill(0x11223344, &native), Gdiplus::Ok);
    RecordCalls rec({"GdipDeleteBrush"});
    {
        SolidBrush brush;
        brush.SetNativePointer(native);
        EXPECT_EQ(brush.GetNativePointer(), native);
        EXPECT_EQ(brush.GetColor(), 0x11223344u);
    }
    ASSERT_EQ(rec.Calls().size(), 1u);
    EXPECT_EQ(rec.Calls()[0].args[0], FormatPointer(native));
}

TEST_F(GdiplusSolidBrush, CloneLeavesTheTargetsPreviousBrushAlone)
{
    SolidBrush source;
    SolidBrush target;
    ASSERT_TRUE(source.Create(0xFF0000FF));
    ASSERT_TRUE(target.Create(0xFFFF0000));
    void* previous = target.GetNativePointer();

    RecordCalls rec({"GdipDeleteBrush"});
    ASSERT_TRUE(source.Clone(target));
    EXPECT_TRUE(rec.Calls().empty());
    EXPECT_NE(target.GetNativePointer(), previous);
    EXPECT_NE(target.GetNativePointer(), source.GetNativePointer());
    EXPECT_EQ(target.GetColor(), 0xFF0000FFu);

    Gdiplus::ARGB previousColor = 0;
    auto* previousBrush = static_cast<Gdiplus::GpSolidFill*>(previous);
    EXPECT_EQ(Flat().GdipGetSolidFillColor(previousBrush, &previousColor), Gdiplus::Ok);
    EXPECT_EQ(previousColor, 0xFFFF0000u);
    Flat().GdipDeleteBrush(previousBrush);
}

}  // namespace
