#include "gdiplus/image_attributes.h"

#include "gdiplus/call_patterns.h"
#include "gdiplus/flat_api.h"
#include "gdiplus/image_palette.h"
#include "gdiplus/text_conversion.h"

#include <algorithm>
#include <optional>

namespace {

// A matrix sequence as GDI+ reads it: 5 x 5 floats row by row, zero-filled past what was given;
// none for an empty sequence.
std::optional<Gdiplus::ColorMatrix> MatrixOf(const std::vector<float>& values)
{
    if (values.empty())
        return std::nullopt;
    Gdiplus::ColorMatrix matrix{};
    std::copy_n(values.begin(), std::min<std::size_t>(values.size(), 25), &matrix.m[0][0]);
    return matrix;
}

const Gdiplus::ColorMatrix* AddressOf(const std::optional<Gdiplus::ColorMatrix>& matrix)
{
    return matrix ? &*matrix : nullptr;
}

}  // namespace

// Also on an empty wrapper, which leaves InvalidParameter in LastStatus.
ImageAttributes::~ImageAttributes()
{
    ImageAttributes::Delete();
}

void ImageAttributes::SetNativeHandle(void* handle)
{
    nativeHandle = static_cast<Gdiplus::GpImageAttributes*>(handle);
}

bool ImageAttributes::Delete()
{
    bool ok = Action(Flat().GdipDisposeImageAttributes, nativeHandle);
    SetNativePointer(nullptr);
    return ok;
}

bool ImageAttributes::Create()
{
    return CreateInto(*this, nativeHandle, Flat().GdipCreateImageAttributes);
}

bool ImageAttributes::Clone(ImageAttributes& target) const
{
    return CloneInto(target, Flat().GdipCloneImageAttributes, nativeHandle);
}

bool ImageAttributes::SetToIdentity(INT type)
{
    return Action(Flat().GdipSetImageAttributesToIdentity, nativeHandle, type);
}

bool ImageAttributes::Reset(INT type)
{
    return Action(Flat().GdipResetImageAttributes, nativeHandle, type);
}

bool ImageAttributes::SetThreshold(float threshold, INT type)
{
    return Action(Flat().GdipSetImageAttributesThreshold, nativeHandle, type, TRUE, threshold);
}

bool ImageAttributes::ClearThreshold(INT type)
{
    return Action(Flat().GdipSetImageAttributesThreshold, nativeHandle, type, FALSE, 0.0f);
}

bool ImageAttributes::SetNoOp(INT type)
{
    return Action(Flat().GdipSetImageAttributesNoOp, nativeHandle, type, TRUE);
}

bool ImageAttributes::ClearNoOp(INT type)
{
    return Action(Flat().GdipSetImageAttributesNoOp, nativeHandle, type, FALSE);
}

bool ImageAttributes::SetGamma(float gamma, INT type)
{
    return Action(Flat().GdipSetImageAttributesGamma, nativeHandle, type, TRUE, gamma);
}

bool ImageAttributes::ClearGamma(INT type)
{
    return Action(Flat().GdipSetImageAttributesGamma, nativeHandle, type, FALSE, 0.0f);
}

bool ImageAttributes::SetColorKey(Gdiplus::ARGB low, Gdiplus::ARGB high, INT type)
{
    return Action(Flat().GdipSetImageAttributesColorKeys, nativeHandle, type, TRUE, low, high);
}

bool ImageAttributes::ClearColorKey(INT type)
{
    return Action(Flat().GdipSetImageAttributesColorKeys, nativeHandle, type, FALSE, 0u, 0u);
}

bool ImageAttributes::SetOutputChannel(INT channelFlags, INT type)
{
    return Action(Flat().GdipSetImageAttributesOutputChannel, nativeHandle, type, TRUE, channelFlags);
}

bool ImageAttributes::ClearOutputChannel(INT type)
{
    return Action(Flat().GdipSetImageAttributesOutputChannel, nativeHandle, type, FALSE, 0);
}

bool ImageAttributes::SetOutputChannelColorProfile(const std::string& fileName, INT type)
{
    Utf16Text name = ToUtf16(fileName);
    return Action(Flat().GdipSetImageAttributesOutputChannelColorProfile, nativeHandle, type, TRUE, name.Data());
}

bool ImageAttributes::ClearOutputChannelColorProfile(INT type)
{
    Utf16Text none = ToUtf16("");
    return Action(Flat().GdipSetImageAttributesOutputChannelColorProfile, nativeHandle, type, FALSE, none.Data());
}

bool ImageAttributes::SetRemapTable(const std::vector<ColorMapEntry>& maps, INT type)
{
    return Action(Flat().GdipSetImageAttributesRemapTable, nativeHandle, type, TRUE, static_cast<UINT>(maps.size()),
                  reinterpret_cast<const Gdiplus::ColorMap*>(ArrayOf(maps)));
}

bool ImageAttributes::ClearRemapTable(INT type)
{
    return Action(Flat().GdipSetImageAttributesRemapTable, nativeHandle, type, FALSE, 0u, nullptr);
}

bool ImageAttributes::SetWrapMode(INT wrapMode, Gdiplus::ARGB color)
{
    return Action(Flat().GdipSetImageAttributesWrapMode, nativeHandle, wrapMode, color, FALSE);
}

bool ImageAttributes::GetAdjustedPalette(PaletteRecord& palette, INT type)
{
    PaletteBlock block(palette);
    bool ok = Action(Flat().GdipGetImageAttributesAdjustedPalette, nativeHandle, block.Get(), type);
    block.CopyBackInto(palette);
    return ok;
}

bool ImageAttributes::SetColorMatrix(const std::vector<float>& colorMatrix, const std::vector<float>& greyMatrix,
                                     INT flags, INT type)
{
    const auto colour = MatrixOf(colorMatrix);
    const auto grey = MatrixOf(greyMatrix);
    return Action(Flat().GdipSetImageAttributesColorMatrix, nativeHandle, type, TRUE, AddressOf(colour),
                  AddressOf(grey), flags);
}

bool ImageAttributes::ClearColorMatrix(INT type)
{
    return Action(Flat().GdipSetImageAttributesColorMatrix, nativeHandle, type, FALSE, nullptr, nullptr, 0);
}
