#pragma once
// A drawing surface over a window, a device context or an image: the class through which every
// pixel of the program is drawn. Methods in the order of their method-table slots (in comments);
// slots 0-6 are GdiplusObject's. Methods ending in I take integer coordinates and call the
// integer GDI+ function; the others take floats. Wrapper arguments of any class pass their native
// pointer (matrices, metafiles and cached bitmaps are plain GdiplusObjects); an omitted optional
// wrapper is null, an omitted rectangle all zeros.
#include "common/byte_buffer.h"
#include "gdiplus/flat_api.h"
#include "gdiplus/gdiplus_object.h"
#include "gdiplus/value_records.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// A metafile enumeration routine: (record type, flags, data size, data, callback data) -> continue.
using MetafileEnumerationCallback = Gdiplus::EnumerateMetafileProc;

class Graphics : public GdiplusObject {
public:
    Graphics() = default;
    ~Graphics() override;  // 0
    void SetNativeHandle(void* handle) override;  // 4

    // Lifetime and device context
    bool Delete();                                                          // 7
    bool CreateFromHWND(HWND window, int useColorManagement = 0);           // 8
    bool CreateFromHDC(HDC dc, std::optional<HANDLE> device = std::nullopt);  // 9
    bool CreateFromImage(const GdiplusObject& image);                       // 10
    HDC GetHDC();                                                           // 11
    bool ReleaseHDC(HDC dc);                                                // 12

    // Rendering settings
    int GetCompositingMode();                  // 13
    bool SetCompositingMode(int mode);         // 14
    bool GetRenderingOrigin(int& x, int& y);   // 15
    bool SetRenderingOrigin(int x, int y);     // 16
    int GetCompositingQuality();               // 17
    bool SetCompositingQuality(int quality);   // 18
    bool SetSmoothingMode(int mode);           // 19
    int GetSmoothingMode();                    // 20
    bool SetTextRenderingHint(int hint);       // 21
    int GetTextRenderingHint();                // 22
    bool SetInterpolationMode(int mode);       // 23
    int GetInterpolationMode();                // 24
    bool SetPixelOffsetMode(int mode);         // 25
    int GetPixelOffsetMode();                  // 26

    // Transforms, page and points
    bool SetTransform(const GdiplusObject& matrix);                        // 27
    bool GetTransform(const GdiplusObject& matrix);                        // 28
    bool ResetTransform();                                                 // 29
    bool MultiplyTransform(const GdiplusObject& matrix, int order = 0);    // 30
    bool TranslateTransform(float dx, float dy, int order = 0);            // 31
    bool ScaleTransform(float sx, float sy, int order = 0);                // 32
    bool RotateTransform(float angle, int order = 0);                      // 33
    bool SetPageUnit(int unit);                                            // 34
    int GetPageUnit();                                                     // 35
    bool SetPageScale(float scale);                                        // 36
    float GetPageScale();                                                  // 37
    float GetDpiX();                                                       // 38
    float GetDpiY();                                                       // 39
    bool TransformPoints(int destinationSpace, int sourceSpace, std::vector<PointF>& points);  // 40
    bool TransformPointsI(int destinationSpace, int sourceSpace, std::vector<Point>& points);  // 41
    std::uint32_t GetNearestColor(std::uint32_t color);                    // 42

