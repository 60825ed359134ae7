#include "gdiplus/image.h"

#include "gdiplus/call_patterns.h"
#include "gdiplus/flat_api.h"
#include "gdiplus/image_codecs.h"
#include "gdiplus/image_palette.h"
#include "gdiplus/text_conversion.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr PROPID kFrameDelayProperty = 0x5100;
constexpr std::size_t kPropertyItemHeader = 16;  // id, length, type, value address

using gdiplus_calls::StoreStatus;

// The encoder for a format text, the image's own format when none is given; the null CLSID
// when no encoder matches.
CLSID EncoderFor(const Image& image, const std::optional<std::string>& format)
{
    return TextToGuid(FindEncoderClsid(format ? *format : image.GetRawFormat()));
}

}  // namespace

Image::~Image()
{
    Image::Delete();
}

void Image::SetNativeHandle(void* handle)
{
    nativeHandle = static_cast<Gdiplus::GpImage*>(handle);
    SetDerivedHandle(handle);
}

void Image::SetDerivedHandle(void* /*handle*/) {}

bool Image::DisposeWithStream(Gdiplus::GpImage* handle, MemoryStream& stream)
{
    if (handle == nullptr)
        return false;
    bool ok = Action(Flat().GdipDisposeImage, handle);
    SetNativePointer(nullptr);
    stream.Release();  // only now does GDI+ no longer read from it
    return ok;
}

bool Image::Delete()
{
    return DisposeWithStream(nativeHandle, imageStream);
}

bool Image::LoadFromFile(const std::string& fileName, BOOL colorManagement)
{
    Utf16Text name = ToUtf16(fileName);
    return CreateInto(*this, nativeHandle,
                      colorManagement ? Flat().GdipLoadImageFromFileICM : Flat().GdipLoadImageFromFile, name.Data());
}

bool Image::LoadFromBytes(const ByteBuffer& bytes, BOOL colorManagement)
{
    imageStream.Create(bytes);
    return CreateInto(*this, nativeHandle,
                      colorManagement ? Flat().GdipLoadImageFromStreamICM : Flat().GdipLoadImageFromStream,
                      imageStream.GetStream());
}

bool Image::Clone(Image& target) const
{
    return CloneInto(target, Flat().GdipCloneImage, nativeHandle);
}

bool Image::SaveToFile(const std::string& fileName, const std::optional<std::string>& format,
                       const EncoderParameterList* parameters) const
{
    const CLSID encoder = EncoderFor(*this, format);
    EncoderParameterBlock block(parameters);
    Utf16Text name = ToUtf16(fileName);
    return Action(Flat().GdipSaveImageToFile, nativeHandle, name.Data(), &encoder, block.Get());
}

ByteBuffer Image::SaveToBytes(const std::optional<std::string>& format, const EncoderParameterList* parameters) const
{
    const CLSID encoder = EncoderFor(*this, format);
    EncoderParameterBlock block(parameters);
    MemoryStream target;
    target.Create(ByteBuffer());
    Action(Flat().GdipSaveImageToStream, nativeHandle, target.GetStream(), &encoder, block.Get());
    return target.GetBytes();
}

bool Image::SaveAdd(const EncoderParameterList& parameters) const
{
    EncoderParameterBlock block(&parameters);
    return Action(Flat().GdipSaveAdd, nativeHandle, block.Get());
}

bool Image::SaveAddImage(const Image& image, const EncoderParameterList& parameters) const
{
    EncoderParameterBlock block(&parameters);
    return Action(Flat().GdipSaveAddImage, nativeHandle, image, block.Get());
}

bool Image::GetEncoderParameterList(const std::string& format, EncoderParameterList& list) const
{
    const CLSID encoder = TextToGuid(FindEncoderClsid(format));
    UINT size = 0;
    if (!StoreStatus(Flat().GdipGetEncoderParameterListSize(nativeHandle, &encoder, &size)))
        return false;
    std::vector<std::uint32_t> block((size + 3) / 4 + 1, 0);
    if (!Action(Flat().GdipGetEncoderParameterList, nativeHandle, &encoder, size,
                reinterpret_cast<Gdiplus::EncoderParameters*>(block.data())))
        return false;
    ReadEncoderParameters(reinterpret_cast<const std::uint8_t*>(block.data()), size, list);
    return true;
}

std::string Image::GetRawFormat() const
{
    return GuidToText(Getter(Flat().GdipGetImageRawFormat, nativeHandle));
}

RectF Image::GetBounds(INT& unit) const
{
    RectF bounds{};
    Gdiplus::Unit written = static_cast<Gdiplus::Unit>(unit);
    Action(Flat().GdipGetImageBounds, nativeHandle, &bounds, &written);
    unit = written;
    return bounds;
}

SizeF Image::GetPhysicalDimension() const
{
    SizeF size{};
    Action(Flat().GdipGetImageDimension, nativeHandle, &size.width, &size.height);
    return size;
}

INT Image::GetType() const
{
    return Getter(Flat().GdipGetImageType, nativeHandle);
}

UINT Image::GetWidth() const
{
    return Getter(Flat().GdipGetImageWidth, nativeHandle);
}

