#include "gdiplus/flat_api.h"
#include "gdiplus/flat_api_recorder.h"
#include "gdiplus/gdiplus_object.h"
#include "gdiplus/support/gdiplus_test_support.h"

#include "gdiplus/graphics.h"
#include "gdiplus/support/graphics_canvas.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(GdiplusFlatApi, EveryListedFunctionIsExportedByGdiplusDll)
{
    EXPECT_EQ(UnboundFlatFunctions(), std::vector<std::string>{});
}

TEST(GdiplusFlatApi, StartGdiplusAsksForVersionOneUnlessGivenAnother)
{
    struct Case {
        std::optional<std::uint32_t> version;
        const char* record;
    };
    for (const Case& c : {Case{std::nullopt, "{1, null, 0, 0}"}, Case{2u, "{2, null, 0, 0}"}}) {
        RecordCalls rec({"GdiplusStartup"});
        LastStatus = 77;
        ULONG_PTR token = StartGdiplus(c.version);
        ASSERT_EQ(rec.Calls().size(), 1u);
        EXPECT_EQ(rec.Calls()[0].args[1], c.record);
        EXPECT_EQ(rec.Calls()[0].args[2], "null");
        EXPECT_NE(token, 0u);
        EXPECT_EQ(gdiplusToken, token);
        EXPECT_EQ(LastStatus, 77);
    }
    LastStatus = 0;
}

Gdiplus::GpStatus WINAPI FakeDpi(Gdiplus::GpGraphics*, Gdiplus::REAL* dpi)
{
    *dpi = 1234.0f;
    return Gdiplus::Ok;
}

Gdiplus::GpStatus WINAPI WrongShape(Gdiplus::GpGraphics*, INT*)
{
    return Gdiplus::Ok;
}

TEST(GdiplusFlatApi, ReplacementServesUntilItGoesOutOfScopeAndIsRecordedToo)
{
    Canvas canvas(2, 2);
    const float realDpi = canvas.graphics.GetDpiX();
    {
        ReplaceCall fake("GdipGetDpiX", &FakeDpi);
        RecordCalls rec({"GdipGetDpiX"});
        EXPECT_EQ(canvas.graphics.GetDpiX(), 1234.0f);
        ASSERT_EQ(rec.Calls().size(), 1u);
        EXPECT_EQ(rec.Calls()[0].args[0], FormatPointer(canvas.graphics.GetNativePointer()));
    }
    EXPECT_EQ(canvas.graphics.GetDpiX(), realDpi);
    {
        RecordCalls rec({"GdipGetDpiX"});
        ReplaceCall fake("GdipGetDpiX", &FakeDpi);  // behind the recording this time
        EXPECT_EQ(canvas.graphics.GetDpiX(), 1234.0f);
        EXPECT_EQ(rec.Calls().size(), 1u);
    }
    EXPECT_EQ(canvas.graphics.GetDpiX(), realDpi);
}

TEST(GdiplusFlatApi, NestedRecordersEachSeeTheirOwnFunctions)
{
    Canvas canvas(2, 2);
    RecordCalls outer({"GdipGetDpiX", "GdipGetDpiY"});
    {
        RecordCalls inner({"GdipGetDpiX"});
        canvas.graphics.GetDpiX();
        canvas.graphics.GetDpiY();
        EXPECT_EQ(inner.Calls().size(), 1u);
    }
    canvas.graphics.GetDpiX();
    EXPECT_EQ(outer.Calls().size(), 3u);
    EXPECT_EQ(outer.CallsOf("GdipGetDpiY").size(), 1u);
}

TEST(GdiplusFlatApi, UnknownNamesAndMismatchedReplacementsAreRejected)
{
    EXPECT_THROW(RecordCalls({"GdipNoSuchFunction"}), std::invalid_argument);
    EXPECT_THROW(ReplaceCall("GdipGetDpiX", &WrongShape), std::invalid_argument);
}

}  // namespace
