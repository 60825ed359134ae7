#include "gdiplus/solid_brush.h"

#include "gdiplus/call_patterns.h"

void SolidBrush::SetDerivedHandle(void* handle)
{
    derivedHandle = static_cast<Gdiplus::GpSolidFill*>(handle);
}

bool SolidBrush::Create(Gdiplus::ARGB color)
{
    return CreateInto(*this, derivedHandle, Flat().GdipCreateSolidFill, color);
}

bool SolidBrush::SetColor(Gdiplus::ARGB color)
{
    return Action(Flat().GdipSetSolidFillColor, derivedHandle, color);
}

Gdiplus::ARGB SolidBrush::GetColor() const
{
    return Getter(Flat().GdipGetSolidFillColor, derivedHandle);
}
