// Graphics: drawing and measuring text. Texts reach GDI+ as UTF-16 copies with their lstrlenW
// length; the copies are freed on every path.
#include "gdiplus/graphics.h"

#include "gdiplus/call_patterns.h"
#include "gdiplus/text_conversion.h"

bool Graphics::DrawString(const std::string& text, const GdiplusObject& font, const GdiplusObject& brush,
                          std::optional<RectF> layout, const GdiplusObject* format)
{
    Utf16Text wide = ToUtf16(text);
    const RectF box = layout.value_or(RectF{});
    return Action(Flat().GdipDrawString, nativeHandle, wide.Data(), wide.Length(), font, &box, format, brush);
}

bool Graphics::MeasureString(const std::string& text, const GdiplusObject& font, std::optional<RectF> layout,
                             const GdiplusObject* format, RectF& boundingBox)
{
    Utf16Text wide = ToUtf16(text);
    const RectF box = layout.value_or(RectF{});
    return Action(Flat().GdipMeasureString, nativeHandle, wide.Data(), wide.Length(), font, &box, format,
                  &boundingBox, nullptr, nullptr);
}

// GDI+ writes each range's area into a region that already exists, so every wrapper's native
// region is created first; the wrappers adopt them only when the measurement succeeded.
bool Graphics::MeasureCharacterRangesInto(const std::string& text, const GdiplusObject& font,
                                          std::optional<RectF> layout, const GdiplusObject* format,
                                          const std::vector<GdiplusObject*>& regions)
{
    Utf16Text wide = ToUtf16(text);
    std::vector<Gdiplus::GpRegion*> handles(regions.size(), nullptr);
    for (Gdiplus::GpRegion*& handle : handles)
        Flat().GdipCreateRegion(&handle);
    const RectF box = layout.value_or(RectF{});
    if (!Action(Flat().GdipMeasureCharacterRanges, nativeHandle, wide.Data(), wide.Length(), font, box, format,
                CountOf(handles), ArrayOf(handles))) {
        for (Gdiplus::GpRegion* handle : handles)
            if (handle != nullptr)
                Flat().GdipDeleteRegion(handle);
        return false;
    }
    for (std::size_t i = 0; i < regions.size(); ++i)
        regions[i]->SetNativePointer(handles[i]);
    return true;
}

// One position per character; the count of positions is not passed, so GDI+ reads as many
// positions as the text has characters. A shorter sequence is lengthened with zero positions
// for the call rather than read past its end (with realized advance GDI+ uses only the first).
bool Graphics::DrawDriverString(const std::string& text, const GdiplusObject& font, const GdiplusObject& brush,
                                const std::vector<PointF>& positions, std::optional<int> flags,
                                const GdiplusObject* matrix)
{
    Utf16Text wide = ToUtf16(text);
    const std::size_t characters = static_cast<std::size_t>(wide.Length());
    std::vector<PointF> lengthened;
    if (!positions.empty() && positions.size() < characters) {
        lengthened = positions;
        lengthened.resize(characters);
    }
    const std::vector<PointF>& passed = lengthened.empty() ? positions : lengthened;
    return Action(Flat().GdipDrawDriverString, nativeHandle, reinterpret_cast<const UINT16*>(wide.Data()),
                  wide.Length(), font, brush, ArrayOf(passed), flags.value_or(1), matrix);
}

bool Graphics::SetTextContrast(unsigned contrast)
{
    return Action(Flat().GdipSetTextContrast, nativeHandle, contrast);
}

unsigned Graphics::GetTextContrast()
{
    return Getter(Flat().GdipGetTextContrast, nativeHandle);
}
