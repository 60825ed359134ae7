#pragma once
// A brush that fills with a gradient between two colours along a line. Every creation tiles
// the gradient (wrap mode 0); SetWrapMode changes that afterwards.
#include "gdiplus/brush.h"
#include "gdiplus/value_records.h"

#include <vector>

class LinearGradientBrush : public Brush {
public:
    // 7
    void SetDerivedHandle(void* handle) override;
    // 11-16. Omitted gradient mode: 0 (horizontal); omitted angle-scalable flag: 0.
    bool Create(const PointF& start, const PointF& end, Gdiplus::ARGB startColor, Gdiplus::ARGB endColor);
    bool CreateI(const Point& start, const Point& end, Gdiplus::ARGB startColor, Gdiplus::ARGB endColor);
    bool CreateFromRect(const RectF& rect, Gdiplus::ARGB startColor, Gdiplus::ARGB endColor, int mode = 0);
    bool CreateFromRectI(const Rect& rect, Gdiplus::ARGB startColor, Gdiplus::ARGB endColor, int mode = 0);
    bool CreateFromRectWithAngle(const RectF& rect, Gdiplus::ARGB startColor, Gdiplus::ARGB endColor, float angle,
                                 bool angleScalable = false);
    bool CreateFromRectWithAngleI(const Rect& rect, Gdiplus::ARGB startColor, Gdiplus::ARGB endColor, float angle,
                                  bool angleScalable = false);
    // 17: both variables receive what GDI+ left in a zeroed pair, also after a failure.
    bool GetLinearColors(Gdiplus::ARGB& startColor, Gdiplus::ARGB& endColor) const;
    // 18
    bool SetLinearColors(Gdiplus::ARGB startColor, Gdiplus::ARGB endColor);
    // 19, 20
    RectF GetRectangle() const;
    Rect GetRectangleI() const;
    // 21, 22
    bool SetGammaCorrection(bool useGamma);
    bool GetGammaCorrection() const;
    // 23: GDI+ reads as many positions as there are factors; the caller gives at least that many.
    bool SetBlend(const std::vector<float>& factors, const std::vector<float>& positions);
    // 24: both sequences become the brush's blend; returns its size (0 and untouched on failure).
    int GetBlend(std::vector<float>& factors, std::vector<float>& positions) const;
    // 25: as SetBlend, counted by the colours.
    bool SetInterpolationColors(const std::vector<Gdiplus::ARGB>& colors, const std::vector<float>& positions);
    // 26: as GetBlend.
    int GetInterpolationColors(std::vector<Gdiplus::ARGB>& colors, std::vector<float>& positions) const;
    // 27, 28
    bool SetBlendBellShape(float focus, float scale);
    bool SetBlendTriangularShape(float focus, float scale);
    // 29, 30
    int GetWrapMode() const;
    bool SetWrapMode(int wrapMode);
    // 31-37. A matrix is any wrapper holding a GDI+ matrix; GetTransform copies the brush's
    // transform into it. Omitted order: 0 (prepend).
    bool GetTransform(const GdiplusObject& matrix) const;
    bool SetTransform(const GdiplusObject& matrix);
    bool ResetTransform();
    bool MultiplyTransform(const GdiplusObject& matrix, int order = 0);
    bool TranslateTransform(float dx, float dy, int order = 0);
    bool ScaleTransform(float sx, float sy, int order = 0);
    bool RotateTransform(float angle, int order = 0);

private:
    Gdiplus::GpLineGradient* derivedHandle = nullptr;
};
