#include "gdiplus/region.h"

#include "gdiplus/flat_api_recorder.h"
#include "gdiplus/graphics.h"
#include "gdiplus/graphics_path.h"
#include "gdiplus/path_region_test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace path_region_test;

// Regions answer some questions only relative to a graphics; this one draws into a bitmap.
class GdiplusRegion : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureGdiplusStarted();
        ASSERT_TRUE(graphics.CreateFromImage(bitmap));
        LastStatus = 0;
    }

    TestBitmap bitmap{200, 50};
    Graphics graphics;
};

TEST_F(GdiplusRegion, CombinationsIntersectUnlessAnotherModeIsGiven)
{
    // The region (0, 0, 10, 10) combined with (5, 5, 10, 10), probed at a point only in the
    // region, one in both and one only in the operand.
    const RectF operand{5, 5, 10, 10};
    GraphicsPath operandPath;
    ASSERT_TRUE(operandPath.Create());
    ASSERT_TRUE(operandPath.AddRectangle(5, 5, 10, 10));
    Region operandRegion;
    ASSERT_TRUE(operandRegion.CreateFromRect(operand));

    struct Combiner {
        const char* name;
        std::function<bool(Region&, std::optional<int>)> combine;
    };
    const Combiner combiners[] = {
        {"CombineRect",
         [&](Region& r, std::optional<int> mode) { return mode ? r.CombineRect(operand, *mode) : r.CombineRect(operand); }},
        {"CombineRectI",
         [&](Region& r, std::optional<int> mode) {
             const Rect rect{5, 5, 10, 10};
             return mode ? r.CombineRectI(rect, *mode) : r.CombineRectI(rect);
         }},
        {"CombineRegion",
         [&](Region& r, std::optional<int> mode) {
             return mode ? r.CombineRegion(operandRegion, *mode) : r.CombineRegion(operandRegion);
         }},
        {"CombinePath",
         [&](Region& r, std::optional<int> mode) {
             return mode ? r.CombinePath(operandPath, *mode) : r.CombinePath(operandPath);
         }},
    };
    struct Mode {
        std::optional<int> mode;
        bool onlyRegion, both, onlyOperand;
    };
    const Mode modes[] = {
        {std::nullopt, false, true, false},  // omitted: intersect
        {0, false, true, true},              // replace
        {1, false, true, false},             // intersect
        {2, true, true, true},               // union
        {3, true, false, true},              // xor
        {4, true, false, false},             // exclude
        {5, false, false, true},             // complement
    };
    for (const Combiner& combiner : combiners) {
        for (const Mode& m : modes) {
            SCOPED_TRACE(std::string(combiner.name) + " mode " + (m.mode ? std::to_string(*m.mode) : "omitted"));
            Region region;
            ASSERT_TRUE(region.CreateFromRect({0, 0, 10, 10}));
            LastStatus = 77;
            EXPECT_TRUE(combiner.combine(region, m.mode));
            EXPECT_EQ(LastStatus, 0);
            EXPECT_EQ(region.IsVisiblePoint({2, 2}), m.onlyRegion);
            EXPECT_EQ(region.IsVisiblePoint({7, 7}), m.both);
            EXPECT_EQ(region.IsVisiblePoint({12, 12}), m.onlyOperand);
        }
    }
}

