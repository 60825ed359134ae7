#include "gdiplus/support/gdiplus_test_support.h"

namespace {

Gdiplus::GpBitmap* NewArgbBitmap(int width, int height)
{
    EnsureGdiplusStarted();
    Gdiplus::GpBitmap* bitmap = nullptr;
    Flat().GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, &bitmap);
    return bitmap;
}

}  // namespace

void EnsureGdiplusStarted()
{
    static const ULONG_PTR token = StartGdiplus();
    (void)token;
}

TestBitmap::TestBitmap(int width, int height)
    : OwnedNative<Gdiplus::GpImage>(NewArgbBitmap(width, height), Flat().GdipDisposeImage)
{
}

std::uint32_t TestBitmap::Pixel(int x, int y) const
{
    Gdiplus::ARGB color = 0;
    Flat().GdipBitmapGetPixel(Bitmap(), x, y, &color);
    return color;
}

void TestBitmap::SetPixel(int x, int y, std::uint32_t argb)
{
    Flat().GdipBitmapSetPixel(Bitmap(), x, y, argb);
}