    // Drawing outlines
    bool DrawLine(const GdiplusObject& pen, float x1, float y1, float x2, float y2);  // 43
    bool DrawLineI(const GdiplusObject& pen, int x1, int y1, int x2, int y2);        // 44
    bool DrawLines(const GdiplusObject& pen, const std::vector<PointF>& points);     // 45
    bool DrawLinesI(const GdiplusObject& pen, const std::vector<Point>& points);     // 46
    bool DrawArc(const GdiplusObject& pen, float x, float y, float width, float height, float startAngle,
                 float sweepAngle);                                                   // 47
    bool DrawArcI(const GdiplusObject& pen, int x, int y, int width, int height, float startAngle,
                  float sweepAngle);                                                  // 48
    bool DrawBezier(const GdiplusObject& pen, float x1, float y1, float x2, float y2, float x3, float y3,
                    float x4, float y4);                                              // 49
    bool DrawBezierI(const GdiplusObject& pen, int x1, int y1, int x2, int y2, int x3, int y3, int x4,
                     int y4);                                                         // 50
    bool DrawBeziers(const GdiplusObject& pen, const std::vector<PointF>& points);   // 51
    bool DrawBeziersI(const GdiplusObject& pen, const std::vector<Point>& points);   // 52
    bool DrawRectangle(const GdiplusObject& pen, float x, float y, float width, float height);  // 53
    bool DrawRectangleI(const GdiplusObject& pen, int x, int y, int width, int height);        // 54
    bool DrawRectangles(const GdiplusObject& pen, const std::vector<RectF>& rects);  // 55
    bool DrawRectanglesI(const GdiplusObject& pen, const std::vector<Rect>& rects);  // 56
    bool DrawEllipse(const GdiplusObject& pen, float x, float y, float width, float height);    // 57
    bool DrawEllipseI(const GdiplusObject& pen, int x, int y, int width, int height);          // 58
    bool DrawPie(const GdiplusObject& pen, float x, float y, float width, float height, float startAngle,
                 float sweepAngle);                                                   // 59
    bool DrawPieI(const GdiplusObject& pen, int x, int y, int width, int height, float startAngle,
                  float sweepAngle);                                                  // 60
    bool DrawPolygon(const GdiplusObject& pen, const std::vector<PointF>& points);   // 61
    bool DrawPolygonI(const GdiplusObject& pen, const std::vector<Point>& points);   // 62
    bool DrawPath(const GdiplusObject& pen, const GdiplusObject& path);              // 63
    bool DrawCurve(const GdiplusObject& pen, const std::vector<PointF>& points);     // 64
    bool DrawCurveI(const GdiplusObject& pen, const std::vector<Point>& points);     // 65
    bool DrawCurve2(const GdiplusObject& pen, const std::vector<PointF>& points, float tension);  // 66
    bool DrawCurve2I(const GdiplusObject& pen, const std::vector<Point>& points, float tension);  // 67
    bool DrawCurve3(const GdiplusObject& pen, const std::vector<PointF>& points, int offset, int segments,
                    float tension);                                                   // 68
    bool DrawCurve3I(const GdiplusObject& pen, const std::vector<Point>& points, int offset, int segments,
                     float tension);                                                  // 69
    bool DrawClosedCurve(const GdiplusObject& pen, const std::vector<PointF>& points);  // 70
    bool DrawClosedCurveI(const GdiplusObject& pen, const std::vector<Point>& points);  // 71
    bool DrawClosedCurve2(const GdiplusObject& pen, const std::vector<PointF>& points, float tension);  // 72
    bool DrawClosedCurve2I(const GdiplusObject& pen, const std::vector<Point>& points, float tension);  // 73

    // Filling
    bool Clear(std::optional<std::uint32_t> color = std::nullopt);  // 74, opaque white when omitted
    bool FillRectangle(const GdiplusObject& brush, float x, float y, float width, float height);  // 75
    bool FillRectangleRect(const GdiplusObject& brush, const RectF& rect);                        // 76
    bool FillRectangleI(const GdiplusObject& brush, int x, int y, int width, int height);        // 77
    bool FillRectangles(const GdiplusObject& brush, const std::vector<RectF>& rects);            // 78
    bool FillRectanglesI(const GdiplusObject& brush, const std::vector<Rect>& rects);            // 79
    bool FillPolygon(const GdiplusObject& brush, const std::vector<PointF>& points, int fillMode = 0);  // 80
    bool FillPolygonI(const GdiplusObject& brush, const std::vector<Point>& points, int fillMode = 0);  // 81
    bool FillEllipse(const GdiplusObject& brush, float x, float y, float width, float height);    // 82
    bool FillEllipseI(const GdiplusObject& brush, int x, int y, int width, int height);          // 83
    bool FillPie(const GdiplusObject& brush, float x, float y, float width, float height, float startAngle,
                 float sweepAngle);                                                   // 84
    bool FillPieI(const GdiplusObject& brush, int x, int y, int width, int height, float startAngle,
                  float sweepAngle);                                                  // 85
    bool FillPath(const GdiplusObject& brush, const GdiplusObject& path);            // 86
    bool FillClosedCurve(const GdiplusObject& brush, const std::vector<PointF>& points);  // 87
    bool FillClosedCurve2(const GdiplusObject& brush, const std::vector<PointF>& points, float tension,
                          int fillMode = 0);                                          // 88
    bool FillClosedCurveI(const GdiplusObject& brush, const std::vector<Point>& points);  // 89
    bool FillClosedCurve2I(const GdiplusObject& brush, const std::vector<Point>& points, float tension,
                           int fillMode = 0);                                         // 90
    bool FillRegion(const GdiplusObject& brush, const GdiplusObject& region);        // 91

