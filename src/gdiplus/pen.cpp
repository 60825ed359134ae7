#include "gdiplus/pen.h"

#include "gdiplus/call_patterns.h"

Pen::~Pen()
{
    Delete();
}

void Pen::SetNativeHandle(void* handle)
{
    nativeHandle = static_cast<Gdiplus::GpPen*>(handle);
}

bool Pen::Delete()
{
    return DeleteNative(*this, nativeHandle, Flat().GdipDeletePen);
}

bool Pen::Create(Gdiplus::ARGB color, float width, int unit)
{
    return CreateInto(*this, nativeHandle, Flat().GdipCreatePen1, color, width, unit);
}

bool Pen::CreateFromBrush(const GdiplusObject& brush, float width, int unit)
{
    return CreateInto(*this, nativeHandle, Flat().GdipCreatePen2, brush, width, unit);
}

bool Pen::Clone(Pen& target) const
{
    return CloneInto(target, Flat().GdipClonePen, nativeHandle);
}

float Pen::GetWidth() const
{
    return Getter(Flat().GdipGetPenWidth, nativeHandle);
}

bool Pen::SetWidth(float width)
{
    return Action(Flat().GdipSetPenWidth, nativeHandle, width);
}

int Pen::GetUnit() const
{
    return Getter(Flat().GdipGetPenUnit, nativeHandle);
}

bool Pen::SetUnit(int unit)
{
    return Action(Flat().GdipSetPenUnit, nativeHandle, unit);
}

bool Pen::SetLineCap(int startCap, int endCap, int dashCap)
{
    return Action(Flat().GdipSetPenLineCap197819, nativeHandle, startCap, endCap, dashCap);
}

bool Pen::SetLineCap2(int startCap, int endCap, int dashCap)
{
    return SetLineCap(startCap, endCap, dashCap);
}

bool Pen::SetStartCap(int cap)
{
    return Action(Flat().GdipSetPenStartCap, nativeHandle, cap);
}

bool Pen::SetEndCap(int cap)
{
    return Action(Flat().GdipSetPenEndCap, nativeHandle, cap);
}

bool Pen::SetDashCap(int dashCap)
{
    return Action(Flat().GdipSetPenDashCap197819, nativeHandle, dashCap);
}

int Pen::GetStartCap() const
{
    return Getter(Flat().GdipGetPenStartCap, nativeHandle);
}

int Pen::GetEndCap() const
{
    return Getter(Flat().GdipGetPenEndCap, nativeHandle);
}

int Pen::GetDashCap() const
{
    return Getter(Flat().GdipGetPenDashCap197819, nativeHandle);
}

int Pen::GetDashCap2() const
{
    return GetDashCap();
}

bool Pen::SetLineJoin(int join)
{
    return Action(Flat().GdipSetPenLineJoin, nativeHandle, join);
}

int Pen::GetLineJoin() const
{
    return Getter(Flat().GdipGetPenLineJoin, nativeHandle);
}

bool Pen::SetCustomStartCap(const GdiplusObject& customCap)
{
    return Action(Flat().GdipSetPenCustomStartCap, nativeHandle, customCap);
}

bool Pen::GetCustomStartCap(GdiplusObject& target) const
{
    return CloneInto(target, Flat().GdipGetPenCustomStartCap, nativeHandle);
}

bool Pen::SetCustomEndCap(const GdiplusObject& customCap)
{
    return Action(Flat().GdipSetPenCustomEndCap, nativeHandle, customCap);
}

bool Pen::GetCustomEndCap(GdiplusObject& target) const
{
    return CloneInto(target, Flat().GdipGetPenCustomEndCap, nativeHandle);
}

bool Pen::SetMiterLimit(float limit)
{
    return Action(Flat().GdipSetPenMiterLimit, nativeHandle, limit);
}

float Pen::GetMiterLimit() const
{
    return Getter(Flat().GdipGetPenMiterLimit, nativeHandle);
}

bool Pen::SetAlignment(int alignment)
{
    return Action(Flat().GdipSetPenMode, nativeHandle, alignment);
}

int Pen::GetAlignment() const
{
    return Getter(Flat().GdipGetPenMode, nativeHandle);
}

bool Pen::SetTransform(const GdiplusObject& matrix)
{
    return Action(Flat().GdipSetPenTransform, nativeHandle, matrix);
}

bool Pen::GetTransform(const GdiplusObject& matrix) const
{
    return Action(Flat().GdipGetPenTransform, nativeHandle, matrix);
}

bool Pen::ResetTransform()
{
    return Action(Flat().GdipResetPenTransform, nativeHandle);
}

bool Pen::MultiplyTransform(const GdiplusObject& matrix, int order)
{
    return Action(Flat().GdipMultiplyPenTransform, nativeHandle, matrix, order);
}

bool Pen::RotateTransform(float angle, int order)
{
    return Action(Flat().GdipRotatePenTransform, nativeHandle, angle, order);
}

bool Pen::ScaleTransform(float sx, float sy, int order)
{
    return Action(Flat().GdipScalePenTransform, nativeHandle, sx, sy, order);
}

bool Pen::TranslateTransform(float dx, float dy, int order)
{
    return Action(Flat().GdipTranslatePenTransform, nativeHandle, dx, dy, order);
}

Gdiplus::ARGB Pen::GetColor() const
{
    return Getter(Flat().GdipGetPenColor, nativeHandle);
}

bool Pen::SetColor(Gdiplus::ARGB color)
{
    return Action(Flat().GdipSetPenColor, nativeHandle, color);
}

bool Pen::SetBrush(const GdiplusObject& brush)
{
    return Action(Flat().GdipSetPenBrushFill, nativeHandle, brush);
}

bool Pen::GetBrush(Brush& target) const
{
    return CloneInto(target, Flat().GdipGetPenBrushFill, nativeHandle);
}

int Pen::GetPenType() const
{
    return Getter(Flat().GdipGetPenFillType, nativeHandle);
}

bool Pen::SetDashStyle(int dashStyle)
{
    return Action(Flat().GdipSetPenDashStyle, nativeHandle, dashStyle);
}

int Pen::GetDashStyle() const
{
    return Getter(Flat().GdipGetPenDashStyle, nativeHandle);
}

float Pen::GetDashOffset() const
{
    return Getter(Flat().GdipGetPenDashOffset, nativeHandle);
}

bool Pen::SetDashOffset(float offset)
{
    return Action(Flat().GdipSetPenDashOffset, nativeHandle, offset);
}

int Pen::GetDashPattern(std::vector<float>& dashes) const
{
    return CountThenFetch(
        dashes, [this](INT* count) { return Flat().GdipGetPenDashCount(nativeHandle, count); },
        [this](float* elements, INT count) { return Flat().GdipGetPenDashArray(nativeHandle, elements, count); });
}

bool Pen::SetDashPattern(const std::vector<float>& dashes)
{
    return Action(Flat().GdipSetPenDashArray, nativeHandle, ArrayOf(dashes), CountOf(dashes));
}

bool Pen::SetCompoundArray(const std::vector<float>& compounds)
{
    return Action(Flat().GdipSetPenCompoundArray, nativeHandle, ArrayOf(compounds), CountOf(compounds));
}

int Pen::GetCompoundArray(std::vector<float>& compounds) const
{
    return CountThenFetch(
        compounds, [this](INT* count) { return Flat().GdipGetPenCompoundCount(nativeHandle, count); },
        [this](float* elements, INT count) {
            return Flat().GdipGetPenCompoundArray(nativeHandle, elements, count);
        });
}
