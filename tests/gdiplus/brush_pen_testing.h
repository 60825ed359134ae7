#pragma once
// What the brush, pen and text-object tests share: a fixture that starts GDI+ and resets
// LastStatus, and a GDI+ matrix made through the flat-function table (the library has no matrix
// class) whose elements can be read back.
#include "gdiplus/flat_api.h"
#include "gdiplus/gdiplus_object.h"
#include "gdiplus/support/gdiplus_test_support.h"

#include <gtest/gtest.h>

#include <vector>

class GdiplusWrapperTest : public ::testing::Test {
protected:
    void SetUp() override { EnsureGdiplusStarted(); }
    void TearDown() override { LastStatus = 0; }
};

// An identity matrix unless elements (m11, m12, m21, m22, dx, dy) are given.
class NativeMatrix : public OwnedNative<Gdiplus::GpMatrix> {
public:
    NativeMatrix() : NativeMatrix(1, 0, 0, 1, 0, 0) {}
    NativeMatrix(float m11, float m12, float m21, float m22, float dx, float dy)
        : OwnedNative(Make(m11, m12, m21, m22, dx, dy), Flat().GdipDeleteMatrix)
    {
    }
    // m11, m12, m21, m22, dx, dy
    std::vector<float> Elements() const
    {
        std::vector<float> elements(6, 0.0f);
        Flat().GdipGetMatrixElements(Handle(), elements.data());
        return elements;
    }

private:
    static Gdiplus::GpMatrix* Make(float m11, float m12, float m21, float m22, float dx, float dy)
    {
        Gdiplus::GpMatrix* matrix = nullptr;
        Flat().GdipCreateMatrix2(m11, m12, m21, m22, dx, dy, &matrix);
        return matrix;
    }
};
