#include "gdiplus/font_collection.h"

#include "gdiplus/call_patterns.h"

void FontCollection::SetNativeHandle(void* handle)
{
    nativeHandle = static_cast<Gdiplus::GpFontCollection*>(handle);
    SetDerivedHandle(handle);
}

int FontCollection::GetFamilyCount() const
{
    return Getter(Flat().GdipGetFontCollectionFamilyCount, nativeHandle);
}

int FontCollection::GetFamilies(int numberSought, std::vector<FontFamily>& families) const
{
    if (numberSought < 1) {
        LastStatus = Gdiplus::InvalidParameter;
        return 0;
    }
    std::vector<Gdiplus::GpFontFamily*> handles(static_cast<std::size_t>(numberSought), nullptr);
    families = std::vector<FontFamily>(handles.size());  // the old wrappers release nothing
    INT found = 0;
    if (!Action(Flat().GdipGetFontCollectionFamilyList, nativeHandle, numberSought, handles.data(), &found))
        return found;
    for (std::size_t i = 0; i < handles.size(); ++i)
        families[i].SetNativePointer(handles[i]);
    return found;
}