TEST_F(GdiplusRegion, ScansFollowTheMatrix)
{
    Region region;
    ASSERT_TRUE(region.CreateFromRectI({0, 0, 10, 20}));
    ASSERT_TRUE(region.CombineRectI({20, 0, 10, 20}, 2));
    struct Case {
        const char* name;
        NativeMatrix matrix;
        std::string scans;
    };
    const Case cases[] = {
        {"identity", MakeMatrix(1, 0, 0, 1, 0, 0), "{0, 0, 10, 20} {20, 0, 10, 20}"},
        {"scaled and moved", MakeMatrix(2, 0, 0, 3, 1, 2), "{1, 2, 20, 60} {41, 2, 20, 60}"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(region.GetRegionScansCount(c.matrix), 2);

        std::vector<RectF> rects{{9, 9, 9, 9}};
        LastStatus = 77;
        EXPECT_EQ(region.GetRegionScans(c.matrix, rects), 2);
        EXPECT_EQ(LastStatus, 0);
        EXPECT_EQ(Text(rects), c.scans);

        std::vector<Rect> rectsI;
        EXPECT_EQ(region.GetRegionScansI(c.matrix, rectsI), 2);
        EXPECT_EQ(Text(rectsI), c.scans);
    }
}

TEST_F(GdiplusRegion, ScansOfAnEmptyRegionEmptyTheSequenceAndAFailedCountLeavesItAlone)
{
    NativeMatrix identity = MakeMatrix(1, 0, 0, 1, 0, 0);
    Region empty;
    ASSERT_TRUE(empty.Create());
    ASSERT_TRUE(empty.MakeEmpty());
    std::vector<RectF> rects{{9, 9, 9, 9}};
    EXPECT_EQ(empty.GetRegionScans(identity, rects), 0);
    EXPECT_EQ(LastStatus, 0);
    EXPECT_TRUE(rects.empty());

    Region none;  // holds no native region
    std::vector<Rect> rectsI{{9, 9, 9, 9}};
    EXPECT_EQ(none.GetRegionScansI(identity, rectsI), 0);
    EXPECT_EQ(LastStatus, Gdiplus::InvalidParameter);
    EXPECT_EQ(Text(rectsI), "{9, 9, 9, 9}");
}

TEST_F(GdiplusRegion, CreationsAndResetsGiveTheExpectedArea)
{
    GraphicsPath path;
    ASSERT_TRUE(path.Create());
    ASSERT_TRUE(path.AddRectangle(1, 2, 3, 4));
    struct Case {
        const char* name;
        std::function<bool(Region&)> make;
        bool infinite, empty;
        RectF bounds;  // checked for finite, non-empty results
    };
    const Case cases[] = {
        {"Create", [](Region& r) { return r.Create(); }, true, false, {}},
        {"CreateFromRect", [](Region& r) { return r.CreateFromRect({1, 2, 3, 4}); }, false, false, {1, 2, 3, 4}},
        {"CreateFromRectI", [](Region& r) { return r.CreateFromRectI({1, 2, 3, 4}); }, false, false, {1, 2, 3, 4}},
        {"CreateFromPath", [&](Region& r) { return r.CreateFromPath(path); }, false, false, {1, 2, 3, 4}},
        {"MakeEmpty", [](Region& r) { return r.CreateFromRect({1, 2, 3, 4}) && r.MakeEmpty(); }, false, true, {}},
        {"MakeInfinite", [](Region& r) { return r.CreateFromRect({1, 2, 3, 4}) && r.MakeInfinite(); }, true, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Region region;
        EXPECT_TRUE(c.make(region));
        EXPECT_NE(region.GetNativePointer(), nullptr);
        EXPECT_EQ(region.IsInfinite(graphics), c.infinite);
        EXPECT_EQ(region.IsEmpty(graphics), c.empty);
        if (!c.infinite && !c.empty) {
            EXPECT_EQ(Text(region.GetBounds(graphics)), Text(c.bounds));
        }
    }
}

TEST_F(GdiplusRegion, MovesAndTransformsShiftTheBounds)
{
    NativeMatrix doubling = MakeMatrix(2, 0, 0, 2, 0, 0);
    struct Case {
        const char* name;
        std::function<bool(Region&)> move;
        std::string bounds;
    };
    const Case cases[] = {
        // Whole offsets: Wine keeps region bounds in whole pixels.
        {"Translate", [](Region& r) { return r.Translate(2, 7); }, "{2, 7, 10, 10}"},
        {"TranslateI", [](Region& r) { return r.TranslateI(3, 4); }, "{3, 4, 10, 10}"},
        {"Transform", [&](Region& r) { return r.Transform(doubling); }, "{0, 0, 20, 20}"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Region region;
        ASSERT_TRUE(region.CreateFromRect({0, 0, 10, 10}));
        EXPECT_TRUE(c.move(region));
        EXPECT_EQ(Text(region.GetBounds(graphics)), c.bounds);
        EXPECT_EQ(Text(region.GetBoundsI(graphics)), c.bounds);
    }
}

TEST_F(GdiplusRegion, VisibilityOfPointsAndRectangles)
{
    Region region;
    ASSERT_TRUE(region.CreateFromRect({0, 0, 10, 10}));
    ExpectAnswers({
        {"point inside", [&] { return region.IsVisiblePoint({5, 5}); }, true},
        {"point inside, with graphics", [&] { return region.IsVisiblePoint({5, 5}, &graphics); }, true},
        {"point outside", [&] { return region.IsVisiblePoint({15, 5}); }, false},
        {"integer point inside", [&] { return region.IsVisiblePointI({9, 1}); }, true},
        {"integer point outside", [&] { return region.IsVisiblePointI({1, 11}); }, false},
        {"overlapping rectangle", [&] { return region.IsVisibleRect({8, 8, 5, 5}); }, true},
        {"distant rectangle", [&] { return region.IsVisibleRect({20, 20, 2, 2}); }, false},
        {"overlapping integer rectangle", [&] { return region.IsVisibleRectI({-3, 8, 5, 5}); }, true},
        {"distant integer rectangle", [&] { return region.IsVisibleRectI({0, 12, 5, 5}); }, false},
    });
}

TEST_F(GdiplusRegion, SerialisedDataRebuildsAnEqualRegion)
{
    Region region;
    ASSERT_TRUE(region.CreateFromRect({1, 2, 3, 4}));
    ASSERT_TRUE(region.CombineRect({10, 10, 5, 5}, 2));
    const std::uint32_t size = region.GetDataSize();
    ASSERT_GT(size, 0u);

    UINT filled = 0;
    const ByteBuffer data = region.GetData(size, &filled);
    EXPECT_EQ(LastStatus, 0);
    EXPECT_EQ(filled, size);
    EXPECT_EQ(data.size(), size);
    EXPECT_EQ(region.GetData(size), data);  // the filled size is optional

    Region rebuilt;
    EXPECT_TRUE(rebuilt.CreateFromData(data, static_cast<int>(size)));
    EXPECT_TRUE(rebuilt.Equals(region, graphics));
    ASSERT_TRUE(rebuilt.TranslateI(1, 0));
    EXPECT_FALSE(rebuilt.Equals(region, graphics));

    RecordCalls rec({"GdipCreateRegionRgnData"});
    Region fromNothing;
    EXPECT_FALSE(fromNothing.CreateFromData(ByteBuffer(), 0));
    EXPECT_NE(LastStatus, 0);
    ASSERT_EQ(rec.Calls().size(), 1u);
    EXPECT_EQ(rec.Calls()[0].args[0], "null");

    // A size beyond the buffer is cut to the buffer's length: GDI+ never reads past it.
    Region oversized;
    EXPECT_TRUE(oversized.CreateFromData(data, static_cast<int>(size) + 64));
    EXPECT_TRUE(oversized.Equals(region, graphics));
    ASSERT_EQ(rec.Calls().size(), 2u);
    EXPECT_EQ(rec.Calls()[1].args[1], std::to_string(size));
}

TEST_F(GdiplusRegion, GdiRegionsGoInAndComeOut)
{
    HRGN source = CreateRectRgn(1, 2, 6, 9);
    Region region;
    EXPECT_TRUE(region.CreateFromHrgn(source));
    DeleteObject(source);
    EXPECT_EQ(Text(region.GetBoundsI(graphics)), "{1, 2, 5, 7}");

    HRGN copy = region.GetHRGN(graphics);
    ASSERT_NE(copy, nullptr);
    RECT box{};
    GetRgnBox(copy, &box);
    DeleteObject(copy);
    EXPECT_EQ(Text(Rect{box.left, box.top, box.right - box.left, box.bottom - box.top}), "{1, 2, 5, 7}");
}

TEST_F(GdiplusRegion, CloneHandsAnEqualIndependentRegionToTheTarget)
{
    Region region;
    ASSERT_TRUE(region.CreateFromRect({1, 2, 3, 4}));
    Region copy;
    EXPECT_TRUE(region.Clone(copy));
    ASSERT_NE(copy.GetNativePointer(), nullptr);
    EXPECT_NE(copy.GetNativePointer(), region.GetNativePointer());
    EXPECT_TRUE(copy.Equals(region, graphics));
    ASSERT_TRUE(copy.MakeEmpty());
    EXPECT_FALSE(region.IsEmpty(graphics));
}

TEST_F(GdiplusRegion, DeleteReleasesOnceAndTheDestructorOfADeletedRegionCallsNothing)
{
    RecordCalls rec({"GdipDeleteRegion"});
    {
        Region region;
        ASSERT_TRUE(region.Create());
        EXPECT_TRUE(region.Delete());
        LastStatus = 77;
        EXPECT_FALSE(region.Delete());
        EXPECT_EQ(LastStatus, 77);
    }
    EXPECT_EQ(rec.Calls().size(), 1u);
}

TEST_F(GdiplusRegion, MeasuredCharacterRangesLeaveEachRegionHoldingItsRange)
{
    NativeFamily family = MakeFontFamily("微软雅黑");
    ASSERT_NE(family.Handle(), nullptr);
    Gdiplus::GpFont* fontHandle = nullptr;
    ASSERT_EQ(Flat().GdipCreateFont(family.Handle(), 20, 0, Gdiplus::UnitPixel, &fontHandle), Gdiplus::Ok);
    OwnedNative<Gdiplus::GpFont> font(fontHandle, Flat().GdipDeleteFont);
    NativeFormat format = MakeDefaultStringFormat();
    const Gdiplus::CharacterRange ranges[] = {{0, 1}, {2, 2}};
    ASSERT_EQ(Flat().GdipSetStringFormatMeasurableCharacterRanges(format.Handle(), 2, ranges), Gdiplus::Ok);

    std::vector<std::unique_ptr<Region>> regions;
    ASSERT_TRUE(graphics.MeasureCharacterRanges("MMMM", font, RectF{0, 0, 200, 50}, &format, 2, regions));
    ASSERT_EQ(regions.size(), 2u);
    const RectF first = regions[0]->GetBounds(graphics);
    const RectF second = regions[1]->GetBounds(graphics);
    SCOPED_TRACE(Text(first) + " and " + Text(second));
    EXPECT_GT(first.width, 0);
    EXPECT_GT(first.height, 0);
    // The second range covers characters 2 and 3: twice as wide, to the right of characters 0 and 1.
    EXPECT_GT(second.width, 1.5f * first.width);
    EXPECT_GE(second.x, first.x + 1.5f * first.width);
    EXPECT_EQ(second.y, first.y);
}

}  // namespace
