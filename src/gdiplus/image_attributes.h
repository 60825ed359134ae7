#pragma once
// Colour adjustments applied while an image is drawn. `type` is GDI+'s colour-adjust type
// (0, the default category, when omitted); every Set method enables its adjustment and every
// Clear method disables it. Methods in slot order (slots 0 to 6: GdiplusObject).
#include "gdiplus/gdiplus_object.h"
#include "gdiplus/image_records.h"

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <string>
#include <vector>

class ImageAttributes : public GdiplusObject {
public:
    ImageAttributes() = default;
    ~ImageAttributes() override;                                                       // 0: Delete

    void SetNativeHandle(void* handle) override;                                       // 4
    // 7: makes the call even on an empty wrapper, where GDI+ answers InvalidParameter.
    bool Delete();
    bool Create();                                                                     // 8
    bool Clone(ImageAttributes& target) const;                                         // 9
    bool SetToIdentity(INT type = 0);                                                  // 10
    bool Reset(INT type = 0);                                                          // 11
    bool SetThreshold(float threshold, INT type = 0);                                  // 12
    bool ClearThreshold(INT type = 0);                                                 // 13
    bool SetNoOp(INT type = 0);                                                        // 14
    bool ClearNoOp(INT type = 0);                                                      // 15
    bool SetGamma(float gamma, INT type = 0);                                          // 16
    bool ClearGamma(INT type = 0);                                                     // 17
    bool SetColorKey(Gdiplus::ARGB low, Gdiplus::ARGB high, INT type = 0);             // 18
    bool ClearColorKey(INT type = 0);                                                  // 19
    bool SetOutputChannel(INT channelFlags, INT type = 0);                             // 20
    bool ClearOutputChannel(INT type = 0);                                             // 21
    bool SetOutputChannelColorProfile(const std::string& fileName, INT type = 0);      // 22
    bool ClearOutputChannelColorProfile(INT type = 0);                                 // 23
    bool SetRemapTable(const std::vector<ColorMapEntry>& maps, INT type = 0);          // 24
    bool ClearRemapTable(INT type = 0);                                                // 25
    bool SetWrapMode(INT wrapMode, Gdiplus::ARGB color = 0);                           // 26
    bool GetAdjustedPalette(PaletteRecord& palette, INT type = 0);                     // 27: in place
    // 28: 25 floats each, row by row; an empty grey matrix passes none.
    bool SetColorMatrix(const std::vector<float>& colorMatrix, const std::vector<float>& greyMatrix,
                        INT flags = 0, INT type = 0);
    bool ClearColorMatrix(INT type = 0);                                               // 29

private:
    Gdiplus::GpImageAttributes* nativeHandle = nullptr;
};
