#pragma once
// A typeface at a size and style. Fonts are made from a family, a family name, the system's
// default GUI font, a device context, a GDI font or a LOGFONT (the 60-byte ANSI record).
#include "common/byte_buffer.h"
#include "gdiplus/font_family.h"
#include "gdiplus/gdiplus_object.h"

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <string>

class Font : public GdiplusObject {
public:
    ~Font() override;

    // 4
    void SetNativeHandle(void* handle) override;
    // 7
    bool Delete();
    // 8. Omitted style: 0 (regular); omitted unit: 0 (world).
    bool Create(const GdiplusObject& family, float emSize, int style = 0, int unit = 0);
    // 9: false, LastStatus untouched, when the stock font cannot be read.
    bool CreateDefault();
    // 10: the family is looked up among the installed fonts; LastStatus is the font creation's
    // status (a missing family makes it fail on the null family).
    bool CreateByName(const std::string& familyName, float emSize, int style = 0, int unit = 0);
    // 11-13: from the font selected into the context, unless a GDI font or a LOGFONT is given.
    bool CreateFromDC(HDC dc);
    bool CreateFromHFONT(HDC dc, HFONT font);
    bool CreateFromLogfont(HDC dc, const LOGFONTA* logFont);
    // 14, 15: the target adopts a new native font or family; its previous one is not released.
    bool Clone(Font& target) const;
    bool GetFamily(FontFamily& target) const;
    // 16-20. GetHeight without a graphics asks GDI+ with a null one.
    int GetStyle() const;
    float GetSize() const;
    int GetUnit() const;
    float GetHeight(const GdiplusObject* graphics = nullptr) const;
    float GetHeightGivenDPI(float dpi) const;
    // 21: GDI+ writes the 60-byte LOGFONT into the buffer's bytes (a shorter buffer is lengthened).
    bool GetLogFontA(const GdiplusObject& graphics, ByteBuffer& logFont) const;

private:
    Gdiplus::GpFont* nativeHandle = nullptr;
};
