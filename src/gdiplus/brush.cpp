#include "gdiplus/brush.h"

#include "gdiplus/call_patterns.h"

Brush::~Brush()
{
    Delete();
}

void Brush::SetNativeHandle(void* handle)
{
    nativeHandle = static_cast<Gdiplus::GpBrush*>(handle);
    SetDerivedHandle(handle);
}

bool Brush::Delete()
{
    return DeleteNative(*this, nativeHandle, Flat().GdipDeleteBrush);
}

bool Brush::Clone(Brush& target) const
{
    return CloneInto(target, Flat().GdipCloneBrush, nativeHandle);
}

int Brush::GetType() const
{
    return Getter(Flat().GdipGetBrushType, nativeHandle);
}
