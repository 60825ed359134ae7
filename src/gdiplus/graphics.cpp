// Graphics: lifetime, rendering settings, transforms, clipping and saved states.
#include "gdiplus/graphics.h"

#include "gdiplus/call_patterns.h"

Graphics::~Graphics()
{
    Delete();
}

void Graphics::SetNativeHandle(void* handle)
{
    nativeHandle = static_cast<Gdiplus::GpGraphics*>(handle);
}

bool Graphics::Delete()
{
    return DeleteNative(*this, nativeHandle, Flat().GdipDeleteGraphics);
}

bool Graphics::CreateFromHWND(HWND window, int useColorManagement)
{
    if (useColorManagement != 0)
        return CreateInto(*this, nativeHandle, Flat().GdipCreateFromHWNDICM, window);
    return CreateInto(*this, nativeHandle, Flat().GdipCreateFromHWND, window);
}

bool Graphics::CreateFromHDC(HDC dc, std::optional<HANDLE> device)
{
    if (device)
        return CreateInto(*this, nativeHandle, Flat().GdipCreateFromHDC2, dc, *device);
    return CreateInto(*this, nativeHandle, Flat().GdipCreateFromHDC, dc);
}

bool Graphics::CreateFromImage(const GdiplusObject& image)
{
    return CreateInto(*this, nativeHandle, Flat().GdipGetImageGraphicsContext, image);
}

HDC Graphics::GetHDC()
{
    return Getter(Flat().GdipGetDC, nativeHandle);
}

bool Graphics::ReleaseHDC(HDC dc)
{
    return Action(Flat().GdipReleaseDC, nativeHandle, dc);
}

int Graphics::GetCompositingMode()
{
    return Getter(Flat().GdipGetCompositingMode, nativeHandle);
}

bool Graphics::SetCompositingMode(int mode)
{
    return Action(Flat().GdipSetCompositingMode, nativeHandle, mode);
}

bool Graphics::GetRenderingOrigin(int& x, int& y)
{
    return Action(Flat().GdipGetRenderingOrigin, nativeHandle, &x, &y);
}

bool Graphics::SetRenderingOrigin(int x, int y)
{
    return Action(Flat().GdipSetRenderingOrigin, nativeHandle, x, y);
}

int Graphics::GetCompositingQuality()
{
    return Getter(Flat().GdipGetCompositingQuality, nativeHandle);
}

bool Graphics::SetCompositingQuality(int quality)
{
    return Action(Flat().GdipSetCompositingQuality, nativeHandle, quality);
}

bool Graphics::SetSmoothingMode(int mode)
{
    return Action(Flat().GdipSetSmoothingMode, nativeHandle, mode);
}

int Graphics::GetSmoothingMode()
{
    return Getter(Flat().GdipGetSmoothingMode, nativeHandle);
}

bool Graphics::SetTextRenderingHint(int hint)
{
    return Action(Flat().GdipSetTextRenderingHint, nativeHandle, hint);
}

int Graphics::GetTextRenderingHint()
{
    return Getter(Flat().GdipGetTextRenderingHint, nativeHandle);
}

bool Graphics::SetInterpolationMode(int mode)
{
    return Action(Flat().GdipSetInterpolationMode, nativeHandle, mode);
}

int Graphics::GetInterpolationMode()
{
    return Getter(Flat().GdipGetInterpolationMode, nativeHandle);
}

bool Graphics::SetPixelOffsetMode(int mode)
{
    return Action(Flat().GdipSetPixelOffsetMode, nativeHandle, mode);
}

int Graphics::GetPixelOffsetMode()
{
    return Getter(Flat().GdipGetPixelOffsetMode, nativeHandle);
}

bool Graphics::SetTransform(const GdiplusObject& matrix)
{
    return Action(Flat().GdipSetWorldTransform, nativeHandle, matrix);
}

bool Graphics::GetTransform(const GdiplusObject& matrix)
{
    return Action(Flat().GdipGetWorldTransform, nativeHandle, matrix);
}

bool Graphics::ResetTransform()
{
    return Action(Flat().GdipResetWorldTransform, nativeHandle);
}

bool Graphics::MultiplyTransform(const GdiplusObject& matrix, int order)
{
    return Action(Flat().GdipMultiplyWorldTransform, nativeHandle, matrix, order);
}

bool Graphics::TranslateTransform(float dx, float dy, int order)
{
    return Action(Flat().GdipTranslateWorldTransform, nativeHandle, dx, dy, order);
}

bool Graphics::ScaleTransform(float sx, float sy, int order)
{
    return Action(Flat().GdipScaleWorldTransform, nativeHandle, sx, sy, order);
}

bool Graphics::RotateTransform(float angle, int order)
{
    return Action(Flat().GdipRotateWorldTransform, nativeHandle, angle, order);
}

bool Graphics::SetPageUnit(int unit)
{
    return Action(Flat().GdipSetPageUnit, nativeHandle, unit);
}

int Graphics::GetPageUnit()
{
    return Getter(Flat().GdipGetPageUnit, nativeHandle);
}

bool Graphics::SetPageScale(float scale)
{
    return Action(Flat().GdipSetPageScale, nativeHandle, scale);
}

float Graphics::GetPageScale()
{
    return Getter(Flat().GdipGetPageScale, nativeHandle);
}

float Graphics::GetDpiX()
{
    return Getter(Flat().GdipGetDpiX, nativeHandle);
}

