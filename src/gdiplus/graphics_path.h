#pragma once
// GraphicsPath: figures built from lines, curves, shapes and text outlines, which Graphics draws
// or fills. Methods are declared in method-table order (slot number in the comment); wrapper
// arguments given as `const GdiplusObject*` are optional (null = omitted, passed to GDI+ as null).
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include "gdiplus/gdiplus_object.h"
#include "gdiplus/value_records.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A path's points and their GDI+ point-type bytes, one per point.
struct PathData {
    std::int32_t count = 0;
    std::vector<PointF> points;
    std::vector<std::uint8_t> types;
};

class GraphicsPath : public GdiplusObject {
public:
    GraphicsPath() = default;
    ~GraphicsPath() override;                                                        // 0
    void SetNativeHandle(void* handle) override;                                     // 4

    bool Delete();                                                                   // 7
    bool Create(int fillMode = 0);                                                   // 8
    bool CreateFromPoints(const std::vector<PointF>& points, const std::vector<std::uint8_t>& types,
                          int fillMode = 0);                                         // 9
    bool CreateFromPointsI(const std::vector<Point>& points, const std::vector<std::uint8_t>& types,
                           int fillMode = 0);                                        // 10
    bool Clone(GraphicsPath& target) const;                                          // 11
    bool Reset();                                                                    // 12
    int GetFillMode() const;                                                         // 13
    bool SetFillMode(int fillMode);                                                  // 14
    bool GetPathData(PathData& data) const;                                          // 15
    bool GetPathTypes(std::vector<std::uint8_t>& types,
                      std::optional<int> count = std::nullopt) const;                // 16
    bool GetPathPoints(std::vector<PointF>& points,
                       std::optional<int> count = std::nullopt) const;               // 17
    bool StartFigure();                                                              // 18
    bool CloseFigure();                                                              // 19
    bool CloseAllFigures();                                                          // 20
    bool SetMarker();                                                                // 21
    bool ClearMarkers();                                                             // 22
    bool Reverse();                                                                  // 23
    PointF GetLastPoint() const;                                                     // 24
    bool AddLine(float x1, float y1, float x2, float y2);                            // 25
    bool AddLineI(int x1, int y1, int x2, int y2);                                   // 26
    bool AddLines(const std::vector<PointF>& points);                                // 27
    bool AddLinesI(const std::vector<Point>& points);                                // 28
    bool AddArc(float x, float y, float width, float height, float startAngle, float sweepAngle); // 29
    bool AddArcI(int x, int y, int width, int height, float startAngle, float sweepAngle);        // 30
    bool AddBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4); // 31
    bool AddBezierI(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4); // 32
    bool AddBeziers(const std::vector<PointF>& points);                              // 33
    bool AddBeziersI(const std::vector<Point>& points);                              // 34
    bool AddCurve(const std::vector<PointF>& points);                                // 35
    bool AddCurve2(const std::vector<PointF>& points, float tension);                // 36
    bool AddCurve3(const std::vector<PointF>& points, int offset, int numberOfSegments,
                   float tension);                                                   // 37
    bool AddCurveI(const std::vector<Point>& points);                                // 38
    bool AddCurve2I(const std::vector<Point>& points, float tension);                // 39
    bool AddCurve3I(const std::vector<Point>& points, int offset, int numberOfSegments,
                    float tension);                                                  // 40
    bool AddClosedCurve(const std::vector<PointF>& points);                          // 41
    bool AddClosedCurve2(const std::vector<PointF>& points, float tension);          // 42
    bool AddClosedCurveI(const std::vector<Point>& points);                          // 43
    bool AddClosedCurve2I(const std::vector<Point>& points, float tension);          // 44
    bool AddRectangle(float x, float y, float width, float height);                  // 45
    // The rectangle with its corners rounded by quarter ellipses whose width and height are
    // `percentage` (clamped to 1..100) percent of the rectangle's width and height.
    bool AddRoundedRectangle(float x, float y, float width, float height, int percentage); // 46
    bool AddRectangles(const std::vector<RectF>& rects);                             // 47
    bool AddRectangleI(int x, int y, int width, int height);                         // 48
    bool AddRectanglesI(const std::vector<Rect>& rects);                             // 49
    bool AddEllipse(float x, float y, float width, float height);                    // 50
    bool AddEllipseI(int x, int y, int width, int height);                           // 51
    bool AddPieI(int x, int y, int width, int height, float startAngle, float sweepAngle); // 52
    bool AddPolygon(const std::vector<PointF>& points);                              // 53
    bool AddPolygonI(const std::vector<Point>& points);                              // 54
    bool AddPath(const GraphicsPath& path, int connect = 0);                         // 55
    // The outline of a text; `format` may be omitted (null).
    bool AddString(const std::string& text, const GdiplusObject& family, int emSize,
                   const RectF& layout = RectF{}, int style = 0,
                   const GdiplusObject* format = nullptr);                           // 56
    bool AddStringI(const std::string& text, const GdiplusObject& family, int emSize,
                    const Rect& layout = Rect{}, int style = 0,
                    const GdiplusObject* format = nullptr);                          // 57
    bool Transform(const GdiplusObject& matrix);                                     // 58
    bool Flatten(const GdiplusObject* matrix = nullptr, float flatness = kDefaultFlatness); // 59
    bool Widen(const GdiplusObject& pen, const GdiplusObject* matrix = nullptr,
               float flatness = kDefaultFlatness);                                   // 60
    bool Outline(const GdiplusObject* matrix = nullptr, float flatness = kDefaultFlatness); // 61
    bool Warp(const std::vector<PointF>& destination, const RectF& source,
              const GdiplusObject* matrix = nullptr, int warpMode = 0,
              float flatness = kDefaultFlatness);                                    // 62
    int GetPointCount() const;                                                       // 63
    RectF GetBounds(const GdiplusObject* matrix = nullptr, const GdiplusObject* pen = nullptr) const; // 64
    bool IsVisible(float x, float y, const GdiplusObject* graphics = nullptr) const;  // 65
    bool IsVisibleI(int x, int y, const GdiplusObject* graphics = nullptr) const;     // 66
    bool IsOutlineVisible(float x, float y, const GdiplusObject& pen,
                          const GdiplusObject* graphics = nullptr) const;            // 67
    bool IsOutlineVisibleI(int x, int y, const GdiplusObject& pen,
                           const GdiplusObject* graphics = nullptr) const;           // 68

    static constexpr float kDefaultFlatness = 0.25f;

protected:
    Gdiplus::GpPath* nativeHandle = nullptr;
};
