#pragma once
// A set of font families. The library never creates or releases a collection: a wrapper holds
// one only when a handle is given to it with SetNativePointer. An empty one stands for the
// installed fonts where a family is looked up by name.
#include "gdiplus/font_family.h"
#include "gdiplus/gdiplus_object.h"

#include <vector>

class FontCollection : public GdiplusObject {
public:
    // 4
    void SetNativeHandle(void* handle) override;
    // 7: a collection keeps no second copy.
    virtual void SetDerivedHandle(void* /*handle*/) {}
    // 8
    int GetFamilyCount() const;
    // 9: `families` becomes numberSought wrappers holding the families found (the rest empty);
    // returns the number found. Fewer than 1 sought: LastStatus 2, nothing else changes.
    int GetFamilies(int numberSought, std::vector<FontFamily>& families) const;

private:
    Gdiplus::GpFontCollection* nativeHandle = nullptr;
};
