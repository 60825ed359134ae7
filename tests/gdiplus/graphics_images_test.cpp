// Graphics: drawing images and cached bitmaps, and enumerating metafiles.
#include "gdiplus/flat_api_recorder.h"
#include "gdiplus/graphics.h"
#include "gdiplus/support/graphics_canvas.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kBlue = 0xFF0000FF;

// Crisp pixels: nearest neighbour with pixel centres at half coordinates.
class GdiplusGraphicsImages : public ::testing::Test {
protected:
    GdiplusGraphicsImages()
    {
        canvas.graphics.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
        canvas.graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    }
    void TearDown() override { LastStatus = 0; }
    // Red up to column `split`, blue from there on. Edges are checked with a pixel's margin:
    // Wine's nearest-neighbour scaling may move them by one.
    static void PaintHalves(TestBitmap& picture, int width, int height, int split)
    {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                picture.SetPixel(x, y, x < split ? kRed : kBlue);
    }
    // A red picture with a blue lower-right pixel.
    static void Paint(TestBitmap& picture, int width, int height)
    {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                picture.SetPixel(x, y, kRed);
        picture.SetPixel(width - 1, height - 1, kBlue);
    }
    Canvas canvas{100, 60};
};

TEST_F(GdiplusGraphicsImages, DrawImageRectScalesTheWholeImage)
{
    TestBitmap picture(39, 20);
    PaintHalves(picture, 39, 20, 20);
    struct Case {
        const char* function;
        bool (*draw)(Graphics&, const GdiplusObject&);
    };
    const Case cases[] = {
        {"GdipDrawImageRectRect", [](Graphics& g, const GdiplusObject& p) { return g.DrawImageRect(p, 0, 0, 78, 40); }},
        {"GdipDrawImageRectRectI", [](Graphics& g, const GdiplusObject& p) { return g.DrawImageRectI(p, 0, 0, 78, 40); }},
    };
    for (const Case& c : cases) {
        Canvas target(100, 60);
        target.graphics.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
        target.graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
        RecordCalls rec({c.function});
        ASSERT_TRUE(c.draw(target.graphics, picture)) << c.function;
        ASSERT_EQ(rec.Calls().size(), 1u) << c.function;
        const auto& args = rec.Calls()[0].args;
        EXPECT_EQ(std::vector<std::string>(args.begin() + 2, args.end()),
                  (std::vector<std::string>{"0", "0", "78", "40", "0", "0", "39", "20", "2", "null", "null", "null"}))
            << c.function;
        // The red half ends at x 40 (source column 20) and the picture at 78 x 40.
        const TestBitmap& drawn = target.bitmap;
        EXPECT_EQ(drawn.Pixel(2, 2), kRed) << c.function;
        EXPECT_EQ(drawn.Pixel(37, 20), kRed) << c.function;
        EXPECT_EQ(drawn.Pixel(43, 20), kBlue) << c.function;
        EXPECT_EQ(drawn.Pixel(75, 37), kBlue) << c.function;
        EXPECT_EQ(drawn.Pixel(81, 20), 0u) << c.function;
        EXPECT_EQ(drawn.Pixel(60, 43), 0u) << c.function;
    }
}

TEST_F(GdiplusGraphicsImages, SourceUnitIsPixelsWhenOmittedAndPassedWhenGiven)
{
    TestBitmap picture(4, 4);
    RecordCalls rec({"GdipDrawImageRectRect", "GdipDrawImageRectRectI", "GdipDrawImagePointRectI",
                     "GdipDrawImagePointsRect"});
    Graphics& g = canvas.graphics;
    g.DrawImageRect(picture, 0, 0, 8, 8);
    g.DrawImageRect(picture, 0, 0, 8, 8, 0);
    g.DrawImageRectRectI(picture, 0, 0, 8, 8, 0, 0, 4, 4);
    g.DrawImageRectRectI(picture, 0, 0, 8, 8, 0, 0, 4, 4, 0);
    g.DrawImagePointRectI(picture, 0, 0, 0, 0, 4, 4);
    g.DrawImagePointsRect(picture, 0, 0, 8, 0, 0, 8, 0, 0, 4, 4);
    ASSERT_EQ(rec.Calls().size(), 6u);
    EXPECT_EQ(rec.Calls()[0].args[10], "2");
    EXPECT_EQ(rec.Calls()[1].args[10], "0");
    EXPECT_EQ(rec.Calls()[2].args[10], "2");
    EXPECT_EQ(rec.Calls()[3].args[10], "0");
    EXPECT_EQ(rec.Calls()[4].args[8], "2");
    EXPECT_EQ(rec.Calls()[5].args[8], "2");
    EXPECT_EQ(rec.Calls()[5].args[3], "3");
    EXPECT_EQ(rec.Calls()[5].args[9], "null");
}

