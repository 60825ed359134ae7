#pragma once
// A GDI+ pen. Caps, joins, alignments, dash styles, units and pen types are GDI+'s integer
// values; widths, limits and dash values are floats. Matrices and custom caps have no class of
// their own: any wrapper holding one is accepted.
#include "gdiplus/brush.h"
#include "gdiplus/gdiplus_object.h"

#include <vector>

class Pen : public GdiplusObject {
public:
    ~Pen() override;

    // 4
    void SetNativeHandle(void* handle) override;
    // 7
    bool Delete();
    // 8, 9. Omitted unit: 0 (world).
    bool Create(Gdiplus::ARGB color, float width, int unit = 0);
    bool CreateFromBrush(const GdiplusObject& brush, float width, int unit = 0);
    // 10: the target adopts a new native pen; its previous one is not released.
    bool Clone(Pen& target) const;
    // 11-14
    float GetWidth() const;
    bool SetWidth(float width);
    int GetUnit() const;
    bool SetUnit(int unit);
    // 15, 16: one operation under two names.
    bool SetLineCap(int startCap, int endCap, int dashCap);
    bool SetLineCap2(int startCap, int endCap, int dashCap);
    // 17-21
    bool SetStartCap(int cap);
    bool SetEndCap(int cap);
    bool SetDashCap(int dashCap);
    int GetStartCap() const;
    int GetEndCap() const;
    // 22, 23: one operation under two names.
    int GetDashCap() const;
    int GetDashCap2() const;
    // 24, 25
    bool SetLineJoin(int join);
    int GetLineJoin() const;
    // 26-29: the Get methods hand a new custom cap to the target wrapper.
    bool SetCustomStartCap(const GdiplusObject& customCap);
    bool GetCustomStartCap(GdiplusObject& target) const;
    bool SetCustomEndCap(const GdiplusObject& customCap);
    bool GetCustomEndCap(GdiplusObject& target) const;
    // 30-33
    bool SetMiterLimit(float limit);
    float GetMiterLimit() const;
    bool SetAlignment(int alignment);
    int GetAlignment() const;
    // 34-40: GetTransform copies the pen's transform into the given matrix. Omitted order: 0
    // (prepend). The pen's order is rotate, scale, translate.
    bool SetTransform(const GdiplusObject& matrix);
    bool GetTransform(const GdiplusObject& matrix) const;
    bool ResetTransform();
    bool MultiplyTransform(const GdiplusObject& matrix, int order = 0);
    bool RotateTransform(float angle, int order = 0);
    bool ScaleTransform(float sx, float sy, int order = 0);
    bool TranslateTransform(float dx, float dy, int order = 0);
    // 41-45: GetBrush hands a new native brush to the target.
    Gdiplus::ARGB GetColor() const;
    bool SetColor(Gdiplus::ARGB color);
    bool SetBrush(const GdiplusObject& brush);
    bool GetBrush(Brush& target) const;
    int GetPenType() const;
    // 46-49
    bool SetDashStyle(int dashStyle);
    int GetDashStyle() const;
    float GetDashOffset() const;
    bool SetDashOffset(float offset);
    // 50-53: the Get methods return the element count (0, sequence untouched, on failure).
    int GetDashPattern(std::vector<float>& dashes) const;
    bool SetDashPattern(const std::vector<float>& dashes);
    bool SetCompoundArray(const std::vector<float>& compounds);
    int GetCompoundArray(std::vector<float>& compounds) const;

private:
    Gdiplus::GpPen* nativeHandle = nullptr;
};