    // Text
    bool DrawString(const std::string& text, const GdiplusObject& font, const GdiplusObject& brush,
                    std::optional<RectF> layout = std::nullopt, const GdiplusObject* format = nullptr);  // 92
    bool MeasureString(const std::string& text, const GdiplusObject& font, std::optional<RectF> layout,
                       const GdiplusObject* format, RectF& boundingBox);              // 93
    // 94: regions becomes `count` fresh wrappers; wrapper i receives the area of character range i.
    template <class RegionWrapper>
    bool MeasureCharacterRanges(const std::string& text, const GdiplusObject& font, std::optional<RectF> layout,
                                const GdiplusObject* format, int count,
                                std::vector<std::unique_ptr<RegionWrapper>>& regions);
    bool DrawDriverString(const std::string& text, const GdiplusObject& font, const GdiplusObject& brush,
                          const std::vector<PointF>& positions, std::optional<int> flags = std::nullopt,
                          const GdiplusObject* matrix = nullptr);  // 95, flags 1 when omitted
    bool SetTextContrast(unsigned contrast);                        // 96
    unsigned GetTextContrast();                                     // 97

    // Images (source units are 2, pixels, when omitted)
    bool DrawImage(const GdiplusObject& image, float x, float y);             // 98
    bool DrawImageI(const GdiplusObject& image, int x, int y);                // 99
    bool DrawCachedBitmap(const GdiplusObject& cachedBitmap, float x, float y);  // 100
    bool DrawImageRect(const GdiplusObject& image, float x, float y, float width, float height,
                       std::optional<int> sourceUnit = std::nullopt);         // 101
    bool DrawImageRectI(const GdiplusObject& image, int x, int y, int width, int height,
                        std::optional<int> sourceUnit = std::nullopt);        // 102
    bool DrawImagePoints(const GdiplusObject& image, float x1, float y1, float x2, float y2, float x3,
                         float y3);                                           // 103
    bool DrawImagePointsI(const GdiplusObject& image, int x1, int y1, int x2, int y2, int x3, int y3);  // 104
    bool DrawImagePointRect(const GdiplusObject& image, float x, float y, float sourceX, float sourceY,
                            float sourceWidth, float sourceHeight,
                            std::optional<int> sourceUnit = std::nullopt);    // 105
    bool DrawImagePointRectI(const GdiplusObject& image, int x, int y, int sourceX, int sourceY, int sourceWidth,
                             int sourceHeight, std::optional<int> sourceUnit = std::nullopt);  // 106
    bool DrawImageRectRect(const GdiplusObject& image, float x, float y, float width, float height, float sourceX,
                           float sourceY, float sourceWidth, float sourceHeight,
                           std::optional<int> sourceUnit = std::nullopt,
                           const GdiplusObject* attributes = nullptr);        // 107
    bool DrawImageRectRectI(const GdiplusObject& image, int x, int y, int width, int height, int sourceX,
                            int sourceY, int sourceWidth, int sourceHeight,
                            std::optional<int> sourceUnit = std::nullopt,
                            const GdiplusObject* attributes = nullptr);       // 108
    bool DrawImagePointsRect(const GdiplusObject& image, float x1, float y1, float x2, float y2, float x3, float y3,
                             float sourceX, float sourceY, float sourceWidth, float sourceHeight,
                             std::optional<int> sourceUnit = std::nullopt,
                             const GdiplusObject* attributes = nullptr);      // 109
    bool DrawImagePointsRectI(const GdiplusObject& image, int x1, int y1, int x2, int y2, int x3, int y3,
                              int sourceX, int sourceY, int sourceWidth, int sourceHeight,
                              std::optional<int> sourceUnit = std::nullopt,
                              const GdiplusObject* attributes = nullptr);     // 110

