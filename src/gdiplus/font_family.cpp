#include "gdiplus/font_family.h"

#include "gdiplus/call_patterns.h"
#include "gdiplus/font_collection.h"
#include "gdiplus/text_conversion.h"

#include <array>

void FontFamily::SetNativeHandle(void* handle)
{
    nativeHandle = static_cast<Gdiplus::GpFontFamily*>(handle);
}

bool FontFamily::Delete()
{
    return DeleteNative(*this, nativeHandle, Flat().GdipDeleteFontFamily);
}

bool FontFamily::CreateFromName(const std::string& name, const FontCollection* collection)
{
    Utf16Text wideName = ToUtf16(name);
    return CreateInto(*this, nativeHandle, Flat().GdipCreateFontFamilyFromName, wideName.Data(), collection);
}

bool FontFamily::GenericSansSerif()
{
    return CreateInto(*this, nativeHandle, Flat().GdipGetGenericFontFamilySansSerif);
}

bool FontFamily::GenericSerif()
{
    return CreateInto(*this, nativeHandle, Flat().GdipGetGenericFontFamilySerif);
}

bool FontFamily::GenericMonospace()
{
    return CreateInto(*this, nativeHandle, Flat().GdipGetGenericFontFamilyMonospace);
}

bool FontFamily::Clone(FontFamily& target) const
{
    return CloneInto(target, Flat().GdipCloneFontFamily, nativeHandle);
}

std::string FontFamily::GetFamilyName() const
{
    std::array<WCHAR, LF_FACESIZE> name{};  // the GDI face-name size, zero-filled
    Action(Flat().GdipGetFamilyName, nativeHandle, name.data(), 0);
    return FromUtf16(name.data());
}

bool FontFamily::IsStyleAvailable(int style) const
{
    return Query(Flat().GdipIsStyleAvailable, nativeHandle, style);
}

int FontFamily::GetEmHeight(int style) const
{
    return Getter(Flat().GdipGetEmHeight, nativeHandle, style);
}

int FontFamily::GetCellAscent(int style) const
{
    return Getter(Flat().GdipGetCellAscent, nativeHandle, style);
}

int FontFamily::GetCellDescent(int style) const
{
    return Getter(Flat().GdipGetCellDescent, nativeHandle, style);
}

int FontFamily::GetLineSpacing(int style) const
{
    return Getter(Flat().GdipGetLineSpacing, nativeHandle, style);
}