UINT Image::GetHeight() const
{
    return Getter(Flat().GdipGetImageHeight, nativeHandle);
}

float Image::GetHorizontalResolution() const
{
    return Getter(Flat().GdipGetImageHorizontalResolution, nativeHandle);
}

float Image::GetVerticalResolution() const
{
    return Getter(Flat().GdipGetImageVerticalResolution, nativeHandle);
}

UINT Image::GetFlags() const
{
    return Getter(Flat().GdipGetImageFlags, nativeHandle);
}

INT Image::GetPixelFormat() const
{
    return Getter(Flat().GdipGetImagePixelFormat, nativeHandle);
}

bool Image::GetThumbnailImage(UINT width, UINT height, Image& target) const
{
    Gdiplus::GpImage* thumbnail = nullptr;
    bool ok = Action(Flat().GdipGetImageThumbnail, nativeHandle, width, height, &thumbnail, nullptr, nullptr);
    target.SetNativePointer(thumbnail);
    return ok;
}

UINT Image::GetFrameCount(const std::string& dimension) const
{
    const GUID guid = TextToGuid(dimension);
    return Getter(Flat().GdipImageGetFrameCount, nativeHandle, &guid);
}

bool Image::GetFrameDimensionsList(std::vector<std::string>& dimensions) const
{
    UINT count = 0;
    if (!StoreStatus(Flat().GdipImageGetFrameDimensionsCount(nativeHandle, &count)))
        return false;
    std::vector<GUID> guids(count, GUID{});
    bool ok = Action(Flat().GdipImageGetFrameDimensionsList, nativeHandle, ArrayOf(guids), count);
    dimensions.clear();
    for (const GUID& guid : guids)
        dimensions.push_back(GuidToText(guid));
    return ok;
}

bool Image::SelectActiveFrame(const std::string& dimension, UINT frameIndex)
{
    const GUID guid = TextToGuid(dimension);
    return Action(Flat().GdipImageSelectActiveFrame, nativeHandle, &guid, frameIndex);
}

bool Image::GetFrameDelays(std::vector<std::uint32_t>& delays) const
{
    PropertyItemRecord item;
    if (!GetPropertyItem(kFrameDelayProperty, item))
        return false;
    delays.assign(std::min<std::size_t>(item.length, item.value.size()) / 4, 0);
    if (!delays.empty())
        std::memcpy(delays.data(), item.value.data(), delays.size() * 4);
    return true;
}

bool Image::GetPropertyItem(PROPID id, PropertyItemRecord& item) const
{
    UINT size = 0;
    if (!StoreStatus(Flat().GdipGetPropertyItemSize(nativeHandle, id, &size)))
        return false;
    std::vector<std::uint32_t> block((size + 3) / 4 + kPropertyItemHeader / 4, 0);
    bool ok = Action(Flat().GdipGetPropertyItem, nativeHandle, id, size,
                     reinterpret_cast<Gdiplus::PropertyItem*>(block.data()));
    item.id = block[0];
    item.length = block[1];
    item.type = block[2];
    const std::size_t available = size > kPropertyItemHeader ? size - kPropertyItemHeader : 0;
    item.value = ByteBuffer(reinterpret_cast<const std::uint8_t*>(block.data()) + kPropertyItemHeader,
                            std::min<std::size_t>(item.length, available));
    return ok;
}

bool Image::SetPropertyItem(const PropertyItemRecord& item)
{
    Gdiplus::PropertyItem native{};
    native.id = item.id;
    native.length = item.length;
    native.type = static_cast<WORD>(item.type);
    native.value = const_cast<std::uint8_t*>(item.value.data());
    return Action(Flat().GdipSetPropertyItem, nativeHandle, &native);
}

bool Image::RemovePropertyItem(PROPID id)
{
    return Action(Flat().GdipRemovePropertyItem, nativeHandle, id);
}

UINT Image::GetPropertyIdList(std::vector<PROPID>& ids) const
{
    return CountThenFetch<UINT>(
        ids, [this](UINT* count) { return Flat().GdipGetPropertyCount(nativeHandle, count); },
        [this](PROPID* list, UINT count) { return Flat().GdipGetPropertyIdList(nativeHandle, count, list); });
}

bool Image::RotateFlip(INT rotateFlipType)
{
    return Action(Flat().GdipImageRotateFlip, nativeHandle, rotateFlipType);
}

bool Image::GetPalette(PaletteRecord& palette) const
{
    INT size = 0;
    if (!StoreStatus(Flat().GdipGetImagePaletteSize(nativeHandle, &size)))
        return false;
    PaletteBlock block = PaletteBlock::OfSize(size);
    if (!Action(Flat().GdipGetImagePalette, nativeHandle, block.Get(), size))
        return false;
    block.ReadInto(palette);
    return true;
}

bool Image::SetPalette(PaletteRecord& palette)
{
    PaletteBlock block(palette);
    bool ok = Action(Flat().GdipSetImagePalette, nativeHandle, block.Get());
    block.CopyBackInto(palette);
    return ok;
}
