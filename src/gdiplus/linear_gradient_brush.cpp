#include "gdiplus/linear_gradient_brush.h"

#include "gdiplus/call_patterns.h"

namespace {

// Every gradient starts out tiled.
constexpr int kTileWrapMode = 0;

// Count-then-fetch over a blend: the first sequence (factors or colours) and the positions both
// become `count` zeroed elements before fetch(first, positions, count) fills them.
template <class T, class AskCount, class Fetch>
int FetchBlend(std::vector<T>& first, std::vector<float>& positions, AskCount askCount, Fetch fetch)
{
    return CountThenFetch(first, askCount, [&](T* elements, INT count) {
        positions.assign(static_cast<std::size_t>(count), 0.0f);
        return fetch(elements, ArrayOf(positions), count);
    });
}

}  // namespace

void LinearGradientBrush::SetDerivedHandle(void* handle)
{
    derivedHandle = static_cast<Gdiplus::GpLineGradient*>(handle);
}

bool LinearGradientBrush::Create(const PointF& start, const PointF& end, Gdiplus::ARGB startColor,
                                 Gdiplus::ARGB endColor)
{
    return CreateInto(*this, derivedHandle, Flat().GdipCreateLineBrush, &start, &end, startColor, endColor,
                      kTileWrapMode);
}

bool LinearGradientBrush::CreateI(const Point& start, const Point& end, Gdiplus::ARGB startColor,
                                  Gdiplus::ARGB endColor)
{
    return CreateInto(*this, derivedHandle, Flat().GdipCreateLineBrushI, &start, &end, startColor, endColor,
                      kTileWrapMode);
}

bool LinearGradientBrush::CreateFromRect(const RectF& rect, Gdiplus::ARGB startColor, Gdiplus::ARGB endColor,
                                         int mode)
{
    return CreateInto(*this, derivedHandle, Flat().GdipCreateLineBrushFromRect, &rect, startColor, endColor, mode,
                      kTileWrapMode);
}

bool LinearGradientBrush::CreateFromRectI(const Rect& rect, Gdiplus::ARGB startColor, Gdiplus::ARGB endColor,
                                          int mode)
{
    return CreateInto(*this, derivedHandle, Flat().GdipCreateLineBrushFromRectI, &rect, startColor, endColor, mode,
                      kTileWrapMode);
}

bool LinearGradientBrush::CreateFromRectWithAngle(const RectF& rect, Gdiplus::ARGB startColor,
                                                  Gdiplus::ARGB endColor, float angle, bool angleScalable)
{
    return CreateInto(*this, derivedHandle, Flat().GdipCreateLineBrushFromRectWithAngle, &rect, startColor,
                      endColor, angle, BOOL{angleScalable}, kTileWrapMode);
}

bool LinearGradientBrush::CreateFromRectWithAngleI(const Rect& rect, Gdiplus::ARGB startColor,
                                                   Gdiplus::ARGB endColor, float angle, bool angleScalable)
{
    return CreateInto(*this, derivedHandle, Flat().GdipCreateLineBrushFromRectWithAngleI, &rect, startColor,
                      endColor, angle, BOOL{angleScalable}, kTileWrapMode);
}

bool LinearGradientBrush::GetLinearColors(Gdiplus::ARGB& startColor, Gdiplus::ARGB& endColor) const
{
    Gdiplus::ARGB colors[2] = {0, 0};
    bool ok = Action(Flat().GdipGetLineColors, derivedHandle, colors);
    startColor = colors[0];
    endColor = colors[1];
    return ok;
}

bool LinearGradientBrush::SetLinearColors(Gdiplus::ARGB startColor, Gdiplus::ARGB endColor)
{
    return Action(Flat().GdipSetLineColors, derivedHandle, startColor, endColor);
}

RectF LinearGradientBrush::GetRectangle() const
{
    return RecordGetter(Flat().GdipGetLineRect, derivedHandle);
}