TEST_F(GdiplusGraphicsImages, ThreePointsPlaceTheUpperCornersAndTheLowerLeft)
{
    TestBitmap picture(10, 10);
    PaintHalves(picture, 10, 10, 5);
    ASSERT_TRUE(canvas.graphics.DrawImagePoints(picture, 0, 0, 100, 0, 0, 50));
    EXPECT_EQ(canvas.bitmap.Pixel(46, 25), kRed);
    EXPECT_EQ(canvas.bitmap.Pixel(54, 25), kBlue);
    EXPECT_EQ(canvas.bitmap.Pixel(97, 47), kBlue);
    EXPECT_EQ(canvas.bitmap.Pixel(50, 53), 0u);

    Canvas mirrored(20, 10);
    ASSERT_TRUE(mirrored.graphics.DrawImagePointsI(picture, 20, 0, 0, 0, 20, 10));  // flipped left-right
    EXPECT_EQ(mirrored.bitmap.Pixel(4, 5), kBlue);
    EXPECT_EQ(mirrored.bitmap.Pixel(15, 5), kRed);
}

TEST_F(GdiplusGraphicsImages, SourceRectanglesPickPartOfTheImage)
{
    TestBitmap picture(4, 4);
    Paint(picture, 4, 4);  // blue at (3, 3)
    Graphics& g = canvas.graphics;
    ASSERT_TRUE(g.DrawImagePointRectI(picture, 10, 10, 2, 2, 2, 2));
    EXPECT_EQ(canvas.bitmap.Pixel(10, 10), kRed);
    EXPECT_EQ(canvas.bitmap.Pixel(11, 11), kBlue);
    EXPECT_EQ(canvas.bitmap.Pixel(12, 12), 0u);
    ASSERT_TRUE(g.DrawImageRectRect(picture, 20, 20, 4, 4, 3, 3, 1, 1));  // the blue pixel, 4 x 4
    EXPECT_EQ(canvas.bitmap.Pixel(20, 20), kBlue);
    EXPECT_EQ(canvas.bitmap.Pixel(23, 23), kBlue);
    ASSERT_TRUE(g.DrawImagePointsRectI(picture, 30, 30, 34, 30, 30, 34, 3, 3, 1, 1));
    EXPECT_EQ(canvas.bitmap.Pixel(33, 33), kBlue);
}

TEST_F(GdiplusGraphicsImages, UnscaledDrawingPlacesTheImageAtItsPoint)
{
    TestBitmap picture(2, 2);
    Paint(picture, 2, 2);
    ASSERT_TRUE(canvas.graphics.DrawImageI(picture, 5, 6));
    ASSERT_TRUE(canvas.graphics.DrawImage(picture, 20.0f, 6.0f));
    EXPECT_EQ(canvas.bitmap.Pixel(6, 7), kBlue);
    EXPECT_EQ(canvas.bitmap.Pixel(21, 7), kBlue);
    EXPECT_EQ(canvas.bitmap.Pixel(4, 6), 0u);
}

TEST_F(GdiplusGraphicsImages, CachedBitmapCoordinatesAreTruncatedTowardZero)
{
    TestBitmap picture(2, 2);
    Paint(picture, 2, 2);
    Gdiplus::GpCachedBitmap* native = nullptr;
    ASSERT_EQ(Flat().GdipCreateCachedBitmap(picture.Bitmap(), static_cast<Gdiplus::GpGraphics*>(
                                                                  canvas.graphics.GetNativePointer()),
                                            &native),
              Gdiplus::Ok);
    OwnedNative<Gdiplus::GpCachedBitmap> cached(native, Flat().GdipDeleteCachedBitmap);
    RecordCalls rec({"GdipDrawCachedBitmap"});
    ASSERT_TRUE(canvas.graphics.DrawCachedBitmap(cached, 10.9f, -0.5f));
    ASSERT_EQ(rec.Calls().size(), 1u);
    EXPECT_EQ(rec.Calls()[0].args[2], "10");
    EXPECT_EQ(rec.Calls()[0].args[3], "0");
    EXPECT_EQ(canvas.bitmap.Pixel(10, 0), kRed);
    EXPECT_EQ(canvas.bitmap.Pixel(11, 1), kBlue);
    EXPECT_EQ(canvas.bitmap.Pixel(9, 0), 0u);
}

