#include "gdiplus/image_codecs.h"

#include "gdiplus/call_patterns.h"
#include "gdiplus/flat_api.h"
#include "gdiplus/text_conversion.h"

#include <algorithm>
#include <cstring>

std::string GuidToText(const GUID& guid)
{
    WCHAR text[39] = {};
    StringFromGUID2(guid, text, 39);
    return FromUtf16(text);
}

GUID TextToGuid(const std::string& text)
{
    GUID guid{};
    Utf16Text wide = ToUtf16(text);
    if (FAILED(CLSIDFromString(wide.Data(), &guid)))
        guid = GUID{};  // some builds leave part of a rejected text behind
    return guid;
}

namespace {

// Signature patterns and masks: count x size bytes from GDI+'s block.
ByteBuffer SignatureBytes(const BYTE* bytes, DWORD count, DWORD size)
{
    return bytes != nullptr ? ByteBuffer(bytes, static_cast<std::size_t>(count) * size) : ByteBuffer();
}

CodecInfoRecord ToRecord(const Gdiplus::ImageCodecInfo& info)
{
    CodecInfoRecord record;
    record.clsid = GuidToText(info.Clsid);
    record.formatId = GuidToText(info.FormatID);
    record.codecName = FromUtf16(info.CodecName);
    record.dllName = FromUtf16(info.DllName);
    record.formatDescription = FromUtf16(info.FormatDescription);
    record.filenameExtension = FromUtf16(info.FilenameExtension);
    record.mimeType = FromUtf16(info.MimeType);
    record.flags = info.Flags;
    record.version = info.Version;
    record.signatureCount = info.SigCount;
    record.signatureSize = info.SigSize;
    record.signaturePatterns = SignatureBytes(info.SigPattern, info.SigCount, info.SigSize);
    record.signatureMasks = SignatureBytes(info.SigMask, info.SigCount, info.SigSize);
    return record;
}

}  // namespace

UINT GetImageEncoderList(std::vector<CodecInfoRecord>& encoders)
{
    static_assert(sizeof(Gdiplus::ImageCodecInfo) == 76, "GDI+'s 32-bit codec description");
    UINT count = 0;
    UINT size = 0;
    if (!gdiplus_calls::StoreStatus(Flat().GdipGetImageEncodersSize(&count, &size)))
        return 0;
    // Whole descriptions, so that the texts and signatures they point to follow them.
    std::vector<Gdiplus::ImageCodecInfo> block(size / sizeof(Gdiplus::ImageCodecInfo) + 1);
    std::memset(static_cast<void*>(block.data()), 0, block.size() * sizeof block[0]);
    Action(Flat().GdipGetImageEncoders, count, size, block.data());
    encoders.clear();
    for (UINT i = 0; i < count && i < block.size(); ++i)
        encoders.push_back(ToRecord(block[i]));
    return count;
}

std::string FindEncoderClsid(const std::string& formatText)
{
    std::vector<CodecInfoRecord> encoders;
    GetImageEncoderList(encoders);
    for (const CodecInfoRecord& encoder : encoders)
        if (encoder.formatId == formatText)
            return encoder.clsid;
    return {};
}

namespace {

// Bytes of one value of an encoder parameter type; 0 for types GDI+ does not define.
std::size_t EncoderValueSize(std::uint32_t type)
{
    switch (type) {
    case Gdiplus::EncoderParameterValueTypeByte:
    case Gdiplus::EncoderParameterValueTypeASCII:
    case Gdiplus::EncoderParameterValueTypeUndefined:
        return 1;
    case Gdiplus::EncoderParameterValueTypeShort:
        return 2;
    case Gdiplus::EncoderParameterValueTypeLong:
        return 4;
    case Gdiplus::EncoderParameterValueTypeRational:
    case Gdiplus::EncoderParameterValueTypeLongRange:
        return 8;
    case Gdiplus::EncoderParameterValueTypeRationalRange:
        return 16;
    default:
        return 0;
    }
}

template <class T>
T ReadAt(const std::uint8_t* block, std::size_t offset)
{
    T value;
    std::memcpy(&value, block + offset, sizeof value);
    return value;
}

}  // namespace

void ReadEncoderParameters(const std::uint8_t* block, std::size_t size, EncoderParameterList& list)
{
    constexpr std::size_t kEntry = sizeof(Gdiplus::EncoderParameter);
    list.count = size >= 4 ? ReadAt<std::uint32_t>(block, 0) : 0;
    const std::size_t fits = size >= 4 ? (size - 4) / kEntry : 0;  // never read past the block
    list.parameters.assign(std::min<std::size_t>(list.count, fits), EncoderParameterRecord{});
    for (std::size_t i = 0; i < list.parameters.size(); ++i) {
        const std::size_t at = 4 + kEntry * i;
        EncoderParameterRecord& parameter = list.parameters[i];
        parameter.category = GuidToText(ReadAt<GUID>(block, at));
        parameter.numberOfValues = ReadAt<std::uint32_t>(block, at + 16);
        parameter.type = ReadAt<std::uint32_t>(block, at + 20);
        const void* values = ReadAt<const void*>(block, at + 24);
        if (values != nullptr)
            parameter.value = ByteBuffer(values, parameter.numberOfValues * EncoderValueSize(parameter.type));
    }
}

EncoderParameterBlock::EncoderParameterBlock(const EncoderParameterList* list)
{
    static_assert(sizeof(Gdiplus::EncoderParameter) == 28 && sizeof(void*) == 4, "GDI+'s 32-bit layout");
    if (list == nullptr)
        return;
    words_.push_back(list->count);
    for (const EncoderParameterRecord& parameter : list->parameters) {
        const std::size_t at = words_.size();
        words_.resize(at + sizeof(Gdiplus::EncoderParameter) / 4);
        const GUID category = TextToGuid(parameter.category);
        const void* value = parameter.value.data();
        std::memcpy(&words_[at], &category, sizeof category);
        words_[at + 4] = parameter.numberOfValues;
        words_[at + 5] = parameter.type;
        std::memcpy(&words_[at + 6], &value, sizeof value);
    }
}

const Gdiplus::EncoderParameters* EncoderParameterBlock::Get() const
{
    return words_.empty() ? nullptr : reinterpret_cast<const Gdiplus::EncoderParameters*>(words_.data());
}
