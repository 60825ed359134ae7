#include "gdiplus/text_conversion.h"

#include <gtest/gtest.h>

#include <cwchar>

namespace {

// The bench runs in code page 936, so ANSI and OEM are both GBK there.
TEST(GdiplusTextConversion, AnsiTextBecomesUtf16WithItsLength)
{
    struct Case {
        const char* text;
        const wchar_t* expected;
    };
    for (const Case& c : {Case{"", L""}, Case{"Cache", L"Cache"}, Case{"宋体 2K14", L"宋体 2K14"}}) {
        Utf16Text wide = ToUtf16(c.text);
        EXPECT_EQ(std::wstring(wide.Data()), c.expected) << c.text;
        EXPECT_EQ(wide.Length(), static_cast<INT>(std::wcslen(c.expected))) << c.text;
    }
}

TEST(GdiplusTextConversion, EmptyTextIsOnlyTheTerminator)
{
    Utf16Text wide = ToUtf16("");
    ASSERT_NE(wide.Data(), nullptr);
    EXPECT_EQ(wide.Data()[0], L'\0');
    EXPECT_EQ(wide.Length(), 0);
}

TEST(GdiplusTextConversion, Utf16BecomesTextInTheOemCodePage)
{
    EXPECT_EQ(FromUtf16(L"微软雅黑"), "微软雅黑");
    EXPECT_EQ(FromUtf16(L"Tahoma"), "Tahoma");
    EXPECT_EQ(FromUtf16(L""), "");
    EXPECT_EQ(FromUtf16(nullptr), "");
}

}  // namespace
