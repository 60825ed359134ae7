// The object model and the call patterns every wrapper shares, each on a representative method.
#include "gdiplus/call_patterns.h"
#include "gdiplus/flat_api_recorder.h"
#include "gdiplus/graphics.h"
#include "gdiplus/region.h"
#include "gdiplus/support/graphics_canvas.h"

#include <gtest/gtest.h>

namespace {

constexpr std::int32_t kUntouched = 4242;

class GdiplusObjectModel : public GdiplusTest {};

TEST_F(GdiplusObjectModel, AdoptedHandleIsWhatTheClassPassesToGdiplus)
{
    Canvas canvas(4, 4);
    Gdiplus::GpGraphics* native = nullptr;
    ASSERT_EQ(Flat().GdipGetImageGraphicsContext(canvas.bitmap.Bitmap(), &native), Gdiplus::Ok);
    {
        Graphics adopted;
        adopted.SetNativePointer(native);
        EXPECT_EQ(adopted.GetNativePointer(), native);
        RecordCalls rec({"GdipSetSmoothingMode", "GdipDeleteGraphics"});
        EXPECT_TRUE(adopted.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias));
        EXPECT_TRUE(adopted.Delete());
        ASSERT_EQ(rec.Calls().size(), 2u);
        EXPECT_EQ(rec.Calls()[0].args[0], FormatPointer(native));
        EXPECT_EQ(rec.Calls()[1].ToString(), "GdipDeleteGraphics(" + FormatPointer(native) + ")");
        EXPECT_EQ(adopted.GetNativePointer(), nullptr);
    }
}

TEST_F(GdiplusObjectModel, SecondDeleteReturnsFalseAndLeavesTheStatus)
{
    RecordCalls rec({"GdipDeleteGraphics"});
    {
        Canvas canvas(4, 4);
        ASSERT_NE(canvas.graphics.GetNativePointer(), nullptr);
        EXPECT_TRUE(canvas.graphics.Delete());
        EXPECT_EQ(LastStatus, 0);
        LastStatus = kUntouched;
        EXPECT_FALSE(canvas.graphics.Delete());
        EXPECT_EQ(LastStatus, kUntouched);
    }
    EXPECT_EQ(rec.Calls().size(), 1u) << "the destructor of a deleted wrapper calls nothing";
}

TEST_F(GdiplusObjectModel, DestructorReleasesAHeldObject)
{
    RecordCalls rec({"GdipDeleteGraphics"});
    void* native = nullptr;
    {
        Canvas canvas(4, 4);
        native = canvas.graphics.GetNativePointer();
    }
    ASSERT_EQ(rec.Calls().size(), 1u);
    EXPECT_EQ(rec.Calls()[0].args[0], FormatPointer(native));
}

TEST_F(GdiplusObjectModel, FailedCreateRecordsTheStatusAndLeavesTheWrapperEmpty)
{
    Graphics graphics;
    EXPECT_FALSE(graphics.CreateFromHDC(nullptr));
    EXPECT_NE(LastStatus, 0);
    EXPECT_EQ(graphics.GetNativePointer(), nullptr);
}

// GDI+ leaves the output slot alone when it refuses a null device context, so a holding
// wrapper keeps its previous object in every copy (still usable, released once at the end).
TEST_F(GdiplusObjectModel, FailedCreateIntoAHoldingWrapperKeepsThePreviousObject)
{
    RecordCalls rec({"GdipDeleteGraphics"});
    void* before = nullptr;
    {
        Canvas canvas(4, 4);
        before = canvas.graphics.GetNativePointer();
        ASSERT_NE(before, nullptr);
        EXPECT_FALSE(canvas.graphics.CreateFromHDC(nullptr));
        EXPECT_NE(LastStatus, 0);
        EXPECT_EQ(canvas.graphics.GetNativePointer(), before);
        EXPECT_TRUE(canvas.graphics.Clear(0xFF0000FF)) << "the class's own copy still holds the object";
        EXPECT_EQ(canvas.bitmap.Pixel(1, 1), 0xFF0000FFu);
    }
    ASSERT_EQ(rec.Calls().size(), 1u);
    EXPECT_EQ(rec.Calls()[0].args[0], FormatPointer(before));
}

TEST_F(GdiplusObjectModel, AllocHandsOutAWritableBlockOfGdiplusMemory)
{
    GdiplusObject object;
    auto* block = static_cast<unsigned char*>(object.Alloc(60));
    ASSERT_NE(block, nullptr);
    block[0] = 1;
    block[59] = 2;
    object.Free(block);
}

TEST_F(GdiplusObjectModel, GettersOfAnEmptyWrapperReturnZeroAndRecordTheStatus)
{
    Graphics empty;
    LastStatus = kUntouched;
    EXPECT_EQ(empty.GetSmoothingMode(), 0);
    EXPECT_EQ(LastStatus, Gdiplus::InvalidParameter);
    LastStatus = kUntouched;
    EXPECT_FALSE(empty.IsClipEmpty());
    EXPECT_EQ(LastStatus, Gdiplus::InvalidParameter);
    LastStatus = kUntouched;
    RectF bounds = empty.GetClipBounds();
    EXPECT_EQ(LastStatus, Gdiplus::InvalidParameter);
    EXPECT_EQ(bounds.x, 0.0f);
    EXPECT_EQ(bounds.width, 0.0f);
    LastStatus = kUntouched;
    EXPECT_FALSE(empty.Clear());
    EXPECT_EQ(LastStatus, Gdiplus::InvalidParameter);
}

TEST_F(GdiplusObjectModel, CloneIntoHandsTheNewObjectToTheTarget)
{
    TestBrush source(0xFF0000FF);
    GdiplusObject target;
    ASSERT_TRUE(CloneInto(target, Flat().GdipCloneBrush, source));
    ASSERT_NE(target.GetNativePointer(), nullptr);
    EXPECT_NE(target.GetNativePointer(), source.GetNativePointer());
    Flat().GdipDeleteBrush(static_cast<Gdiplus::GpBrush*>(target.GetNativePointer()));

    // A failed clone still overwrites the target, with the null GDI+ left.
    GdiplusObject none;
    target.SetNativePointer(source.GetNativePointer());
    EXPECT_FALSE(CloneInto(target, Flat().GdipCloneBrush, none));
    EXPECT_EQ(LastStatus, Gdiplus::InvalidParameter);
    EXPECT_EQ(target.GetNativePointer(), nullptr);
}

TEST_F(GdiplusObjectModel, CountThenFetchReplacesTheSequenceOnlyWhenTheCountIsKnown)
{
    GdiplusObject identity;  // a null matrix means none
    Region region;
    std::vector<Rect> scans{Rect{7, 7, 7, 7}, Rect{8, 8, 8, 8}};
    EXPECT_EQ(region.GetRegionScansI(identity, scans), 0);
    EXPECT_EQ(LastStatus, Gdiplus::InvalidParameter);
    ASSERT_EQ(scans.size(), 2u);
    EXPECT_EQ(scans[1].x, 8);

    ASSERT_TRUE(region.CreateFromRectI(Rect{1, 2, 3, 4}));
    TestMatrix unit(1, 0, 0, 1, 0, 0);
    EXPECT_EQ(region.GetRegionScansI(unit, scans), 1);
    ASSERT_EQ(scans.size(), 1u);
    EXPECT_EQ(scans[0].x, 1);
    EXPECT_EQ(scans[0].y, 2);
    EXPECT_EQ(scans[0].width, 3);
    EXPECT_EQ(scans[0].height, 4);
}

}  // namespace
