#pragma once
// Test drawing surfaces and drawing tools made through the flat-function table, so Graphics tests
// do not depend on the other wrapper classes.
#include "gdiplus/graphics.h"
#include "gdiplus/support/gdiplus_test_support.h"

#include <cstdint>

// A 32bpp ARGB bitmap with a Graphics drawing into it.
struct Canvas {
    Canvas(int width, int height);
    TestBitmap bitmap;
    Graphics graphics;
};

struct TestBrush : OwnedNative<Gdiplus::GpBrush> {
    explicit TestBrush(std::uint32_t argb);
};

struct TestPen : OwnedNative<Gdiplus::GpPen> {
    TestPen(std::uint32_t argb, float width);
};

// A font of the family the program prefers, at `size` pixels.
struct TestFont : OwnedNative<Gdiplus::GpFont> {
    explicit TestFont(float size);
};

// A default string format, optionally with measurable character ranges (first, length).
struct TestStringFormat : OwnedNative<Gdiplus::GpStringFormat> {
    TestStringFormat();
    void SetRanges(const std::vector<Gdiplus::CharacterRange>& ranges);
};

// A 3x2 matrix (m11, m12, m21, m22, dx, dy).
struct TestMatrix : OwnedNative<Gdiplus::GpMatrix> {
    TestMatrix(float m11, float m12, float m21, float m22, float dx, float dy);
    std::vector<float> Elements() const;
};