float Graphics::GetDpiY()
{
    return Getter(Flat().GdipGetDpiY, nativeHandle);
}

// GDI+ writes the transformed points straight into the caller's contiguous sequence.
bool Graphics::TransformPoints(int destinationSpace, int sourceSpace, std::vector<PointF>& points)
{
    return Action(Flat().GdipTransformPoints, nativeHandle, destinationSpace, sourceSpace, ArrayOf(points),
                  CountOf(points));
}

bool Graphics::TransformPointsI(int destinationSpace, int sourceSpace, std::vector<Point>& points)
{
    return Action(Flat().GdipTransformPointsI, nativeHandle, destinationSpace, sourceSpace, ArrayOf(points),
                  CountOf(points));
}

// GDI+ adjusts a copy of the colour in place; the copy is the answer.
std::uint32_t Graphics::GetNearestColor(std::uint32_t color)
{
    Gdiplus::ARGB nearest = color;
    Action(Flat().GdipGetNearestColor, nativeHandle, &nearest);
    return nearest;
}

bool Graphics::SetClipGraphics(const GdiplusObject& graphics, int combineMode)
{
    return Action(Flat().GdipSetClipGraphics, nativeHandle, graphics, combineMode);
}

bool Graphics::SetClipPath(const GdiplusObject& path, int combineMode)
{
    return Action(Flat().GdipSetClipPath, nativeHandle, path, combineMode);
}

bool Graphics::SetClipRect(float x, float y, float width, float height, int combineMode)
{
    return Action(Flat().GdipSetClipRect, nativeHandle, x, y, width, height, combineMode);
}

bool Graphics::SetClipRectI(int x, int y, int width, int height, int combineMode)
{
    return Action(Flat().GdipSetClipRectI, nativeHandle, x, y, width, height, combineMode);
}

bool Graphics::SetClipRegion(const GdiplusObject& region, int combineMode)
{
    return Action(Flat().GdipSetClipRegion, nativeHandle, region, combineMode);
}

bool Graphics::SetClipHrgn(HRGN region, int combineMode)
{
    return Action(Flat().GdipSetClipHrgn, nativeHandle, region, combineMode);
}

bool Graphics::ResetClip()
{
    return Action(Flat().GdipResetClip, nativeHandle);
}

bool Graphics::TranslateClip(float dx, float dy)
{
    return Action(Flat().GdipTranslateClip, nativeHandle, dx, dy);
}

bool Graphics::TranslateClipI(int dx, int dy)
{
    return Action(Flat().GdipTranslateClipI, nativeHandle, dx, dy);
}

bool Graphics::GetClip(const GdiplusObject& region)
{
    return Action(Flat().GdipGetClip, nativeHandle, region);
}

RectF Graphics::GetClipBounds()
{
    return RecordGetter(Flat().GdipGetClipBounds, nativeHandle);
}

Rect Graphics::GetClipBoundsI()
{
    return RecordGetter(Flat().GdipGetClipBoundsI, nativeHandle);
}

RectF Graphics::GetVisibleClipBounds()
{
    return RecordGetter(Flat().GdipGetVisibleClipBounds, nativeHandle);
}

Rect Graphics::GetVisibleClipBoundsI()
{
    return RecordGetter(Flat().GdipGetVisibleClipBoundsI, nativeHandle);
}

bool Graphics::IsClipEmpty()
{
    return Query(Flat().GdipIsClipEmpty, nativeHandle);
}

bool Graphics::IsVisibleClipEmpty()
{
    return Query(Flat().GdipIsVisibleClipEmpty, nativeHandle);
}

bool Graphics::IsVisiblePoint(float x, float y)
{
    return Query(Flat().GdipIsVisiblePoint, nativeHandle, x, y);
}

bool Graphics::IsVisiblePointI(int x, int y)
{
    return Query(Flat().GdipIsVisiblePointI, nativeHandle, x, y);
}

bool Graphics::IsVisibleRect(float x, float y, float width, float height)
{
    return Query(Flat().GdipIsVisibleRect, nativeHandle, x, y, width, height);
}

bool Graphics::IsVisibleRectI(int x, int y, int width, int height)
{
    return Query(Flat().GdipIsVisibleRectI, nativeHandle, x, y, width, height);
}

unsigned Graphics::Save()
{
    return Getter(Flat().GdipSaveGraphics, nativeHandle);
}

bool Graphics::Restore(unsigned state)
{
    return Action(Flat().GdipRestoreGraphics, nativeHandle, state);
}

unsigned Graphics::BeginContainer(const RectF& destination, const RectF& source, int unit)
{
    return Getter(Flat().GdipBeginContainer, nativeHandle, &destination, &source, unit);
}

unsigned Graphics::BeginContainerI(const Rect& destination, const Rect& source, int unit)
{
    return Getter(Flat().GdipBeginContainerI, nativeHandle, &destination, &source, unit);
}

unsigned Graphics::BeginContainer2()
{
    return Getter(Flat().GdipBeginContainer2, nativeHandle);
}

bool Graphics::EndContainer(unsigned state)
{
    return Action(Flat().GdipEndContainer, nativeHandle, state);
}

bool Graphics::AddMetafileComment(const ByteBuffer* data)
{
    if (data == nullptr)
        return Action(Flat().GdipComment, nativeHandle, 0u, nullptr);
    return Action(Flat().GdipComment, nativeHandle, static_cast<UINT>(data->size()), data->data());
}
