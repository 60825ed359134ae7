#pragma once
// A brush that fills with one ARGB colour.
#include "gdiplus/brush.h"

class SolidBrush : public Brush {
public:
    // 7
    void SetDerivedHandle(void* handle) override;
    // 11
    bool Create(Gdiplus::ARGB color);
    // 12
    bool SetColor(Gdiplus::ARGB color);
    // 13
    Gdiplus::ARGB GetColor() const;

private:
    Gdiplus::GpSolidFill* derivedHandle = nullptr;
};
