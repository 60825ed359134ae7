#pragma once
// Text crosses the GDI+ boundary here: program texts are ANSI bytes, GDI+ speaks UTF-16.
#include <windows.h>

#include <string>
#include <vector>

// A UTF-16 copy of a text, NUL-terminated, freed with the holder. GDI+ receives Data() and
// Length(), the lstrlenW length (never -1).
class Utf16Text {
public:
    explicit Utf16Text(std::vector<WCHAR> units);
    const WCHAR* Data() const { return units_.data(); }
    WCHAR* Data() { return units_.data(); }
    INT Length() const { return length_; }

private:
    std::vector<WCHAR> units_;
    INT length_;
};

// ANSI code page (CP_ACP) to UTF-16. The empty text gives a buffer holding only the terminator.
Utf16Text ToUtf16(const std::string& text);

// UTF-16 to text in the OEM code page (CP_OEMCP). A null source gives the empty text.
std::string FromUtf16(const WCHAR* text);
