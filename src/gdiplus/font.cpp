#include "gdiplus/font.h"

#include "gdiplus/call_patterns.h"
#include "gdiplus/log_font.h"

namespace {

// The screen's device context for the length of one call.
class ScreenDc {
public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ~ScreenDc() { ReleaseDC(nullptr, dc_); }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

}  // namespace

Font::~Font()
{
    Delete();
}

void Font::SetNativeHandle(void* handle)
{
    nativeHandle = static_cast<Gdiplus::GpFont*>(handle);
}

bool Font::Delete()
{
    return DeleteNative(*this, nativeHandle, Flat().GdipDeleteFont);
}

bool Font::Create(const GdiplusObject& family, float emSize, int style, int unit)
{
    return CreateInto(*this, nativeHandle, Flat().GdipCreateFont, family, emSize, style, unit);
}

bool Font::CreateDefault()
{
    LogFontBlock logFont(*this);
    if (!logFont.ReadFrom(GetStockObject(DEFAULT_GUI_FONT)))
        return false;
    ScreenDc screen;
    return CreateInto(*this, nativeHandle, Flat().GdipCreateFontFromLogfontA, screen.Get(), logFont.Get());
}

bool Font::CreateByName(const std::string& familyName, float emSize, int style, int unit)
{
    FontFamily family;
    family.CreateFromName(familyName);
    bool created = Create(family, emSize, style, unit);
    const std::int32_t creationStatus = LastStatus;
    family.Delete();
    LastStatus = creationStatus;
    return created;
}

bool Font::CreateFromDC(HDC dc)
{
    return CreateInto(*this, nativeHandle, Flat().GdipCreateFontFromDC, dc);
}

bool Font::CreateFromHFONT(HDC dc, HFONT font)
{
    if (font != nullptr) {
        LogFontBlock logFont(*this);
        if (logFont.ReadFrom(font))
            return CreateFromLogfont(dc, logFont.Get());
    }
    return CreateFromDC(dc);
}

bool Font::CreateFromLogfont(HDC dc, const LOGFONTA* logFont)
{
    if (logFont == nullptr)
        return CreateFromDC(dc);
    return CreateInto(*this, nativeHandle, Flat().GdipCreateFontFromLogfontA, dc, logFont);
}

bool Font::Clone(Font& target) const
{
    return CloneInto(target, Flat().GdipCloneFont, nativeHandle);
}

bool Font::GetFamily(FontFamily& target) const
{
    return CloneInto(target, Flat().GdipGetFamily, nativeHandle);
}

int Font::GetStyle() const
{
    return Getter(Flat().GdipGetFontStyle, nativeHandle);
}

float Font::GetSize() const
{
    return Getter(Flat().GdipGetFontSize, nativeHandle);
}

int Font::GetUnit() const
{
    return Getter(Flat().GdipGetFontUnit, nativeHandle);
}

float Font::GetHeight(const GdiplusObject* graphics) const
{
    return Getter(Flat().GdipGetFontHeight, nativeHandle, graphics);
}

float Font::GetHeightGivenDPI(float dpi) const
{
    return Getter(Flat().GdipGetFontHeightGivenDPI, nativeHandle, dpi);
}

bool Font::GetLogFontA(const GdiplusObject& graphics, ByteBuffer& logFont) const
{
    MakeRoomForLogFont(logFont);
    return Action(Flat().GdipGetLogFontA, nativeHandle, graphics, reinterpret_cast<LOGFONTA*>(logFont.data()));
}
