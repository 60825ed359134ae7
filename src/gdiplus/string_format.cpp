#include "gdiplus/string_format.h"

#include "gdiplus/call_patterns.h"

StringFormat::~StringFormat()
{
    Delete();
}

void StringFormat::SetNativeHandle(void* handle)
{
    nativeHandle = static_cast<Gdiplus::GpStringFormat*>(handle);
}

bool StringFormat::Delete()
{
    return DeleteNative(*this, nativeHandle, Flat().GdipDeleteStringFormat);
}

bool StringFormat::Create(int formatFlags, int language)
{
    return CreateInto(*this, nativeHandle, Flat().GdipCreateStringFormat, formatFlags, language);
}

bool StringFormat::GenericDefault()
{
    return CreateInto(*this, nativeHandle, Flat().GdipStringFormatGetGenericDefault);
}

bool StringFormat::GenericTypographic()
{
    return CreateInto(*this, nativeHandle, Flat().GdipStringFormatGetGenericTypographic);
}

bool StringFormat::Clone(StringFormat& target) const
{
    return CloneInto(target, Flat().GdipCloneStringFormat, nativeHandle);
}

bool StringFormat::SetFormatFlags(int flags)
{
    return Action(Flat().GdipSetStringFormatFlags, nativeHandle, flags);
}

int StringFormat::GetFormatFlags() const
{
    return Getter(Flat().GdipGetStringFormatFlags, nativeHandle);
}

bool StringFormat::SetAlignment(int alignment)
{
    return Action(Flat().GdipSetStringFormatAlign, nativeHandle, alignment);
}

int StringFormat::GetAlignment() const
{
    return Getter(Flat().GdipGetStringFormatAlign, nativeHandle);
}

bool StringFormat::SetLineAlignment(int alignment)
{
    return Action(Flat().GdipSetStringFormatLineAlign, nativeHandle, alignment);
}

int StringFormat::GetLineAlignment() const
{
    return Getter(Flat().GdipGetStringFormatLineAlign, nativeHandle);
}

bool StringFormat::SetTrimming(int trimming)
{
    return Action(Flat().GdipSetStringFormatTrimming, nativeHandle, trimming);
}

int StringFormat::GetTrimming() const
{
    return Getter(Flat().GdipGetStringFormatTrimming, nativeHandle);
}

bool StringFormat::SetHotkeyPrefix(int prefix)
{
    return Action(Flat().GdipSetStringFormatHotkeyPrefix, nativeHandle, prefix);
}

int StringFormat::GetHotkeyPrefix() const
{
    return Getter(Flat().GdipGetStringFormatHotkeyPrefix, nativeHandle);
}

bool StringFormat::SetTabStops(float firstTabOffset, const std::vector<float>& tabStops)
{
    return Action(Flat().GdipSetStringFormatTabStops, nativeHandle, firstTabOffset, CountOf(tabStops),
                  ArrayOf(tabStops));
}

int StringFormat::GetTabStops(float& firstTabOffset, std::vector<float>& tabStops) const
{
    return CountThenFetch(
        tabStops, [this](INT* count) { return Flat().GdipGetStringFormatTabStopCount(nativeHandle, count); },
        [this, &firstTabOffset](float* stops, INT count) {
            return Flat().GdipGetStringFormatTabStops(nativeHandle, count, &firstTabOffset, stops);
        });
}

bool StringFormat::SetDigitSubstitution(int method, int language)
{
    return Action(Flat().GdipSetStringFormatDigitSubstitution, nativeHandle, language, method);
}

bool StringFormat::GetDigitSubstitution(int& method, int* language) const
{
    auto substitute = static_cast<Gdiplus::StringDigitSubstitute>(method);
    LANGID languageId = language != nullptr ? static_cast<LANGID>(*language) : 0;
    bool ok = Action(Flat().GdipGetStringFormatDigitSubstitution, nativeHandle,
                     language != nullptr ? &languageId : nullptr, &substitute);
    method = substitute;
    if (language != nullptr)
        *language = languageId;
    return ok;
}

bool StringFormat::SetMeasurableCharacterRanges(const std::vector<CharacterRange>& ranges)
{
    static_assert(sizeof(CharacterRange) == sizeof(Gdiplus::CharacterRange));
    return Action(Flat().GdipSetStringFormatMeasurableCharacterRanges, nativeHandle, CountOf(ranges),
                  reinterpret_cast<const Gdiplus::CharacterRange*>(ArrayOf(ranges)));
}

int StringFormat::GetMeasurableCharacterRangeCount() const
{
    return Getter(Flat().GdipGetStringFormatMeasurableCharacterRangeCount, nativeHandle);
}