    // Metafile enumeration: the callback runs once per record before the method returns.
    bool EnumerateMetafileDestPoint(const GdiplusObject& metafile, const PointF& destination,
                                    MetafileEnumerationCallback callback, void* callbackData = nullptr,
                                    const GdiplusObject* attributes = nullptr);  // 111
    bool EnumerateMetafileDestPointI(const GdiplusObject& metafile, const Point& destination,
                                     MetafileEnumerationCallback callback, void* callbackData = nullptr,
                                     const GdiplusObject* attributes = nullptr);  // 112
    bool EnumerateMetafileDestPoints(const GdiplusObject& metafile, const std::vector<PointF>& destination,
                                     MetafileEnumerationCallback callback, void* callbackData = nullptr,
                                     const GdiplusObject* attributes = nullptr);  // 113
    bool EnumerateMetafileDestPointsI(const GdiplusObject& metafile, const std::vector<Point>& destination,
                                      MetafileEnumerationCallback callback, void* callbackData = nullptr,
                                      const GdiplusObject* attributes = nullptr);  // 114
    bool EnumerateMetafileDestRect(const GdiplusObject& metafile, const RectF& destination,
                                   MetafileEnumerationCallback callback, void* callbackData = nullptr,
                                   const GdiplusObject* attributes = nullptr);  // 115
    bool EnumerateMetafileDestRectI(const GdiplusObject& metafile, const Rect& destination,
                                    MetafileEnumerationCallback callback, void* callbackData = nullptr,
                                    const GdiplusObject* attributes = nullptr);  // 116
    bool EnumerateMetafileSrcRectDestPoint(const GdiplusObject& metafile, const PointF& destination,
                                           const RectF& source, int sourceUnit,
                                           MetafileEnumerationCallback callback, void* callbackData = nullptr,
                                           const GdiplusObject* attributes = nullptr);  // 117
    bool EnumerateMetafileSrcRectDestPointI(const GdiplusObject& metafile, const Point& destination,
                                            const Rect& source, int sourceUnit,
                                            MetafileEnumerationCallback callback, void* callbackData = nullptr,
                                            const GdiplusObject* attributes = nullptr);  // 118
    bool EnumerateMetafileSrcRectDestPoints(const GdiplusObject& metafile, const std::vector<PointF>& destination,
                                            const RectF& source, int sourceUnit,
                                            MetafileEnumerationCallback callback, void* callbackData = nullptr,
                                            const GdiplusObject* attributes = nullptr);  // 119
    bool EnumerateMetafileSrcRectDestPointsI(const GdiplusObject& metafile, const std::vector<Point>& destination,
                                             const Rect& source, int sourceUnit,
                                             MetafileEnumerationCallback callback, void* callbackData = nullptr,
                                             const GdiplusObject* attributes = nullptr);  // 120
    bool EnumerateMetafileSrcRectDestRect(const GdiplusObject& metafile, const RectF& destination,
                                          const RectF& source, int sourceUnit,
                                          MetafileEnumerationCallback callback, void* callbackData = nullptr,
                                          const GdiplusObject* attributes = nullptr);  // 121
    bool EnumerateMetafileSrcRectDestRectI(const GdiplusObject& metafile, const Rect& destination,
                                           const Rect& source, int sourceUnit,
                                           MetafileEnumerationCallback callback, void* callbackData = nullptr,
                                           const GdiplusObject* attributes = nullptr);  // 122

    // Clipping
    bool SetClipGraphics(const GdiplusObject& graphics, int combineMode = 0);                      // 123
    bool SetClipPath(const GdiplusObject& path, int combineMode = 0);                              // 124
    bool SetClipRect(float x, float y, float width, float height, int combineMode = 0);           // 125
    bool SetClipRectI(int x, int y, int width, int height, int combineMode = 0);                  // 126
    bool SetClipRegion(const GdiplusObject& region, int combineMode = 0);                          // 127
    bool SetClipHrgn(HRGN region, int combineMode = 0);                                            // 128
    bool ResetClip();                                                                              // 129
    bool TranslateClip(float dx, float dy);                                                        // 130
    bool TranslateClipI(int dx, int dy);                                                           // 131
    bool GetClip(const GdiplusObject& region);                                                     // 132
    RectF GetClipBounds();                                                                         // 133
    Rect GetClipBoundsI();                                                                         // 134
    RectF GetVisibleClipBounds();                                                                  // 135
    Rect GetVisibleClipBoundsI();                                                                  // 136
    bool IsClipEmpty();                                                                            // 137
    bool IsVisibleClipEmpty();                                                                     // 138
    bool IsVisiblePoint(float x, float y);                                                         // 139
    bool IsVisiblePointI(int x, int y);                                                            // 140
    bool IsVisibleRect(float x, float y, float width, float height);                              // 141
    bool IsVisibleRectI(int x, int y, int width, int height);                                     // 142

    // Saved states and containers
    unsigned Save();                                                                              // 143
    bool Restore(unsigned state);                                                                 // 144
    unsigned BeginContainer(const RectF& destination, const RectF& source, int unit = 0);         // 145
    unsigned BeginContainerI(const Rect& destination, const Rect& source, int unit = 0);          // 146
    unsigned BeginContainer2();                                                                   // 147
    bool EndContainer(unsigned state);                                                            // 148
    bool AddMetafileComment(const ByteBuffer* data);                                              // 149, null = absent

protected:
    Gdiplus::GpGraphics* nativeHandle = nullptr;

private:
    bool MeasureCharacterRangesInto(const std::string& text, const GdiplusObject& font,
                                    std::optional<RectF> layout, const GdiplusObject* format,
                                    const std::vector<GdiplusObject*>& regions);
};

template <class RegionWrapper>
bool Graphics::MeasureCharacterRanges(const std::string& text, const GdiplusObject& font,
                                      std::optional<RectF> layout, const GdiplusObject* format, int count,
                                      std::vector<std::unique_ptr<RegionWrapper>>& regions)
{
    regions.clear();
    std::vector<GdiplusObject*> targets;
    for (int i = 0; i < count; ++i) {
        regions.push_back(std::make_unique<RegionWrapper>());
        targets.push_back(regions.back().get());
    }
    return MeasureCharacterRangesInto(text, font, layout, format, targets);
}
