#pragma once
// An Image with pixel access and more ways to be made. Its own operations (slots 7 to 10 and
// 39 to 54) work on derivedHandle and keep loaded bytes in bitmapStream; the inherited Image
// methods (11 to 38) work on nativeHandle, which always holds the same native bitmap.
#include "gdiplus/image.h"

// What ApplyEffect needs of an effect object (the effect classes live outside this library):
// its native effect and the auxiliary data GDI+ hands back, which the effect keeps.
class BitmapEffect {
public:
    virtual ~BitmapEffect() = default;
    virtual Gdiplus::CGpEffect* GetNativeEffect() const = 0;  // slot 3 of an effect
    virtual INT GetAuxDataSize() const = 0;                    // slot 6
    virtual void SetAuxDataSize(INT size) = 0;
    virtual void* GetAuxData() const = 0;                      // slot 7
    virtual void SetAuxData(void* data) = 0;
    virtual BOOL GetUseAuxData() const = 0;                    // slot 8
};

class Bitmap : public Image {
public:
    static constexpr INT kDefaultPixelFormat = PixelFormat32bppARGB;  // 0x26200A

    Bitmap() = default;
    ~Bitmap() override;                                                       // 0: Delete

    void SetDerivedHandle(void* handle) override;                             // 7
    bool Delete() override;                                                   // 8
    bool LoadFromFile(const std::string& fileName, BOOL colorManagement = FALSE) override;  // 9
    bool LoadFromBytes(const ByteBuffer& bytes, BOOL colorManagement = FALSE) override;     // 10
    // 11 to 38: Image.
    bool CreateFromScan0(INT width, INT height, INT stride, INT pixelFormat, void* pixels);  // 39
    // 40: GDI+ allocates the pixels, all transparent.
    bool Create(INT width, INT height, INT pixelFormat = kDefaultPixelFormat);
    bool CreateFromGraphics(INT width, INT height, const GdiplusObject& graphics);           // 41
    bool CreateFromGdiDib(const BITMAPINFO* info, void* pixels);                              // 42
    bool CreateFromHBITMAP(HBITMAP bitmap, HPALETTE palette);                                 // 43
    bool CreateFromHICON(HICON icon);                                                         // 44
    bool CreateFromResource(HINSTANCE instance, const WCHAR* name);                           // 45
    HBITMAP GetHBITMAP(Gdiplus::ARGB background = 0) const;  // 46: the caller owns the result
    HICON GetHICON() const;                                  // 47: the caller owns the result
    bool CloneArea(const RectF& area, INT pixelFormat, Bitmap& target) const;                // 48
    bool LockBits(const Rect& area, UINT flags, INT pixelFormat, BitmapData& data);          // 49
    bool UnlockBits(BitmapData& data);                                                        // 50
    Gdiplus::ARGB GetPixel(INT x, INT y) const;                                               // 51
    bool SetPixel(INT x, INT y, Gdiplus::ARGB color);                                         // 52
    bool SetResolution(float dpiX, float dpiY);                                               // 53
    // 54: the area is the whole bitmap when omitted. The effect's previous auxiliary data is
    // freed, and it receives the new data and size GDI+ hands back.
    bool ApplyEffect(BitmapEffect& effect, const std::optional<Rect>& area = std::nullopt);

protected:
    Gdiplus::GpBitmap* derivedHandle = nullptr;
    MemoryStream bitmapStream;
};
