#include "gdiplus/bitmap.h"

#include "gdiplus/call_patterns.h"
#include "gdiplus/flat_api.h"
#include "gdiplus/text_conversion.h"

Bitmap::~Bitmap()
{
    Bitmap::Delete();
}

void Bitmap::SetDerivedHandle(void* handle)
{
    derivedHandle = static_cast<Gdiplus::GpBitmap*>(handle);
}

bool Bitmap::Delete()
{
    return DisposeWithStream(derivedHandle, bitmapStream);
}

bool Bitmap::LoadFromFile(const std::string& fileName, BOOL colorManagement)
{
    Utf16Text name = ToUtf16(fileName);
    return CreateInto(*this, derivedHandle,
                      colorManagement ? Flat().GdipCreateBitmapFromFileICM : Flat().GdipCreateBitmapFromFile,
                      name.Data());
}

bool Bitmap::LoadFromBytes(const ByteBuffer& bytes, BOOL colorManagement)
{
    bitmapStream.Create(bytes);
    return CreateInto(*this, derivedHandle,
                      colorManagement ? Flat().GdipCreateBitmapFromStreamICM : Flat().GdipCreateBitmapFromStream,
                      bitmapStream.GetStream());
}

bool Bitmap::CreateFromScan0(INT width, INT height, INT stride, INT pixelFormat, void* pixels)
{
    return CreateInto(*this, derivedHandle, Flat().GdipCreateBitmapFromScan0, width, height, stride, pixelFormat,
                      static_cast<BYTE*>(pixels));
}

bool Bitmap::Create(INT width, INT height, INT pixelFormat)
{
    return CreateFromScan0(width, height, 0, pixelFormat, nullptr);
}

bool Bitmap::CreateFromGraphics(INT width, INT height, const GdiplusObject& graphics)
{
    return CreateInto(*this, derivedHandle, Flat().GdipCreateBitmapFromGraphics, width, height, graphics);
}

bool Bitmap::CreateFromGdiDib(const BITMAPINFO* info, void* pixels)
{
    return CreateInto(*this, derivedHandle, Flat().GdipCreateBitmapFromGdiDib, info, pixels);
}

bool Bitmap::CreateFromHBITMAP(HBITMAP bitmap, HPALETTE palette)
{
    return CreateInto(*this, derivedHandle, Flat().GdipCreateBitmapFromHBITMAP, bitmap, palette);
}

bool Bitmap::CreateFromHICON(HICON icon)
{
    return CreateInto(*this, derivedHandle, Flat().GdipCreateBitmapFromHICON, icon);
}

bool Bitmap::CreateFromResource(HINSTANCE instance, const WCHAR* name)
{
    return CreateInto(*this, derivedHandle, Flat().GdipCreateBitmapFromResource, instance, name);
}

HBITMAP Bitmap::GetHBITMAP(Gdiplus::ARGB background) const
{
    HBITMAP bitmap = nullptr;
    Action(Flat().GdipCreateHBITMAPFromBitmap, derivedHandle, &bitmap, background);
    return bitmap;
}

HICON Bitmap::GetHICON() const
{
    return Getter(Flat().GdipCreateHICONFromBitmap, derivedHandle);
}

bool Bitmap::CloneArea(const RectF& area, INT pixelFormat, Bitmap& target) const
{
    return CloneInto(target, Flat().GdipCloneBitmapArea, area.x, area.y, area.width, area.height, pixelFormat,
                     derivedHandle);
}

bool Bitmap::LockBits(const Rect& area, UINT flags, INT pixelFormat, BitmapData& data)
{
    return Action(Flat().GdipBitmapLockBits, derivedHandle, &area, flags, pixelFormat, &data);
}

bool Bitmap::UnlockBits(BitmapData& data)
{
    return Action(Flat().GdipBitmapUnlockBits, derivedHandle, &data);
}

Gdiplus::ARGB Bitmap::GetPixel(INT x, INT y) const
{
    return Getter(Flat().GdipBitmapGetPixel, derivedHandle, x, y);
}

bool Bitmap::SetPixel(INT x, INT y, Gdiplus::ARGB color)
{
    return Action(Flat().GdipBitmapSetPixel, derivedHandle, x, y, color);
}

bool Bitmap::SetResolution(float dpiX, float dpiY)
{
    return Action(Flat().GdipBitmapSetResolution, derivedHandle, dpiX, dpiY);
}

bool Bitmap::ApplyEffect(BitmapEffect& effect, const std::optional<Rect>& area)
{
    if (effect.GetAuxData() != nullptr)
        Free(effect.GetAuxData());
    // GDI+ takes the area as left, top, right, bottom.
    RECT bounds{};
    if (area)
        bounds = RECT{area->x, area->y, area->x + area->width, area->y + area->height};
    void* auxData = nullptr;
    INT auxDataSize = 0;
    bool ok = Action(Flat().GdipBitmapApplyEffect, derivedHandle, effect.GetNativeEffect(), area ? &bounds : nullptr,
                     effect.GetUseAuxData(), &auxData, &auxDataSize);
    effect.SetAuxData(auxData);
    effect.SetAuxDataSize(auxDataSize);
    return ok;
}
