#include "gdiplus/text_conversion.h"

#include <utility>

Utf16Text::Utf16Text(std::vector<WCHAR> units) : units_(std::move(units))
{
    if (units_.empty())
        units_.push_back(L'\0');
    length_ = lstrlenW(units_.data());
}

Utf16Text ToUtf16(const std::string& text)
{
    const char* bytes = text.c_str();
    int units = MultiByteToWideChar(CP_ACP, 0, bytes, -1, nullptr, 0);  // counts the terminator
    std::vector<WCHAR> buffer(units > 0 ? units : 1, L'\0');
    int length = lstrlenA(bytes);
    if (length > 0)  // the terminator comes from the zero fill
        MultiByteToWideChar(CP_ACP, 0, bytes, length, buffer.data(), static_cast<int>(buffer.size()));
    return Utf16Text(std::move(buffer));
}

std::string FromUtf16(const WCHAR* text)
{
    if (text == nullptr)
        return {};
    int size = WideCharToMultiByte(CP_OEMCP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return {};
    std::vector<char> buffer(size, '\0');
    WideCharToMultiByte(CP_OEMCP, 0, text, -1, buffer.data(), size, nullptr, nullptr);
    return std::string(buffer.data());
}
