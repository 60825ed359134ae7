// Graphics: drawing images and enumerating metafiles. No abort callback is ever passed.
#include "gdiplus/graphics.h"

#include "gdiplus/call_patterns.h"

#include <array>

namespace {

constexpr int kPixelUnit = 2;

// The image's upper-left, upper-right and lower-left corners; the fourth follows.
template <class P, class C>
std::array<P, 3> Parallelogram(C x1, C y1, C x2, C y2, C x3, C y3)
{
    return {P{x1, y1}, P{x2, y2}, P{x3, y3}};
}

}  // namespace

bool Graphics::DrawImage(const GdiplusObject& image, float x, float y)
{
    return Action(Flat().GdipDrawImage, nativeHandle, image, x, y);
}

bool Graphics::DrawImageI(const GdiplusObject& image, int x, int y)
{
    return Action(Flat().GdipDrawImageI, nativeHandle, image, x, y);
}

// The coordinates are truncated toward zero.
bool Graphics::DrawCachedBitmap(const GdiplusObject& cachedBitmap, float x, float y)
{
    return Action(Flat().GdipDrawCachedBitmap, nativeHandle, cachedBitmap, static_cast<INT>(x),
                  static_cast<INT>(y));
}

// The whole image, its size read first (which also sets LastStatus), scaled into the rectangle.
bool Graphics::DrawImageRect(const GdiplusObject& image, float x, float y, float width, float height,
                             std::optional<int> sourceUnit)
{
    UINT imageWidth = Getter(Flat().GdipGetImageWidth, image);
    UINT imageHeight = Getter(Flat().GdipGetImageHeight, image);
    return Action(Flat().GdipDrawImageRectRect, nativeHandle, image, x, y, width, height, 0.0f, 0.0f,
                  static_cast<float>(imageWidth), static_cast<float>(imageHeight), sourceUnit.value_or(kPixelUnit),
                  nullptr, nullptr, nullptr);
}

bool Graphics::DrawImageRectI(const GdiplusObject& image, int x, int y, int width, int height,
                              std::optional<int> sourceUnit)
{
    UINT imageWidth = Getter(Flat().GdipGetImageWidth, image);
    UINT imageHeight = Getter(Flat().GdipGetImageHeight, image);
    return Action(Flat().GdipDrawImageRectRectI, nativeHandle, image, x, y, width, height, 0, 0,
                  static_cast<INT>(imageWidth), static_cast<INT>(imageHeight), sourceUnit.value_or(kPixelUnit),
                  nullptr, nullptr, nullptr);
}

bool Graphics::DrawImagePoints(const GdiplusObject& image, float x1, float y1, float x2, float y2, float x3,
                               float y3)
{
    const auto corners = Parallelogram<PointF>(x1, y1, x2, y2, x3, y3);
    return Action(Flat().GdipDrawImagePoints, nativeHandle, image, corners.data(), 3);
}

bool Graphics::DrawImagePointsI(const GdiplusObject& image, int x1, int y1, int x2, int y2, int x3, int y3)
{
    const auto corners = Parallelogram<Point>(x1, y1, x2, y2, x3, y3);
    return Action(Flat().GdipDrawImagePointsI, nativeHandle, image, corners.data(), 3);
}

bool Graphics::DrawImagePointRect(const GdiplusObject& image, float x, float y, float sourceX, float sourceY,
                                  float sourceWidth, float sourceHeight, std::optional<int> sourceUnit)
{
    return Action(Flat().GdipDrawImagePointRect, nativeHandle, image, x, y, sourceX, sourceY, sourceWidth,
                  sourceHeight, sourceUnit.value_or(kPixelUnit));
}

bool Graphics::DrawImagePointRectI(const GdiplusObject& image, int x, int y, int sourceX, int sourceY,
                                   int sourceWidth, int sourceHeight, std::optional<int> sourceUnit)
{
    return Action(Flat().GdipDrawImagePointRectI, nativeHandle, image, x, y, sourceX, sourceY, sourceWidth,
                  sourceHeight, sourceUnit.value_or(kPixelUnit));
}

