#include "resources/picture_testing.h"

namespace {

Gdiplus::GpBitmap* AsBitmap(Gdiplus::GpImage* image)
{
    return static_cast<Gdiplus::GpBitmap*>(image);
}

}  // namespace

DecodedPicture::DecodedPicture(const ByteBuffer& bytes)
{
    EnsureGdiplusStarted();
    decoded_ = image_.LoadFromBytes(bytes);
}

std::uint32_t DecodedPicture::Pixel(int x, int y) const
{
    Gdiplus::ARGB color = 0;
    Flat().GdipBitmapGetPixel(AsBitmap(Native()), x, y, &color);
    return color;
}

void DecodedPicture::SetPixel(int x, int y, std::uint32_t argb)
{
    Flat().GdipBitmapSetPixel(AsBitmap(Native()), x, y, argb);
}

std::vector<Piece> WindowBorderPieces(float w, float h)
{
    return {
        {{8, 8, 5, 5}, {0, 0, 5, 5}},           {{19, 8, 5, 5}, {w - 5, 0, 5, 5}},
        {{8, 59, 5, 5}, {0, h - 5, 5, 5}},      {{19, 59, 5, 5}, {w - 5, h - 5, 5, 5}},
        {{13, 8, 6, 5}, {5, 0, w - 10, 5}},     {{13, 59, 6, 5}, {5, h - 5, w - 10, 5}},
        {{8, 13, 5, 46}, {0, 5, 5, h - 10}},    {{19, 13, 5, 46}, {w - 5, 5, 5, h - 10}},
    };
}

std::vector<Piece> ImageButtonPieces(int k, float l, float t, float w, float h)
{
    const int fx = (k - 1) * 18;
    return {
        {{fx, 0, 7, 7}, {l, t, 7, 7}},
        {{fx + 10, 0, 7, 7}, {l + w - 7, t, 7, 7}},
        {{fx, 21, 7, 7}, {l, t + h - 7, 7, 7}},
        {{fx + 10, 21, 7, 7}, {l + w - 7, t + h - 7, 7, 7}},
        {{fx + 10, 0, 1, 7}, {l + 7, t, w - 14, 7}},
        {{fx + 10, 21, 1, 7}, {l + 7, t + h - 7, w - 14, 7}},
        {{fx, 8, 7, 14}, {l, t + 7, 7, h - 14}},
        {{fx + 10, 8, 7, 14}, {l + w - 7, t + 7, 7, h - 14}},
        {{fx + 3, 8, 3, 14}, {l + 7, t + 7, w - 14, h - 14}},
    };
}

std::unique_ptr<TestBitmap> DrawPieces(const DecodedPicture& picture, const std::vector<Piece>& pieces,
                                       int width, int height, std::uint32_t background)
{
    auto canvas = std::make_unique<TestBitmap>(width, height);
    Gdiplus::GpGraphics* graphics = nullptr;
    Flat().GdipGetImageGraphicsContext(canvas->Handle(), &graphics);
    OwnedNative<Gdiplus::GpGraphics> ownedGraphics(graphics, Flat().GdipDeleteGraphics);
    Flat().GdipGraphicsClear(graphics, background);
    for (const Piece& piece : pieces) {
        const SourceRect& s = piece.source;
        const DestinationRect& d = piece.destination;
        Flat().GdipDrawImageRectRect(graphics, picture.Native(), d.x, d.y, d.width, d.height,
                                     static_cast<float>(s.x), static_cast<float>(s.y),
                                     static_cast<float>(s.width), static_cast<float>(s.height),
                                     Gdiplus::UnitPixel, nullptr, nullptr, nullptr);
    }
    return canvas;
}
