#pragma once
// GUIDs as text, the installed image encoders, and the encoder parameter block the save methods
// hand to GDI+.
#include "gdiplus/image_records.h"

#include <cstdint>
#include <string>
#include <vector>

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" in upper case.
std::string GuidToText(const GUID& guid);
// The GUID a text names; the null GUID for text that is no GUID.
GUID TextToGuid(const std::string& text);

// Replaces `encoders` by the installed encoders and returns their number (0 when GDI+ cannot
// say; the list is then left as it was).
UINT GetImageEncoderList(std::vector<CodecInfoRecord>& encoders);
// The CLSID text of the first encoder whose format-ID text equals `formatText` byte for byte;
// the empty text when there is none.
std::string FindEncoderClsid(const std::string& formatText);

// Replaces `list` by what a GDI+ EncoderParameters block of `size` bytes holds: the count, then
// per parameter its category, number of values, type and a copy of its values.
void ReadEncoderParameters(const std::uint8_t* block, std::size_t size, EncoderParameterList& list);

// GDI+'s EncoderParameters for a list: its count, then per record the category GUID, number of
// values, type and the address of the record's value bytes. Lives as long as the list does not
// change; Get() is null for an omitted list.
class EncoderParameterBlock {
public:
    explicit EncoderParameterBlock(const EncoderParameterList* list);
    const Gdiplus::EncoderParameters* Get() const;

private:
    std::vector<std::uint32_t> words_;
};
