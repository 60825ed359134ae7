// Graphics: rendering settings, transforms, clipping, saved states and containers.
#include "gdiplus/flat_api_recorder.h"
#include "gdiplus/graphics.h"
#include "gdiplus/graphics_path.h"
#include "gdiplus/region.h"
#include "gdiplus/support/graphics_canvas.h"

#include <gtest/gtest.h>

namespace {

constexpr int kWorldSpace = 0;
constexpr int kDeviceSpace = 2;
constexpr int kAppend = 1;
constexpr int kIntersect = 1;

class GdiplusGraphicsSettings : public ::testing::Test {
protected:
    void TearDown() override { LastStatus = 0; }
    PointF WorldToDevice(PointF point)
    {
        std::vector<PointF> points{point};
        EXPECT_TRUE(canvas.graphics.TransformPoints(kDeviceSpace, kWorldSpace, points));
        return points.at(0);
    }
    Canvas canvas{20, 20};
};

TEST_F(GdiplusGraphicsSettings, EverySetterIsReadBackByItsGetter)
{
    struct Case {
        const char* name;
        bool (Graphics::*set)(int);
        int (Graphics::*get)();
        int value;
    };
    const Case cases[] = {
        {"compositing mode", &Graphics::SetCompositingMode, &Graphics::GetCompositingMode, 1},
        {"compositing quality", &Graphics::SetCompositingQuality, &Graphics::GetCompositingQuality, 3},
        {"smoothing mode", &Graphics::SetSmoothingMode, &Graphics::GetSmoothingMode, 4},
        {"text rendering hint", &Graphics::SetTextRenderingHint, &Graphics::GetTextRenderingHint, 5},
        {"interpolation mode", &Graphics::SetInterpolationMode, &Graphics::GetInterpolationMode, 5},
        {"pixel offset mode", &Graphics::SetPixelOffsetMode, &Graphics::GetPixelOffsetMode, 4},
        {"page unit", &Graphics::SetPageUnit, &Graphics::GetPageUnit, 3},
    };
    Graphics& g = canvas.graphics;
    for (const Case& c : cases) {
        EXPECT_TRUE((g.*c.set)(c.value)) << c.name;
        EXPECT_EQ((g.*c.get)(), c.value) << c.name;
        EXPECT_EQ(LastStatus, 0) << c.name;
    }
    EXPECT_TRUE(g.SetPageScale(2.5f));
    EXPECT_EQ(g.GetPageScale(), 2.5f);
    EXPECT_TRUE(g.SetTextContrast(8));
    EXPECT_EQ(g.GetTextContrast(), 8u);
    EXPECT_EQ(g.GetNearestColor(0x80123456), 0x80123456u) << "a 32-bit surface has every colour";
    EXPECT_EQ(LastStatus, 0);
    EXPECT_GT(g.GetDpiX(), 0.0f);
    EXPECT_GT(g.GetDpiY(), 0.0f);
}

TEST_F(GdiplusGraphicsSettings, RenderingOriginComesBackThroughTheReferences)
{
    ASSERT_TRUE(canvas.graphics.SetRenderingOrigin(3, -4));
    int x = 99;
    int y = 99;
    EXPECT_TRUE(canvas.graphics.GetRenderingOrigin(x, y));
    EXPECT_EQ(x, 3);
    EXPECT_EQ(y, -4);
}

TEST_F(GdiplusGraphicsSettings, TransformPointsWritesIntoTheCallersSequence)
{
    Graphics& g = canvas.graphics;
    ASSERT_TRUE(g.TranslateTransform(10, 5));
    std::vector<PointF> points{{1, 1}, {2, 0}};
    ASSERT_TRUE(g.TransformPoints(kDeviceSpace, kWorldSpace, points));
    EXPECT_EQ(points[0].x, 11.0f);
    EXPECT_EQ(points[0].y, 6.0f);
    EXPECT_EQ(points[1].x, 12.0f);
    std::vector<Point> integers{{-1, -1}};
    ASSERT_TRUE(g.TransformPointsI(kDeviceSpace, kWorldSpace, integers));
    EXPECT_EQ(integers[0].x, 9);
    EXPECT_EQ(integers[0].y, 4);
}

TEST_F(GdiplusGraphicsSettings, EmptyPointSequenceReachesGdiplusAsNullAndZero)
{
    RecordCalls rec({"GdipTransformPoints"});
    std::vector<PointF> none;
    canvas.graphics.TransformPoints(kDeviceSpace, kWorldSpace, none);
    ASSERT_EQ(rec.Calls().size(), 1u);
    EXPECT_EQ(rec.Calls()[0].args[3], "null");
    EXPECT_EQ(rec.Calls()[0].args[4], "0");
    EXPECT_TRUE(none.empty());
}

TEST_F(GdiplusGraphicsSettings, TransformOrderIsPrependUnlessGiven)
{
    Graphics& g = canvas.graphics;
    ASSERT_TRUE(g.TranslateTransform(10, 0));
    ASSERT_TRUE(g.ScaleTransform(2, 1));  // prepended: scale, then translate
    EXPECT_EQ(WorldToDevice({1, 0}).x, 12.0f);
    ASSERT_TRUE(g.ResetTransform());
    ASSERT_TRUE(g.TranslateTransform(10, 0));
    ASSERT_TRUE(g.ScaleTransform(2, 1, kAppend));  // translate, then scale
    EXPECT_EQ(WorldToDevice({1, 0}).x, 22.0f);
    ASSERT_TRUE(g.ResetTransform());
    ASSERT_TRUE(g.RotateTransform(90));
    PointF turned = WorldToDevice({1, 0});
    EXPECT_NEAR(turned.x, 0.0f, 1e-4);
    EXPECT_NEAR(turned.y, 1.0f, 1e-4);
}

TEST_F(GdiplusGraphicsSettings, MatrixArgumentsSetMultiplyAndReceiveTheWorldTransform)
{
    Graphics& g = canvas.graphics;
    TestMatrix shift(1, 0, 0, 1, 3, 4);
    TestMatrix doubling(2, 0, 0, 2, 0, 0);
    ASSERT_TRUE(g.SetTransform(shift));
    ASSERT_TRUE(g.MultiplyTransform(doubling, kAppend));
    TestMatrix received(1, 0, 0, 1, 0, 0);
    ASSERT_TRUE(g.GetTransform(received));
    EXPECT_EQ(received.Elements(), (std::vector<float>{2, 0, 0, 2, 6, 8}));
}

TEST_F(GdiplusGraphicsSettings, ClipRectanglesQueriesAndBounds)
{
    Graphics& g = canvas.graphics;
    ASSERT_TRUE(g.SetClipRectI(2, 3, 4, 5));
    Rect bounds = g.GetClipBoundsI();
    EXPECT_EQ(bounds.x, 2);
    EXPECT_EQ(bounds.y, 3);
    EXPECT_EQ(bounds.width, 4);
    EXPECT_EQ(bounds.height, 5);
    EXPECT_EQ(g.GetClipBounds().width, 4.0f);
    EXPECT_TRUE(g.IsVisiblePointI(3, 4));
    EXPECT_FALSE(g.IsVisiblePointI(10, 4));
    EXPECT_TRUE(g.IsVisiblePoint(3.5f, 4.5f));
    EXPECT_TRUE(g.IsVisibleRectI(0, 0, 3, 4));
    EXPECT_FALSE(g.IsVisibleRect(10, 10, 2, 2));
    EXPECT_FALSE(g.IsClipEmpty());

    ASSERT_TRUE(g.TranslateClipI(1, 1));
    EXPECT_EQ(g.GetClipBoundsI().x, 3);
    ASSERT_TRUE(g.TranslateClip(-1, -1));
    ASSERT_TRUE(g.SetClipRect(4, 4, 10, 10, kIntersect));
    EXPECT_EQ(g.GetClipBoundsI().x, 4);
    EXPECT_EQ(g.GetClipBoundsI().width, 2);

    ASSERT_TRUE(g.SetClipRect(0, 0, 0, 0));
    EXPECT_TRUE(g.IsClipEmpty());
    EXPECT_TRUE(g.IsVisibleClipEmpty());
    ASSERT_TRUE(g.ResetClip());
    EXPECT_FALSE(g.IsClipEmpty());

    ASSERT_TRUE(g.SetClipRectI(10, 10, 50, 50));
    Rect visible = g.GetVisibleClipBoundsI();
    EXPECT_EQ(visible.x, 10);
    EXPECT_EQ(visible.width, 10) << "limited by the 20 x 20 surface";
    EXPECT_EQ(g.GetVisibleClipBounds().height, 10.0f);
}

TEST_F(GdiplusGraphicsSettings, ClipFromRegionsGraphicsAndGdiRegions)
{
    Graphics& g = canvas.graphics;
    Region region;
    ASSERT_TRUE(region.CreateFromRectI(Rect{1, 2, 3, 4}));
    ASSERT_TRUE(g.SetClipRegion(region));
    Region clip;
    ASSERT_TRUE(clip.Create());
    ASSERT_TRUE(g.GetClip(clip));
    Rect bounds = clip.GetBoundsI(g);
    EXPECT_EQ(bounds.x, 1);
    EXPECT_EQ(bounds.height, 4);

    Canvas other(20, 20);
    ASSERT_TRUE(other.graphics.SetClipGraphics(g));
    EXPECT_EQ(other.graphics.GetClipBoundsI().width, 3);

    GraphicsPath path;
    ASSERT_TRUE(path.Create());
    ASSERT_TRUE(path.AddRectangleI(0, 0, 6, 6));
    ASSERT_TRUE(g.SetClipPath(path, kIntersect));
    bounds = g.GetClipBoundsI();
    EXPECT_EQ(bounds.x, 1);
    EXPECT_EQ(bounds.y, 2);
    EXPECT_EQ(bounds.width, 3);
    EXPECT_EQ(bounds.height, 4);
    ASSERT_TRUE(g.SetClipPath(path));
    EXPECT_EQ(g.GetClipBoundsI().width, 6) << "replaced when no mode is given";

    HRGN gdiRegion = CreateRectRgn(5, 6, 9, 8);
    ASSERT_TRUE(g.SetClipHrgn(gdiRegion));
    DeleteObject(gdiRegion);
    bounds = g.GetClipBoundsI();
    EXPECT_EQ(bounds.x, 5);
    EXPECT_EQ(bounds.y, 6);
    EXPECT_EQ(bounds.width, 4);
    EXPECT_EQ(bounds.height, 2);
}

TEST_F(GdiplusGraphicsSettings, SaveAndRestoreReturnToTheSavedTransform)
{
    Graphics& g = canvas.graphics;
    unsigned state = g.Save();
    EXPECT_EQ(LastStatus, 0);
    ASSERT_TRUE(g.TranslateTransform(5, 5));
    EXPECT_EQ(WorldToDevice({0, 0}).x, 5.0f);
    ASSERT_TRUE(g.Restore(state));
    EXPECT_EQ(WorldToDevice({0, 0}).x, 0.0f);
}

TEST_F(GdiplusGraphicsSettings, ContainerMapsItsSourceRectangleOntoItsDestination)
{
    Graphics& g = canvas.graphics;
    TestBrush red(0xFFFF0000);
    unsigned container = g.BeginContainerI(Rect{10, 10, 8, 8}, Rect{0, 0, 4, 4}, Gdiplus::UnitPixel);
    EXPECT_EQ(LastStatus, 0);
    ASSERT_TRUE(g.FillRectangleI(red, 0, 0, 1, 1));  // a 2 x 2 block at (10, 10)
    ASSERT_TRUE(g.EndContainer(container));
    EXPECT_EQ(canvas.bitmap.Pixel(10, 10), 0xFFFF0000u);
    EXPECT_EQ(canvas.bitmap.Pixel(11, 11), 0xFFFF0000u);
    EXPECT_EQ(canvas.bitmap.Pixel(12, 12), 0u);
    EXPECT_EQ(canvas.bitmap.Pixel(0, 0), 0u);

    container = g.BeginContainer(RectF{0, 0, 20, 20}, RectF{0, 0, 20, 20}, Gdiplus::UnitPixel);
    ASSERT_TRUE(g.SetClipRectI(0, 0, 1, 1));
    ASSERT_TRUE(g.EndContainer(container));
    container = g.BeginContainer2();
    EXPECT_EQ(LastStatus, 0);
    ASSERT_TRUE(g.SetClipRectI(0, 0, 1, 1));
    ASSERT_TRUE(g.EndContainer(container));
    EXPECT_TRUE(g.IsVisiblePointI(15, 15)) << "each container's clip ends with it";
}

// Wine refuses the world unit for containers, so only what reaches GDI+ can be checked.
TEST_F(GdiplusGraphicsSettings, ContainerUnitIsTheWorldUnitUnlessGiven)
{
    Graphics& g = canvas.graphics;
    RecordCalls rec({"GdipBeginContainer", "GdipBeginContainerI"});
    g.BeginContainer(RectF{0, 0, 4, 4}, RectF{0, 0, 2, 2});
    g.BeginContainerI(Rect{0, 0, 4, 4}, Rect{0, 0, 2, 2});
    g.BeginContainerI(Rect{0, 0, 4, 4}, Rect{0, 0, 2, 2}, Gdiplus::UnitPixel);
    ASSERT_EQ(rec.Calls().size(), 3u);
    EXPECT_EQ(rec.Calls()[0].args[3], "0");
    EXPECT_EQ(rec.Calls()[1].args[3], "0");
    EXPECT_EQ(rec.Calls()[2].args[3], "2");
}

}  // namespace
