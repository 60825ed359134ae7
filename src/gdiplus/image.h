#pragma once
// A decoded picture. Images decoded from bytes keep those bytes in imageStream for as long as
// the native image lives, because GDI+ may read them again at any time. Methods in slot order
// (slots 0 to 6: GdiplusObject).
#include "common/byte_buffer.h"
#include "gdiplus/gdiplus_object.h"
#include "gdiplus/image_records.h"
#include "gdiplus/memory_stream.h"
#include "gdiplus/value_records.h"

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class Image : public GdiplusObject {
public:
    Image() = default;
    ~Image() override;                                                      // 0: Delete

    void SetNativeHandle(void* handle) override;                            // 4
    virtual void SetDerivedHandle(void* handle);                            // 7: nothing in Image
    virtual bool Delete();                                                  // 8
    // 9, 10: the ICM decoders when colorManagement is non-zero.
    virtual bool LoadFromFile(const std::string& fileName, BOOL colorManagement = FALSE);
    virtual bool LoadFromBytes(const ByteBuffer& bytes, BOOL colorManagement = FALSE);
    bool Clone(Image& target) const;                                        // 11
    // 12, 13: format is a GUID text (the image's raw format when omitted); the encoder is found
    // by it, a format without encoder makes GDI+ fail. SaveToBytes returns what the encoder
    // wrote, also the empty bytes after a failure.
    bool SaveToFile(const std::string& fileName, const std::optional<std::string>& format = std::nullopt,
                    const EncoderParameterList* parameters = nullptr) const;
    ByteBuffer SaveToBytes(const std::optional<std::string>& format = std::nullopt,
                           const EncoderParameterList* parameters = nullptr) const;
    bool SaveAdd(const EncoderParameterList& parameters) const;            // 14
    bool SaveAddImage(const Image& image, const EncoderParameterList& parameters) const;  // 15
    bool GetEncoderParameterList(const std::string& format, EncoderParameterList& list) const;  // 16
    std::string GetRawFormat() const;                                       // 17
    RectF GetBounds(INT& unit) const;                                       // 18
    SizeF GetPhysicalDimension() const;                                     // 19
    INT GetType() const;                                                    // 20
    UINT GetWidth() const;                                                  // 21
    UINT GetHeight() const;                                                 // 22
    float GetHorizontalResolution() const;                                  // 23
    float GetVerticalResolution() const;                                    // 24
    UINT GetFlags() const;                                                  // 25
    INT GetPixelFormat() const;                                             // 26
    bool GetThumbnailImage(UINT width, UINT height, Image& target) const;   // 27
    UINT GetFrameCount(const std::string& dimension) const;                 // 28
    bool GetFrameDimensionsList(std::vector<std::string>& dimensions) const;  // 29
    bool SelectActiveFrame(const std::string& dimension, UINT frameIndex);  // 30
    bool GetFrameDelays(std::vector<std::uint32_t>& delays) const;          // 31
    bool GetPropertyItem(PROPID id, PropertyItemRecord& item) const;        // 32
    bool SetPropertyItem(const PropertyItemRecord& item);                   // 33
    bool RemovePropertyItem(PROPID id);                                     // 34
    UINT GetPropertyIdList(std::vector<PROPID>& ids) const;                 // 35: the count
    bool RotateFlip(INT rotateFlipType);                                    // 36
    bool GetPalette(PaletteRecord& palette) const;                          // 37
    bool SetPalette(PaletteRecord& palette);                                // 38: written back

protected:
    // Delete of Image and Bitmap: dispose, empty the wrapper, then let go of the source bytes.
    bool DisposeWithStream(Gdiplus::GpImage* handle, MemoryStream& stream);

    Gdiplus::GpImage* nativeHandle = nullptr;
    MemoryStream imageStream;
};
