#include "gdiplus/gdiplus_object.h"

#include "gdiplus/flat_api.h"

std::int32_t LastStatus = 0;
ULONG_PTR gdiplusToken = 0;

ULONG_PTR StartGdiplus(std::optional<std::uint32_t> version)
{
    Gdiplus::GdiplusStartupInput input;
    input.GdiplusVersion = version.value_or(1);
    input.DebugEventCallback = nullptr;
    input.SuppressBackgroundThread = FALSE;
    input.SuppressExternalCodecs = FALSE;
    ULONG_PTR token = 0;
    Flat().GdiplusStartup(&token, &input, nullptr);
    gdiplusToken = token;
    return token;
}

void* GdiplusObject::Alloc(std::size_t size) const
{
    return Flat().GdipAlloc(size);
}

void GdiplusObject::Free(void* block) const
{
    Flat().GdipFree(block);
}
