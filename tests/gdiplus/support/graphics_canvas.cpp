#include "gdiplus/support/graphics_canvas.h"

namespace {

template <class H, class F, class... A>
H* Make(F create, A... arguments)
{
    EnsureGdiplusStarted();
    H* handle = nullptr;
    create(arguments..., &handle);
    return handle;
}

Gdiplus::GpFont* MakeFont(float size)
{
    EnsureGdiplusStarted();
    Gdiplus::GpFontFamily* family = nullptr;
    Flat().GdipCreateFontFamilyFromName(L"微软雅黑", nullptr, &family);
    Gdiplus::GpFont* font = nullptr;
    Flat().GdipCreateFont(family, size, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel, &font);
    Flat().GdipDeleteFontFamily(family);
    return font;
}

}  // namespace

Canvas::Canvas(int width, int height) : bitmap(width, height)
{
    graphics.CreateFromImage(bitmap);
}

TestBrush::TestBrush(std::uint32_t argb)
    : OwnedNative(Make<Gdiplus::GpSolidFill>(Flat().GdipCreateSolidFill, argb), Flat().GdipDeleteBrush)
{
}

TestPen::TestPen(std::uint32_t argb, float width)
    : OwnedNative(Make<Gdiplus::GpPen>(Flat().GdipCreatePen1, argb, width, Gdiplus::UnitPixel), Flat().GdipDeletePen)
{
}

TestFont::TestFont(float size) : OwnedNative(MakeFont(size), Flat().GdipDeleteFont) {}

TestStringFormat::TestStringFormat()
    : OwnedNative(Make<Gdiplus::GpStringFormat>(Flat().GdipCreateStringFormat, 0, LANG_NEUTRAL),
                  Flat().GdipDeleteStringFormat)
{
}

void TestStringFormat::SetRanges(const std::vector<Gdiplus::CharacterRange>& ranges)
{
    Flat().GdipSetStringFormatMeasurableCharacterRanges(Handle(), static_cast<INT>(ranges.size()), ranges.data());
}

TestMatrix::TestMatrix(float m11, float m12, float m21, float m22, float dx, float dy)
    : OwnedNative(Make<Gdiplus::GpMatrix>(Flat().GdipCreateMatrix2, m11, m12, m21, m22, dx, dy),
                  Flat().GdipDeleteMatrix)
{
}

std::vector<float> TestMatrix::Elements() const
{
    std::vector<float> elements(6, 0.0f);
    Flat().GdipGetMatrixElements(Handle(), elements.data());
    return elements;
}