Rect LinearGradientBrush::GetRectangleI() const
{
    return RecordGetter(Flat().GdipGetLineRectI, derivedHandle);
}

bool LinearGradientBrush::SetGammaCorrection(bool useGamma)
{
    return Action(Flat().GdipSetLineGammaCorrection, derivedHandle, BOOL{useGamma});
}

bool LinearGradientBrush::GetGammaCorrection() const
{
    return Getter(Flat().GdipGetLineGammaCorrection, derivedHandle) != FALSE;
}

bool LinearGradientBrush::SetBlend(const std::vector<float>& factors, const std::vector<float>& positions)
{
    return Action(Flat().GdipSetLineBlend, derivedHandle, ArrayOf(factors), ArrayOf(positions), CountOf(factors));
}

int LinearGradientBrush::GetBlend(std::vector<float>& factors, std::vector<float>& positions) const
{
    return FetchBlend(
        factors, positions, [this](INT* count) { return Flat().GdipGetLineBlendCount(derivedHandle, count); },
        [this](float* blend, float* where, INT count) {
            return Flat().GdipGetLineBlend(derivedHandle, blend, where, count);
        });
}

bool LinearGradientBrush::SetInterpolationColors(const std::vector<Gdiplus::ARGB>& colors,
                                                 const std::vector<float>& positions)
{
    return Action(Flat().GdipSetLinePresetBlend, derivedHandle, ArrayOf(colors), ArrayOf(positions),
                  CountOf(colors));
}

int LinearGradientBrush::GetInterpolationColors(std::vector<Gdiplus::ARGB>& colors,
                                                std::vector<float>& positions) const
{
    return FetchBlend(
        colors, positions, [this](INT* count) { return Flat().GdipGetLinePresetBlendCount(derivedHandle, count); },
        [this](Gdiplus::ARGB* blend, float* where, INT count) {
            return Flat().GdipGetLinePresetBlend(derivedHandle, blend, where, count);
        });
}

bool LinearGradientBrush::SetBlendBellShape(float focus, float scale)
{
    return Action(Flat().GdipSetLineSigmaBlend, derivedHandle, focus, scale);
}

bool LinearGradientBrush::SetBlendTriangularShape(float focus, float scale)
{
    return Action(Flat().GdipSetLineLinearBlend, derivedHandle, focus, scale);
}

int LinearGradientBrush::GetWrapMode() const
{
    return Getter(Flat().GdipGetLineWrapMode, derivedHandle);
}

bool LinearGradientBrush::SetWrapMode(int wrapMode)
{
    return Action(Flat().GdipSetLineWrapMode, derivedHandle, wrapMode);
}

bool LinearGradientBrush::GetTransform(const GdiplusObject& matrix) const
{
    return Action(Flat().GdipGetLineTransform, derivedHandle, matrix);
}

bool LinearGradientBrush::SetTransform(const GdiplusObject& matrix)
{
    return Action(Flat().GdipSetLineTransform, derivedHandle, matrix);
}

bool LinearGradientBrush::ResetTransform()
{
    return Action(Flat().GdipResetLineTransform, derivedHandle);
}

bool LinearGradientBrush::MultiplyTransform(const GdiplusObject& matrix, int order)
{
    return Action(Flat().GdipMultiplyLineTransform, derivedHandle, matrix, order);
}

bool LinearGradientBrush::TranslateTransform(float dx, float dy, int order)
{
    return Action(Flat().GdipTranslateLineTransform, derivedHandle, dx, dy, order);
}

bool LinearGradientBrush::ScaleTransform(float sx, float sy, int order)
{
    return Action(Flat().GdipScaleLineTransform, derivedHandle, sx, sy, order);
}

bool LinearGradientBrush::RotateTransform(float angle, int order)
{
    return Action(Flat().GdipRotateLineTransform, derivedHandle, angle, order);
}
