#pragma once
// What every GDI+ brush shares. Brush is never created by itself: SolidBrush and
// LinearGradientBrush create the native brush into their own typed copy (derivedHandle), and
// SetNativeHandle passes every adopted handle down to it so that all copies stay equal.
#include "gdiplus/gdiplus_object.h"

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

class Brush : public GdiplusObject {
public:
    ~Brush() override;

    // 4
    void SetNativeHandle(void* handle) override;
    // 7: the concrete brush keeps its own copy.
    virtual void SetDerivedHandle(void* /*handle*/) {}
    // 8
    bool Delete();
    // 9: the target adopts a new native brush; its previous one is not released.
    bool Clone(Brush& target) const;
    // 10: a GDI+ BrushType value.
    int GetType() const;

protected:
    Brush() = default;
    Gdiplus::GpBrush* nativeHandle = nullptr;
};
