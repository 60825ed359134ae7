#pragma once
// A typeface by name. Its native family is released only by an explicit Delete, never by the
// destructor: a family handed out to several holders stays valid for all of them.
#include "gdiplus/gdiplus_object.h"

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <string>

class FontCollection;

class FontFamily : public GdiplusObject {
public:
    // 4
    void SetNativeHandle(void* handle) override;
    // 7
    bool Delete();
    // 8: an omitted or empty collection means the installed fonts.
    bool CreateFromName(const std::string& name, const FontCollection* collection = nullptr);
    // 9-11
    bool GenericSansSerif();
    bool GenericSerif();
    bool GenericMonospace();
    // 12: the target adopts a new native family; its previous one is not released.
    bool Clone(FontFamily& target) const;
    // 13: the name as GDI+ stores it, or the empty text.
    std::string GetFamilyName() const;
    // 14
    bool IsStyleAvailable(int style) const;
    // 15-18: GDI+'s 16-bit unsigned design metrics, 0 to 65535.
    int GetEmHeight(int style) const;
    int GetCellAscent(int style) const;
    int GetCellDescent(int style) const;
    int GetLineSpacing(int style) const;

private:
    Gdiplus::GpFontFamily* nativeHandle = nullptr;
};