bool Graphics::DrawImageRectRect(const GdiplusObject& image, float x, float y, float width, float height,
                                 float sourceX, float sourceY, float sourceWidth, float sourceHeight,
                                 std::optional<int> sourceUnit, const GdiplusObject* attributes)
{
    return Action(Flat().GdipDrawImageRectRect, nativeHandle, image, x, y, width, height, sourceX, sourceY,
                  sourceWidth, sourceHeight, sourceUnit.value_or(kPixelUnit), attributes, nullptr, nullptr);
}

bool Graphics::DrawImageRectRectI(const GdiplusObject& image, int x, int y, int width, int height, int sourceX,
                                  int sourceY, int sourceWidth, int sourceHeight, std::optional<int> sourceUnit,
                                  const GdiplusObject* attributes)
{
    return Action(Flat().GdipDrawImageRectRectI, nativeHandle, image, x, y, width, height, sourceX, sourceY,
                  sourceWidth, sourceHeight, sourceUnit.value_or(kPixelUnit), attributes, nullptr, nullptr);
}

bool Graphics::DrawImagePointsRect(const GdiplusObject& image, float x1, float y1, float x2, float y2, float x3,
                                   float y3, float sourceX, float sourceY, float sourceWidth, float sourceHeight,
                                   std::optional<int> sourceUnit, const GdiplusObject* attributes)
{
    const auto corners = Parallelogram<PointF>(x1, y1, x2, y2, x3, y3);
    return Action(Flat().GdipDrawImagePointsRect, nativeHandle, image, corners.data(), 3, sourceX, sourceY,
                  sourceWidth, sourceHeight, sourceUnit.value_or(kPixelUnit), attributes, nullptr, nullptr);
}

bool Graphics::DrawImagePointsRectI(const GdiplusObject& image, int x1, int y1, int x2, int y2, int x3, int y3,
                                    int sourceX, int sourceY, int sourceWidth, int sourceHeight,
                                    std::optional<int> sourceUnit, const GdiplusObject* attributes)
{
    const auto corners = Parallelogram<Point>(x1, y1, x2, y2, x3, y3);
    return Action(Flat().GdipDrawImagePointsRectI, nativeHandle, image, corners.data(), 3, sourceX, sourceY,
                  sourceWidth, sourceHeight, sourceUnit.value_or(kPixelUnit), attributes, nullptr, nullptr);
}

bool Graphics::EnumerateMetafileDestPoint(const GdiplusObject& metafile, const PointF& destination,
                                          MetafileEnumerationCallback callback, void* callbackData,
                                          const GdiplusObject* attributes)
{
    return Action(Flat().GdipEnumerateMetafileDestPoint, nativeHandle, metafile, destination, callback,
                  callbackData, attributes);
}

bool Graphics::EnumerateMetafileDestPointI(const GdiplusObject& metafile, const Point& destination,
                                           MetafileEnumerationCallback callback, void* callbackData,
                                           const GdiplusObject* attributes)
{
    return Action(Flat().GdipEnumerateMetafileDestPointI, nativeHandle, metafile, destination, callback,
                  callbackData, attributes);
}

bool Graphics::EnumerateMetafileDestPoints(const GdiplusObject& metafile, const std::vector<PointF>& destination,
                                           MetafileEnumerationCallback callback, void* callbackData,
                                           const GdiplusObject* attributes)
{
    return Action(Flat().GdipEnumerateMetafileDestPoints, nativeHandle, metafile, ArrayOf(destination),
                  CountOf(destination), callback, callbackData, attributes);
}

