#pragma once
// Native objects the path and region tests pass as arguments (matrices, pens, font families,
// string formats), made through the flat-function table so the tests do not depend on other
// wrapper classes; and printed forms of records for readable comparisons.
#include "gdiplus/support/gdiplus_test_support.h"
#include "gdiplus/text_conversion.h"
#include "gdiplus/value_records.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace path_region_test {

using NativeMatrix = OwnedNative<Gdiplus::GpMatrix>;
using NativePen = OwnedNative<Gdiplus::GpPen>;
using NativeFamily = OwnedNative<Gdiplus::GpFontFamily>;
using NativeFormat = OwnedNative<Gdiplus::GpStringFormat>;

// The affine matrix | m11 m12 | m21 m22 | dx dy |.
inline NativeMatrix MakeMatrix(float m11, float m12, float m21, float m22, float dx, float dy)
{
    EnsureGdiplusStarted();
    Gdiplus::GpMatrix* matrix = nullptr;
    Flat().GdipCreateMatrix2(m11, m12, m21, m22, dx, dy, &matrix);
    return NativeMatrix(matrix, Flat().GdipDeleteMatrix);
}

// An opaque black pen of the given width in world units.
inline NativePen MakePen(float width)
{
    EnsureGdiplusStarted();
    Gdiplus::GpPen* pen = nullptr;
    Flat().GdipCreatePen1(0xFF000000, width, Gdiplus::UnitWorld, &pen);
    return NativePen(pen, Flat().GdipDeletePen);
}

// An installed family by its (ANSI) name; the handle is null when it is not installed.
inline NativeFamily MakeFontFamily(const std::string& name)
{
    EnsureGdiplusStarted();
    Utf16Text wide = ToUtf16(name);
    Gdiplus::GpFontFamily* family = nullptr;
    Flat().GdipCreateFontFamilyFromName(wide.Data(), nullptr, &family);
    return NativeFamily(family, Flat().GdipDeleteFontFamily);
}

// A string format with no flags, the same on Wine and Windows (Wine rejects a null format for
// text outlines).
inline NativeFormat MakeDefaultStringFormat()
{
    EnsureGdiplusStarted();
    Gdiplus::GpStringFormat* format = nullptr;
    Flat().GdipCreateStringFormat(0, LANG_NEUTRAL, &format);
    return NativeFormat(format, Flat().GdipDeleteStringFormat);
}

inline std::string Number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

inline std::string Text(const PointF& p) { return "(" + Number(p.x) + ", " + Number(p.y) + ")"; }
inline std::string Text(const Point& p) { return "(" + Number(p.x) + ", " + Number(p.y) + ")"; }

template <class R>
std::string Text(const R& r, decltype(r.width)* = nullptr)
{
    return "{" + Number(r.x) + ", " + Number(r.y) + ", " + Number(r.width) + ", " + Number(r.height) + "}";
}

template <class T>
std::string Text(const std::vector<T>& sequence)
{
    std::string text;
    for (const T& element : sequence)
        text += (text.empty() ? "" : " ") + Text(element);
    return text;
}

// One yes/no question to a path or region and the answer it must give, with status 0.
struct Answer {
    const char* name;
    std::function<bool()> ask;
    bool expected;
};

inline void ExpectAnswers(const std::vector<Answer>& answers)
{
    for (const Answer& answer : answers) {
        SCOPED_TRACE(answer.name);
        LastStatus = 77;
        EXPECT_EQ(answer.ask(), answer.expected);
        EXPECT_EQ(LastStatus, 0);
    }
}

}  // namespace path_region_test
