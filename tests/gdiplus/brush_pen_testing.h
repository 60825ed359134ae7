#pragma once
// What the brush, pen and text-object tests share: a fixture that starts GDI+ and resets
// LastStatus, and a GDI+ matrix made through the flat-function table (the library has no matrix
// class) whose elements can be read back.
#include "gdiplus/flat_api.h"
#include "gdiplus/gdiplus_object.h"
#include "gdiplus/support/gdiplus_test_support.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

using GdiplusWrapperTest = GdiplusTest;

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

// The transform methods brushes and pens share, on wrappers that `create` fills: scaling by
// (2, 3), then translating by (5, 7) before it (prepend, the default order) or after it; and a
// set transform multiplied by itself.
template <class Wrapper, class Create>
void ExpectTransformsCompose(Create create)
{
    struct Case {
        std::optional<int> order;
        std::vector<float> elements;
    };
    for (const Case& c : {Case{std::nullopt, {2, 0, 0, 3, 10, 21}}, Case{Gdiplus::MatrixOrderAppend, {2, 0, 0, 3, 5, 7}}}) {
        SCOPED_TRACE(c.order.value_or(-1));
        Wrapper wrapper;
        ASSERT_TRUE(create(wrapper));
        ASSERT_TRUE(wrapper.ResetTransform());
        ASSERT_TRUE(wrapper.ScaleTransform(2, 3));
        ASSERT_TRUE(c.order ? wrapper.TranslateTransform(5, 7, *c.order) : wrapper.TranslateTransform(5, 7));
        NativeMatrix matrix;
        ASSERT_TRUE(wrapper.GetTransform(matrix));
        EXPECT_EQ(matrix.Elements(), c.elements);
    }
    Wrapper wrapper;
    ASSERT_TRUE(create(wrapper));
    NativeMatrix shift(1, 0, 0, 1, 4, 6);
    ASSERT_TRUE(wrapper.SetTransform(shift));
    ASSERT_TRUE(wrapper.MultiplyTransform(shift));
    NativeMatrix result;
    ASSERT_TRUE(wrapper.GetTransform(result));
    EXPECT_EQ(result.Elements(), (std::vector<float>{1, 0, 0, 1, 8, 12}));
}