bool Graphics::EnumerateMetafileDestPointsI(const GdiplusObject& metafile, const std::vector<Point>& destination,
                                            MetafileEnumerationCallback callback, void* callbackData,
                                            const GdiplusObject* attributes)
{
    return Action(Flat().GdipEnumerateMetafileDestPointsI, nativeHandle, metafile, ArrayOf(destination),
                  CountOf(destination), callback, callbackData, attributes);
}

bool Graphics::EnumerateMetafileDestRect(const GdiplusObject& metafile, const RectF& destination,
                                         MetafileEnumerationCallback callback, void* callbackData,
                                         const GdiplusObject* attributes)
{
    return Action(Flat().GdipEnumerateMetafileDestRect, nativeHandle, metafile, destination, callback,
                  callbackData, attributes);
}

bool Graphics::EnumerateMetafileDestRectI(const GdiplusObject& metafile, const Rect& destination,
                                          MetafileEnumerationCallback callback, void* callbackData,
                                          const GdiplusObject* attributes)
{
    return Action(Flat().GdipEnumerateMetafileDestRectI, nativeHandle, metafile, destination, callback,
                  callbackData, attributes);
}

bool Graphics::EnumerateMetafileSrcRectDestPoint(const GdiplusObject& metafile, const PointF& destination,
                                                 const RectF& source, int sourceUnit,
                                                 MetafileEnumerationCallback callback, void* callbackData,
                                                 const GdiplusObject* attributes)
{
    return Action(Flat().GdipEnumerateMetafileSrcRectDestPoint, nativeHandle, metafile, destination, source,
                  sourceUnit, callback, callbackData, attributes);
}

bool Graphics::EnumerateMetafileSrcRectDestPointI(const GdiplusObject& metafile, const Point& destination,
                                                  const Rect& source, int sourceUnit,
                                                  MetafileEnumerationCallback callback, void* callbackData,
                                                  const GdiplusObject* attributes)
{
    return Action(Flat().GdipEnumerateMetafileSrcRectDestPointI, nativeHandle, metafile, destination, source,
                  sourceUnit, callback, callbackData, attributes);
}

bool Graphics::EnumerateMetafileSrcRectDestPoints(const GdiplusObject& metafile,
                                                  const std::vector<PointF>& destination, const RectF& source,
                                                  int sourceUnit, MetafileEnumerationCallback callback,
                                                  void* callbackData, const GdiplusObject* attributes)
{
    return Action(Flat().GdipEnumerateMetafileSrcRectDestPoints, nativeHandle, metafile, ArrayOf(destination),
                  CountOf(destination), source, sourceUnit, callback, callbackData, attributes);
}

bool Graphics::EnumerateMetafileSrcRectDestPointsI(const GdiplusObject& metafile,
                                                   const std::vector<Point>& destination, const Rect& source,
                                                   int sourceUnit, MetafileEnumerationCallback callback,
                                                   void* callbackData, const GdiplusObject* attributes)
{
    return Action(Flat().GdipEnumerateMetafileSrcRectDestPointsI, nativeHandle, metafile, ArrayOf(destination),
                  CountOf(destination), source, sourceUnit, callback, callbackData, attributes);
}

bool Graphics::EnumerateMetafileSrcRectDestRect(const GdiplusObject& metafile, const RectF& destination,
                                                const RectF& source, int sourceUnit,
                                                MetafileEnumerationCallback callback, void* callbackData,
                                                const GdiplusObject* attributes)
{
    return Action(Flat().GdipEnumerateMetafileSrcRectDestRect, nativeHandle, metafile, destination, source,
                  sourceUnit, callback, callbackData, attributes);
}

bool Graphics::EnumerateMetafileSrcRectDestRectI(const GdiplusObject& metafile, const Rect& destination,
                                                 const Rect& source, int sourceUnit,
                                                 MetafileEnumerationCallback callback, void* callbackData,
                                                 const GdiplusObject* attributes)
{
    return Action(Flat().GdipEnumerateMetafileSrcRectDestRectI, nativeHandle, metafile, destination, source,
                  sourceUnit, callback, callbackData, attributes);
}
