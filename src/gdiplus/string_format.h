#pragma once
// Layout rules for a string: flags, alignments, trimming, hotkey prefixes, tab stops, digit
// substitution and the character ranges a measurement reports on.
#include "gdiplus/character_range.h"
#include "gdiplus/gdiplus_object.h"

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <vector>

class StringFormat : public GdiplusObject {
public:
    ~StringFormat() override;

    // 4
    void SetNativeHandle(void* handle) override;
    // 7
    bool Delete();
    // 8-10. Omitted flags and language: 0.
    bool Create(int formatFlags = 0, int language = 0);
    bool GenericDefault();
    bool GenericTypographic();
    // 11: the target adopts a new native format; its previous one is not released.
    bool Clone(StringFormat& target) const;
    // 12-21
    bool SetFormatFlags(int flags);
    int GetFormatFlags() const;
    bool SetAlignment(int alignment);
    int GetAlignment() const;
    bool SetLineAlignment(int alignment);
    int GetLineAlignment() const;
    bool SetTrimming(int trimming);
    int GetTrimming() const;
    bool SetHotkeyPrefix(int prefix);
    int GetHotkeyPrefix() const;
    // 22, 23: GetTabStops returns the number of stops (0, sequence untouched, on failure).
    bool SetTabStops(float firstTabOffset, const std::vector<float>& tabStops);
    int GetTabStops(float& firstTabOffset, std::vector<float>& tabStops) const;
    // 24, 25. Omitted language: 0 when setting; not asked for when getting. Variables keep their
    // values where GDI+ writes nothing.
    bool SetDigitSubstitution(int method, int language = 0);
    bool GetDigitSubstitution(int& method, int* language = nullptr) const;
    // 26, 27
    bool SetMeasurableCharacterRanges(const std::vector<CharacterRange>& ranges);
    int GetMeasurableCharacterRangeCount() const;

private:
    Gdiplus::GpStringFormat* nativeHandle = nullptr;
};
