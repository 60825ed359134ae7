#pragma once
// Helpers for the picture tests: embedded pictures decoded by the real GDI+, pieces of them
// drawn the way the skin and the image button cut them, and ARGB pixel arithmetic.
#include <cstdint>
#include <memory>
#include <vector>

#include "common/byte_buffer.h"
#include "gdiplus/image.h"
#include "gdiplus/support/gdiplus_test_support.h"

inline int Alpha(std::uint32_t argb) { return static_cast<int>(argb >> 24); }
inline int Red(std::uint32_t argb) { return static_cast<int>((argb >> 16) & 0xFF); }
inline int Green(std::uint32_t argb) { return static_cast<int>((argb >> 8) & 0xFF); }
inline int Blue(std::uint32_t argb) { return static_cast<int>(argb & 0xFF); }

// A picture decoded from its file bytes by Image::LoadFromBytes, as the program decodes it.
// Pixels are read and changed through the native bitmap GDI+ decodes such files into.
class DecodedPicture {
public:
    explicit DecodedPicture(const ByteBuffer& bytes);
    bool Decoded() const { return decoded_; }
    Gdiplus::GpImage* Native() const { return static_cast<Gdiplus::GpImage*>(image_.GetNativePointer()); }
    int Width() const { return static_cast<int>(image_.GetWidth()); }
    int Height() const { return static_cast<int>(image_.GetHeight()); }
    std::uint32_t Pixel(int x, int y) const;
    void SetPixel(int x, int y, std::uint32_t argb);

private:
    Image image_;
    bool decoded_ = false;
};

struct SourceRect {
    int x, y, width, height;
};
struct DestinationRect {
    float x, y, width, height;
};
struct Piece {
    SourceRect source;
    DestinationRect destination;
};

// The eight pieces of the frame image that make the border of a window of width w, height h.
std::vector<Piece> WindowBorderPieces(float w, float h);
// The nine pieces of strip frame k (1 to 4) that make an image button at (l, t), size w x h.
std::vector<Piece> ImageButtonPieces(int k, float l, float t, float w, float h);

// Draws the pieces (unit pixel, no attributes, default quality) onto a canvas cleared to
// `background` and returns it.
std::unique_ptr<TestBitmap> DrawPieces(const DecodedPicture& picture, const std::vector<Piece>& pieces,
                                       int width, int height, std::uint32_t background);
