// Graphics: creation over device contexts and windows, clearing, outlines and fills.
#include "gdiplus/flat_api_recorder.h"
#include "gdiplus/graphics.h"
#include "gdiplus/graphics_path.h"
#include "gdiplus/region.h"
#include "gdiplus/support/graphics_canvas.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kGreen = 0xFF00FF00;
constexpr std::uint32_t kBlack = 0xFF000000;

class GdiplusGraphicsDrawing : public ::testing::Test {
protected:
    void TearDown() override { LastStatus = 0; }
    Canvas canvas{20, 20};
};

// A memory device context with a 32-bit DIB section selected.
class MemoryDc {
public:
    MemoryDc() : dc_(CreateCompatibleDC(nullptr))
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = 8;
        info.bmiHeader.biHeight = -8;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
    }
    ~MemoryDc()
    {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC Get() const { return dc_; }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

TEST_F(GdiplusGraphicsDrawing, CreateFromHdcUsesTheDeviceFormOnlyWhenADeviceIsGiven)
{
    EnsureGdiplusStarted();
    MemoryDc dc;
    struct Case {
        std::optional<HANDLE> device;
        const char* function;
    };
    for (const Case& c : {Case{std::nullopt, "GdipCreateFromHDC"}, Case{HANDLE{nullptr}, "GdipCreateFromHDC2"}}) {
        RecordCalls rec({"GdipCreateFromHDC", "GdipCreateFromHDC2"});
        Graphics graphics;
        EXPECT_TRUE(graphics.CreateFromHDC(dc.Get(), c.device)) << c.function;
        ASSERT_EQ(rec.Calls().size(), 1u);
        EXPECT_EQ(rec.Calls()[0].name, c.function);
        EXPECT_EQ(rec.Calls()[0].args[0], FormatPointer(dc.Get()));
        if (c.device) {
            EXPECT_EQ(rec.Calls()[0].args[1], "null");
        }
        EXPECT_NE(graphics.GetNativePointer(), nullptr);
    }
}

TEST_F(GdiplusGraphicsDrawing, CreateFromHwndUsesColourManagementOnlyWhenAskedFor)
{
    struct Case {
        std::optional<int> useIcm;
        const char* function;
    };
    for (const Case& c : {Case{std::nullopt, "GdipCreateFromHWND"}, Case{0, "GdipCreateFromHWND"},
                          Case{1, "GdipCreateFromHWNDICM"}, Case{-7, "GdipCreateFromHWNDICM"}}) {
        RecordCalls rec({"GdipCreateFromHWND", "GdipCreateFromHWNDICM"});
        Graphics screen;
        if (c.useIcm)
            screen.CreateFromHWND(nullptr, *c.useIcm);
        else
            screen.CreateFromHWND(nullptr);
        ASSERT_EQ(rec.Calls().size(), 1u);
        EXPECT_EQ(rec.Calls()[0].name, c.function);
    }
}

TEST_F(GdiplusGraphicsDrawing, DrawsIntoTheDeviceContextsBitmap)
{
    MemoryDc dc;
    Graphics graphics;
    ASSERT_TRUE(graphics.CreateFromHDC(dc.Get()));
    ASSERT_TRUE(graphics.Clear(kRed));
    EXPECT_EQ(GetPixel(dc.Get(), 3, 3), RGB(255, 0, 0));
}

TEST_F(GdiplusGraphicsDrawing, DeviceContextIsHandedOutAndTakenBack)
{
    MemoryDc dc;
    Graphics graphics;
    ASSERT_TRUE(graphics.CreateFromHDC(dc.Get()));
    HDC handedOut = graphics.GetHDC();
    ASSERT_NE(handedOut, nullptr);
    EXPECT_EQ(LastStatus, 0);
    EXPECT_TRUE(graphics.ReleaseHDC(handedOut));
    EXPECT_TRUE(graphics.Clear());
}

TEST_F(GdiplusGraphicsDrawing, ClearIsOpaqueWhiteWhenOmittedAndTransparentForZero)
{
    ASSERT_TRUE(canvas.graphics.Clear(kGreen));
    ASSERT_TRUE(canvas.graphics.Clear());
    EXPECT_EQ(canvas.bitmap.Pixel(5, 5), 0xFFFFFFFFu);
    ASSERT_TRUE(canvas.graphics.Clear(0));
    EXPECT_EQ(canvas.bitmap.Pixel(5, 5), 0x00000000u);
}

TEST_F(GdiplusGraphicsDrawing, FillsCoverTheirRectangles)
{
    Graphics& g = canvas.graphics;
    TestBrush red(kRed);
    ASSERT_TRUE(g.FillRectangle(red, 0, 0, 2, 2));
    ASSERT_TRUE(g.FillRectangleI(red, 4, 0, 2, 2));
    ASSERT_TRUE(g.FillRectangleRect(red, RectF{8, 0, 2, 2}));
    ASSERT_TRUE(g.FillRectangles(red, {RectF{0, 4, 2, 2}, RectF{4, 4, 2, 2}}));
    ASSERT_TRUE(g.FillRectanglesI(red, {Rect{8, 4, 2, 2}, Rect{12, 4, 2, 2}}));
    for (Point p : {Point{1, 1}, Point{5, 1}, Point{9, 1}, Point{1, 5}, Point{5, 5}, Point{9, 5}, Point{13, 5}})
        EXPECT_EQ(canvas.bitmap.Pixel(p.x, p.y), kRed) << p.x << "," << p.y;
    for (Point p : {Point{3, 1}, Point{7, 1}, Point{11, 1}, Point{3, 5}, Point{15, 5}})
        EXPECT_EQ(canvas.bitmap.Pixel(p.x, p.y), 0u) << p.x << "," << p.y;
}

TEST_F(GdiplusGraphicsDrawing, PolygonsPathsAndRegionsAreFilled)
{
    Graphics& g = canvas.graphics;
    TestBrush red(kRed);
    TestBrush green(kGreen);
    ASSERT_TRUE(g.FillPolygonI(red, {Point{0, 0}, Point{10, 0}, Point{10, 10}, Point{0, 10}}));
    GraphicsPath path;
    ASSERT_TRUE(path.Create());
    ASSERT_TRUE(path.AddRectangleI(10, 10, 5, 5));
    ASSERT_TRUE(g.FillPath(green, path));
    Region region;
    ASSERT_TRUE(region.CreateFromRectI(Rect{0, 15, 5, 5}));
    ASSERT_TRUE(g.FillRegion(green, region));
    EXPECT_EQ(canvas.bitmap.Pixel(5, 5), kRed);
    EXPECT_EQ(canvas.bitmap.Pixel(12, 12), kGreen);
    EXPECT_EQ(canvas.bitmap.Pixel(2, 17), kGreen);
    EXPECT_EQ(canvas.bitmap.Pixel(17, 2), 0u);
}

TEST_F(GdiplusGraphicsDrawing, FillModeIsAlternateUnlessGiven)
{
    RecordCalls rec({"GdipFillPolygon", "GdipFillClosedCurve2I"});
    TestBrush red(kRed);
    const std::vector<PointF> triangle{{0, 0}, {10, 0}, {0, 10}};
    canvas.graphics.FillPolygon(red, triangle);
    canvas.graphics.FillPolygon(red, triangle, Gdiplus::FillModeWinding);
    canvas.graphics.FillClosedCurve2I(red, {Point{0, 0}, Point{10, 0}, Point{0, 10}}, 0.5f);
    ASSERT_EQ(rec.Calls().size(), 3u);
    EXPECT_EQ(rec.Calls()[0].args[4], "0");
    EXPECT_EQ(rec.Calls()[1].args[4], "1");
    EXPECT_EQ(rec.Calls()[2].args[4], "0.5");
    EXPECT_EQ(rec.Calls()[2].args[5], "0");
}

TEST_F(GdiplusGraphicsDrawing, EmptySequenceReachesGdiplusAsNullAndZero)
{
    RecordCalls rec({"GdipDrawLines", "GdipFillRectanglesI"});
    TestPen pen(kBlack, 1);
    TestBrush red(kRed);
    EXPECT_FALSE(canvas.graphics.DrawLines(pen, {}));
    EXPECT_FALSE(canvas.graphics.FillRectanglesI(red, {}));
    ASSERT_EQ(rec.Calls().size(), 2u);
    for (const RecordedCall& call : rec.Calls()) {
        EXPECT_EQ(call.args[2], "null") << call.name;
        EXPECT_EQ(call.args[3], "0") << call.name;
    }
}

TEST_F(GdiplusGraphicsDrawing, OutlinesAreDrawnWithThePen)
{
    Graphics& g = canvas.graphics;
    TestPen pen(kBlack, 1);
    ASSERT_TRUE(g.DrawLineI(pen, 0, 2, 19, 2));
    ASSERT_TRUE(g.DrawRectangleI(pen, 5, 5, 10, 10));
    ASSERT_TRUE(g.DrawLinesI(pen, {Point{0, 18}, Point{19, 18}}));
    EXPECT_EQ(canvas.bitmap.Pixel(10, 2), kBlack);
    EXPECT_EQ(canvas.bitmap.Pixel(5, 10), kBlack);
    EXPECT_EQ(canvas.bitmap.Pixel(15, 10), kBlack);
    EXPECT_EQ(canvas.bitmap.Pixel(10, 10), 0u);
    EXPECT_EQ(canvas.bitmap.Pixel(10, 18), kBlack);
}

// Every outline and fill lands inside (10, 10)-(20, 20), curves with a few pixels of overshoot.
TEST(GdiplusGraphicsShapes, EveryOutlineAndFillInksInsideItsShape)
{
    EnsureGdiplusStarted();
    using Draw = std::function<bool(Graphics&, const GdiplusObject& pen, const GdiplusObject& brush)>;
    const std::vector<PointF> f{{10, 10}, {20, 15}, {10, 20}};
    const std::vector<Point> i{{10, 10}, {20, 15}, {10, 20}};
    const std::vector<PointF> bezier{{10, 10}, {13, 20}, {17, 10}, {20, 20}};
    const std::vector<Point> bezierI{{10, 10}, {13, 20}, {17, 10}, {20, 20}};
    GraphicsPath path;
    path.Create();
    path.AddRectangleI(10, 10, 10, 10);
    Region region;
    region.CreateFromRectI(Rect{10, 10, 10, 10});
    const std::pair<const char*, Draw> shapes[] = {
        {"DrawLine", [](Graphics& g, auto& p, auto&) { return g.DrawLine(p, 10, 10, 20, 20); }},
        {"DrawLineI", [](Graphics& g, auto& p, auto&) { return g.DrawLineI(p, 10, 10, 20, 20); }},
        {"DrawLines", [&](Graphics& g, auto& p, auto&) { return g.DrawLines(p, f); }},
        {"DrawLinesI", [&](Graphics& g, auto& p, auto&) { return g.DrawLinesI(p, i); }},
        {"DrawArc", [](Graphics& g, auto& p, auto&) { return g.DrawArc(p, 10, 10, 10, 10, 0, 180); }},
        {"DrawArcI", [](Graphics& g, auto& p, auto&) { return g.DrawArcI(p, 10, 10, 10, 10, 0, 180); }},
        {"DrawBezier", [](Graphics& g, auto& p, auto&) { return g.DrawBezier(p, 10, 10, 13, 20, 17, 10, 20, 20); }},
        {"DrawBezierI", [](Graphics& g, auto& p, auto&) { return g.DrawBezierI(p, 10, 10, 13, 20, 17, 10, 20, 20); }},
        {"DrawBeziers", [&](Graphics& g, auto& p, auto&) { return g.DrawBeziers(p, bezier); }},
        {"DrawBeziersI", [&](Graphics& g, auto& p, auto&) { return g.DrawBeziersI(p, bezierI); }},
        {"DrawRectangle", [](Graphics& g, auto& p, auto&) { return g.DrawRectangle(p, 10, 10, 10, 10); }},
        {"DrawRectangles", [](Graphics& g, auto& p, auto&) { return g.DrawRectangles(p, {RectF{10, 10, 10, 10}}); }},
        {"DrawRectanglesI", [](Graphics& g, auto& p, auto&) { return g.DrawRectanglesI(p, {Rect{10, 10, 10, 10}}); }},
        {"DrawEllipse", [](Graphics& g, auto& p, auto&) { return g.DrawEllipse(p, 10, 10, 10, 10); }},
        {"DrawEllipseI", [](Graphics& g, auto& p, auto&) { return g.DrawEllipseI(p, 10, 10, 10, 10); }},
        {"DrawPie", [](Graphics& g, auto& p, auto&) { return g.DrawPie(p, 10, 10, 10, 10, 0, 90); }},
        {"DrawPieI", [](Graphics& g, auto& p, auto&) { return g.DrawPieI(p, 10, 10, 10, 10, 0, 90); }},
        {"DrawPolygon", [&](Graphics& g, auto& p, auto&) { return g.DrawPolygon(p, f); }},
        {"DrawPolygonI", [&](Graphics& g, auto& p, auto&) { return g.DrawPolygonI(p, i); }},
        {"DrawPath", [&](Graphics& g, auto& p, auto&) { return g.DrawPath(p, path); }},
        {"DrawCurve", [&](Graphics& g, auto& p, auto&) { return g.DrawCurve(p, f); }},
        {"DrawCurveI", [&](Graphics& g, auto& p, auto&) { return g.DrawCurveI(p, i); }},
        {"DrawCurve2", [&](Graphics& g, auto& p, auto&) { return g.DrawCurve2(p, f, 0.5f); }},
        {"DrawCurve2I", [&](Graphics& g, auto& p, auto&) { return g.DrawCurve2I(p, i, 0.5f); }},
        {"DrawCurve3", [&](Graphics& g, auto& p, auto&) { return g.DrawCurve3(p, f, 0, 2, 0.5f); }},
        {"DrawCurve3I", [&](Graphics& g, auto& p, auto&) { return g.DrawCurve3I(p, i, 1, 1, 0.5f); }},
        {"DrawClosedCurve", [&](Graphics& g, auto& p, auto&) { return g.DrawClosedCurve(p, f); }},
        {"DrawClosedCurveI", [&](Graphics& g, auto& p, auto&) { return g.DrawClosedCurveI(p, i); }},
        {"DrawClosedCurve2", [&](Graphics& g, auto& p, auto&) { return g.DrawClosedCurve2(p, f, 0.5f); }},
        {"DrawClosedCurve2I", [&](Graphics& g, auto& p, auto&) { return g.DrawClosedCurve2I(p, i, 0.5f); }},
        {"FillPolygon", [&](Graphics& g, auto&, auto& b) { return g.FillPolygon(b, f); }},
        {"FillEllipse", [](Graphics& g, auto&, auto& b) { return g.FillEllipse(b, 10, 10, 10, 10); }},
        {"FillEllipseI", [](Graphics& g, auto&, auto& b) { return g.FillEllipseI(b, 10, 10, 10, 10); }},
        {"FillPie", [](Graphics& g, auto&, auto& b) { return g.FillPie(b, 10, 10, 10, 10, 0, 90); }},
        {"FillPieI", [](Graphics& g, auto&, auto& b) { return g.FillPieI(b, 10, 10, 10, 10, 0, 90); }},
        {"FillClosedCurve", [&](Graphics& g, auto&, auto& b) { return g.FillClosedCurve(b, f); }},
        {"FillClosedCurveI", [&](Graphics& g, auto&, auto& b) { return g.FillClosedCurveI(b, i); }},
        {"FillClosedCurve2", [&](Graphics& g, auto&, auto& b) { return g.FillClosedCurve2(b, f, 0.5f); }},
        {"FillClosedCurve2I", [&](Graphics& g, auto&, auto& b) { return g.FillClosedCurve2I(b, i, 0.5f, 1); }},
    };
    TestPen pen(kBlack, 1);
    TestBrush brush(kBlack);
    for (const auto& [name, draw] : shapes) {
        Canvas canvas(30, 30);
        EXPECT_TRUE(draw(canvas.graphics, pen, brush)) << name;
        int inside = 0;
        int outside = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 30; ++x)
                if (canvas.bitmap.Pixel(x, y) != 0)
                    ++((x >= 7 && x <= 23 && y >= 7 && y <= 23) ? inside : outside);
        EXPECT_GT(inside, 0) << name;
        EXPECT_EQ(outside, 0) << name;
    }
}

TEST_F(GdiplusGraphicsDrawing, DrawingWithAnEmptyPenFailsWithTheStatus)
{
    GdiplusObject noPen;
    EXPECT_FALSE(canvas.graphics.DrawRectangle(noPen, 1, 1, 5, 5));
    EXPECT_EQ(LastStatus, Gdiplus::InvalidParameter);
}

}  // namespace