TEST_F(GdiplusGraphicsImages, GraphicsOverAnImageDrawsIntoItsPixels)
{
    TestBitmap picture(3, 3);
    Graphics graphics;
    ASSERT_TRUE(graphics.CreateFromImage(picture));
    ASSERT_TRUE(graphics.Clear(kBlue));
    EXPECT_EQ(picture.Pixel(2, 2), kBlue);
    GdiplusObject noImage;
    Graphics failed;
    EXPECT_FALSE(failed.CreateFromImage(noImage));
    EXPECT_EQ(LastStatus, Gdiplus::InvalidParameter);
}

// Metafiles: recorded in memory with one filled rectangle, then played back record by record.
class GdiplusGraphicsMetafiles : public GdiplusGraphicsImages {
protected:
    GdiplusGraphicsMetafiles()
    {
        HDC screen = GetDC(nullptr);
        Gdiplus::GpRectF frame(0, 0, 10, 10);
        Gdiplus::GpMetafile* native = nullptr;
        Flat().GdipRecordMetafile(screen, Gdiplus::EmfTypeEmfPlusOnly, &frame, Gdiplus::MetafileFrameUnitPixel,
                                  nullptr, &native);
        ReleaseDC(nullptr, screen);
        metafile.SetNativePointer(native);
        Graphics recorder;
        recorder.CreateFromImage(metafile);
        TestBrush red(kRed);
        recorder.FillRectangleI(red, 0, 0, 5, 5);
    }
    static BOOL CALLBACK CountRecord(Gdiplus::EmfPlusRecordType, UINT, UINT, const BYTE*, VOID* counter)
    {
        ++*static_cast<int*>(counter);
        return TRUE;
    }
    OwnedNative<Gdiplus::GpImage> metafile{nullptr, Flat().GdipDisposeImage};
};

TEST_F(GdiplusGraphicsMetafiles, EnumerationCallsTheCallbackWithItsDataForEveryRecord)
{
    ASSERT_NE(metafile.GetNativePointer(), nullptr);
    int records = 0;
    EXPECT_TRUE(canvas.graphics.EnumerateMetafileDestRect(metafile, RectF{0, 0, 10, 10}, &CountRecord, &records));
    EXPECT_GT(records, 0);
    int again = 0;
    EXPECT_TRUE(canvas.graphics.EnumerateMetafileDestPoint(metafile, PointF{0, 0}, &CountRecord, &again));
    EXPECT_EQ(again, records);
    again = 0;
    EXPECT_TRUE(canvas.graphics.EnumerateMetafileSrcRectDestRectI(metafile, Rect{0, 0, 10, 10}, Rect{0, 0, 10, 10},
                                                                  Gdiplus::UnitPixel, &CountRecord, &again));
    EXPECT_EQ(again, records);
}

// These abort the process under Wine: their argument passing is checked with GDI+ replaced.
Gdiplus::GpStatus WINAPI FakeEnumerateDestPoints(Gdiplus::GpGraphics*, const Gdiplus::GpMetafile*, const Gdiplus::PointF*,
                                        INT, Gdiplus::EnumerateMetafileProc callback, VOID* data,
                                        const Gdiplus::GpImageAttributes*)
{
    callback(Gdiplus::EmfPlusRecordTypeHeader, 0, 0, nullptr, data);
    return Gdiplus::Ok;
}

TEST_F(GdiplusGraphicsMetafiles, DestinationPointSequencesPassTheirArrayAndCount)
{
    ReplaceCall replaced("GdipEnumerateMetafileDestPoints", &FakeEnumerateDestPoints);
    RecordCalls rec({"GdipEnumerateMetafileDestPoints"});
    int records = 0;
    const std::vector<PointF> corners{{0, 0}, {10, 0}, {0, 10}};
    EXPECT_TRUE(canvas.graphics.EnumerateMetafileDestPoints(metafile, corners, &CountRecord, &records));
    EXPECT_EQ(records, 1);
    ASSERT_EQ(rec.Calls().size(), 1u);
    EXPECT_EQ(rec.Calls()[0].args[1], FormatPointer(metafile.GetNativePointer()));
    EXPECT_EQ(rec.Calls()[0].args[2], FormatPointer(corners.data()));
    EXPECT_EQ(rec.Calls()[0].args[3], "3");
    EXPECT_EQ(rec.Calls()[0].args[5], FormatPointer(&records));
    EXPECT_EQ(rec.Calls()[0].args[6], "null");
}

}  // namespace
