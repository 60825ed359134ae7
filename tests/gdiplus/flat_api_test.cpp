#include "gdiplus/flat_api.h"
#include "gdiplus/flat_api_recorder.h"
#include "gdiplus/gdiplus_object.h"
#include "gdiplus/support/gdiplus_test_support.h"

#include <gtest/gtest.h>

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

}  // namespace
