#include "gdiplus/graphics_path.h"

#include "gdiplus/call_patterns.h"
#include "gdiplus/flat_api.h"
#include "gdiplus/gdiplus_block.h"
#include "gdiplus/text_conversion.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

using gdiplus_calls::Call;
using gdiplus_calls::StoreStatus;

// GDI+'s path-data record (count, point array, type array), without the platform class's
// ownership of the arrays.
struct NativePathData {
    INT count;
    Gdiplus::GpPointF* points;
    BYTE* types;
};

// GetPathTypes and GetPathPoints: an omitted count is asked of GDI+ (an empty path or a failed
// query gives false and leaves the sequence alone); a given count is used as it is.
template <class T, class Fetch>
bool FetchPerPoint(Gdiplus::GpPath* path, std::vector<T>& sequence, std::optional<int> count,
                   Fetch fetch)
{
    INT n = 0;
    if (count.has_value()) {
        n = *count;
    } else if (!StoreStatus(Flat().GdipGetPointCount(path, &n)) || n == 0) {
        return false;
    }
    sequence.assign(static_cast<std::size_t>(std::max(n, 0)), T{});
    return Action(fetch, path, ArrayOf(sequence), n);
}

template <class Layout, class Function>
bool AddTextOutline(Function function, Gdiplus::GpPath* path, const std::string& text,
                    const GdiplusObject& family, int emSize, const Layout& layout, int style,
                    const GdiplusObject* format)
{
    Utf16Text utf16 = ToUtf16(text);
    return Action(function, path, utf16.Data(), utf16.Length(), family, style,
                  static_cast<float>(emSize), &layout, format);
}

// GDI+ takes a point array and its types with one count: only whole pairs are passed.
template <class P>
INT PairCount(const std::vector<P>& points, const std::vector<std::uint8_t>& types)
{
    return static_cast<INT>(std::min(points.size(), types.size()));
}

}  // namespace

GraphicsPath::~GraphicsPath()
{
    Delete();
}

void GraphicsPath::SetNativeHandle(void* handle)
{
    nativeHandle = static_cast<Gdiplus::GpPath*>(handle);
}

bool GraphicsPath::Delete()
{
    return DeleteNative(*this, nativeHandle, Flat().GdipDeletePath);
}

bool GraphicsPath::Create(int fillMode)
{
    return CreateInto(*this, nativeHandle, Flat().GdipCreatePath, fillMode);
}

bool GraphicsPath::CreateFromPoints(const std::vector<PointF>& points,
                                    const std::vector<std::uint8_t>& types, int fillMode)
{
    return CreateInto(*this, nativeHandle, Flat().GdipCreatePath2, ArrayOf(points), ArrayOf(types),
                      PairCount(points, types), fillMode);
}

bool GraphicsPath::CreateFromPointsI(const std::vector<Point>& points,
                                     const std::vector<std::uint8_t>& types, int fillMode)
{
    return CreateInto(*this, nativeHandle, Flat().GdipCreatePath2I, ArrayOf(points),
                      ArrayOf(types), PairCount(points, types), fillMode);
}

bool GraphicsPath::Clone(GraphicsPath& target) const
{
    return CloneInto(target, Flat().GdipClonePath, nativeHandle);
}

bool GraphicsPath::Reset()
{
    return Action(Flat().GdipResetPath, nativeHandle);
}

int GraphicsPath::GetFillMode() const
{
    return Getter(Flat().GdipGetPathFillMode, nativeHandle);
}

bool GraphicsPath::SetFillMode(int fillMode)
{
    return Action(Flat().GdipSetPathFillMode, nativeHandle, fillMode);
}

bool GraphicsPath::GetPathData(PathData& data) const
{
    INT n = 0;
    if (!StoreStatus(Flat().GdipGetPointCount(nativeHandle, &n)))
        return false;
    n = std::max(n, 0);
    data.points.assign(static_cast<std::size_t>(n), PointF{});
    data.types.assign(static_cast<std::size_t>(n), 0);
    if (n == 0)
        return false;

    GdiplusBlock points = AllocBlock(*this, sizeof(PointF) * n);
    GdiplusBlock types = AllocBlock(*this, static_cast<std::size_t>(n));
    if (points == nullptr || types == nullptr) {
        LastStatus = Gdiplus::OutOfMemory;
        return false;
    }
    NativePathData native{n, static_cast<Gdiplus::GpPointF*>(points.get()),
                          static_cast<BYTE*>(types.get())};
    if (!StoreStatus(Flat().GdipGetPathData(nativeHandle, reinterpret_cast<Gdiplus::GpPathData*>(&native))))
        return false;
    data.count = n;
    std::memcpy(data.points.data(), points.get(), sizeof(PointF) * n);
    std::memcpy(data.types.data(), types.get(), static_cast<std::size_t>(n));
    return true;
}

bool GraphicsPath::GetPathTypes(std::vector<std::uint8_t>& types, std::optional<int> count) const
{
    return FetchPerPoint(nativeHandle, types, count, Flat().GdipGetPathTypes);
}

bool GraphicsPath::GetPathPoints(std::vector<PointF>& points, std::optional<int> count) const
{
    return FetchPerPoint(nativeHandle, points, count, Flat().GdipGetPathPoints);
}

bool GraphicsPath::StartFigure()
{
    return Action(Flat().GdipStartPathFigure, nativeHandle);
}

bool GraphicsPath::CloseFigure()
{
    return Action(Flat().GdipClosePathFigure, nativeHandle);
}

bool GraphicsPath::CloseAllFigures()
{
    return Action(Flat().GdipClosePathFigures, nativeHandle);
}

bool GraphicsPath::SetMarker()
{
    return Action(Flat().GdipSetPathMarker, nativeHandle);
}

bool GraphicsPath::ClearMarkers()
{
    return Action(Flat().GdipClearPathMarkers, nativeHandle);
}

bool GraphicsPath::Reverse()
{
    return Action(Flat().GdipReversePath, nativeHandle);
}

PointF GraphicsPath::GetLastPoint() const
{
    return RecordGetter(Flat().GdipGetPathLastPoint, nativeHandle);
}

bool GraphicsPath::AddLine(float x1, float y1, float x2, float y2)
{
    return Action(Flat().GdipAddPathLine, nativeHandle, x1, y1, x2, y2);
}

bool GraphicsPath::AddLineI(int x1, int y1, int x2, int y2)
{
    return Action(Flat().GdipAddPathLineI, nativeHandle, x1, y1, x2, y2);
}

bool GraphicsPath::AddLines(const std::vector<PointF>& points)
{
    return Action(Flat().GdipAddPathLine2, nativeHandle, ArrayOf(points), CountOf(points));
}

bool GraphicsPath::AddLinesI(const std::vector<Point>& points)
{
    return Action(Flat().GdipAddPathLine2I, nativeHandle, ArrayOf(points), CountOf(points));
}

bool GraphicsPath::AddArc(float x, float y, float width, float height, float startAngle,
                          float sweepAngle)
{
    return Action(Flat().GdipAddPathArc, nativeHandle, x, y, width, height, startAngle, sweepAngle);
}

bool GraphicsPath::AddArcI(int x, int y, int width, int height, float startAngle, float sweepAngle)
{
    return Action(Flat().GdipAddPathArcI, nativeHandle, x, y, width, height, startAngle, sweepAngle);
}

bool GraphicsPath::AddBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                             float y4)
{
    return Action(Flat().GdipAddPathBezier, nativeHandle, x1, y1, x2, y2, x3, y3, x4, y4);
}

bool GraphicsPath::AddBezierI(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return Action(Flat().GdipAddPathBezierI, nativeHandle, x1, y1, x2, y2, x3, y3, x4, y4);
}

bool GraphicsPath::AddBeziers(const std::vector<PointF>& points)
{
    return Action(Flat().GdipAddPathBeziers, nativeHandle, ArrayOf(points), CountOf(points));
}

bool GraphicsPath::AddBeziersI(const std::vector<Point>& points)
{
    return Action(Flat().GdipAddPathBeziersI, nativeHandle, ArrayOf(points), CountOf(points));
}

bool GraphicsPath::AddCurve(const std::vector<PointF>& points)
{
    return Action(Flat().GdipAddPathCurve, nativeHandle, ArrayOf(points), CountOf(points));
}

bool GraphicsPath::AddCurve2(const std::vector<PointF>& points, float tension)
{
    return Action(Flat().GdipAddPathCurve2, nativeHandle, ArrayOf(points), CountOf(points), tension);
}

bool GraphicsPath::AddCurve3(const std::vector<PointF>& points, int offset, int numberOfSegments,
                             float tension)
{
    return Action(Flat().GdipAddPathCurve3, nativeHandle, ArrayOf(points), CountOf(points), offset,
                  numberOfSegments, tension);
}

bool GraphicsPath::AddCurveI(const std::vector<Point>& points)
{
    return Action(Flat().GdipAddPathCurveI, nativeHandle, ArrayOf(points), CountOf(points));
}

bool GraphicsPath::AddCurve2I(const std::vector<Point>& points, float tension)
{
    return Action(Flat().GdipAddPathCurve2I, nativeHandle, ArrayOf(points), CountOf(points), tension);
}

bool GraphicsPath::AddCurve3I(const std::vector<Point>& points, int offset, int numberOfSegments,
                              float tension)
{
    return Action(Flat().GdipAddPathCurve3I, nativeHandle, ArrayOf(points), CountOf(points), offset,
                  numberOfSegments, tension);
}

bool GraphicsPath::AddClosedCurve(const std::vector<PointF>& points)
{
    return Action(Flat().GdipAddPathClosedCurve, nativeHandle, ArrayOf(points), CountOf(points));
}

bool GraphicsPath::AddClosedCurve2(const std::vector<PointF>& points, float tension)
{
    return Action(Flat().GdipAddPathClosedCurve2, nativeHandle, ArrayOf(points), CountOf(points),
                  tension);
}

bool GraphicsPath::AddClosedCurveI(const std::vector<Point>& points)
{
    return Action(Flat().GdipAddPathClosedCurveI, nativeHandle, ArrayOf(points), CountOf(points));
}

bool GraphicsPath::AddClosedCurve2I(const std::vector<Point>& points, float tension)
{
    return Action(Flat().GdipAddPathClosedCurve2I, nativeHandle, ArrayOf(points), CountOf(points),
                  tension);
}

bool GraphicsPath::AddRectangle(float x, float y, float width, float height)
{
    return Action(Flat().GdipAddPathRectangle, nativeHandle, x, y, width, height);
}

bool GraphicsPath::AddRoundedRectangle(float x, float y, float width, float height, int percentage)
{
    const int p = std::clamp(percentage, 1, 100);
    const float right = x + width;
    const float bottom = y + height;
    // The corner ellipse's size in whole units; p is its diameter as a percentage of the side.
    const float w = static_cast<float>(std::trunc(static_cast<double>(width) * p / 100));
    const float h = static_cast<float>(std::trunc(static_cast<double>(height) * p / 100));
    // Consecutive arcs of one figure are joined by straight edges. Only the closing call's
    // status is reported.
    Flat().GdipAddPathArc(nativeHandle, right - w, y, w, h, 270, 90);
    Flat().GdipAddPathArc(nativeHandle, right - w, bottom - h, w, h, 0, 90);
    Flat().GdipAddPathArc(nativeHandle, x, bottom - h, w, h, 90, 90);
    Flat().GdipAddPathArc(nativeHandle, x, y, w, h, 180, 90);
    return Action(Flat().GdipClosePathFigure, nativeHandle);
}

bool GraphicsPath::AddRectangles(const std::vector<RectF>& rects)
{
    return Action(Flat().GdipAddPathRectangles, nativeHandle, ArrayOf(rects), CountOf(rects));
}

bool GraphicsPath::AddRectangleI(int x, int y, int width, int height)
{
    return Action(Flat().GdipAddPathRectangleI, nativeHandle, x, y, width, height);
}

bool GraphicsPath::AddRectanglesI(const std::vector<Rect>& rects)
{
    return Action(Flat().GdipAddPathRectanglesI, nativeHandle, ArrayOf(rects), CountOf(rects));
}

bool GraphicsPath::AddEllipse(float x, float y, float width, float height)
{
    return Action(Flat().GdipAddPathEllipse, nativeHandle, x, y, width, height);
}

bool GraphicsPath::AddEllipseI(int x, int y, int width, int height)
{
    return Action(Flat().GdipAddPathEllipseI, nativeHandle, x, y, width, height);
}

bool GraphicsPath::AddPieI(int x, int y, int width, int height, float startAngle, float sweepAngle)
{
    return Action(Flat().GdipAddPathPieI, nativeHandle, x, y, width, height, startAngle, sweepAngle);
}

bool GraphicsPath::AddPolygon(const std::vector<PointF>& points)
{
    return Action(Flat().GdipAddPathPolygon, nativeHandle, ArrayOf(points), CountOf(points));
}

bool GraphicsPath::AddPolygonI(const std::vector<Point>& points)
{
    return Action(Flat().GdipAddPathPolygonI, nativeHandle, ArrayOf(points), CountOf(points));
}

bool GraphicsPath::AddPath(const GraphicsPath& path, int connect)
{
    return Action(Flat().GdipAddPathPath, nativeHandle, path, connect);
}

bool GraphicsPath::AddString(const std::string& text, const GdiplusObject& family, int emSize,
                             const RectF& layout, int style, const GdiplusObject* format)
{
    return AddTextOutline(Flat().GdipAddPathString, nativeHandle, text, family, emSize, layout,
                          style, format);
}

bool GraphicsPath::AddStringI(const std::string& text, const GdiplusObject& family, int emSize,
                              const Rect& layout, int style, const GdiplusObject* format)
{
    return AddTextOutline(Flat().GdipAddPathStringI, nativeHandle, text, family, emSize, layout,
                          style, format);
}

bool GraphicsPath::Transform(const GdiplusObject& matrix)
{
    return Action(Flat().GdipTransformPath, nativeHandle, matrix);
}

bool GraphicsPath::Flatten(const GdiplusObject* matrix, float flatness)
{
    return Action(Flat().GdipFlattenPath, nativeHandle, matrix, flatness);
}

bool GraphicsPath::Widen(const GdiplusObject& pen, const GdiplusObject* matrix, float flatness)
{
    return Action(Flat().GdipWidenPath, nativeHandle, pen, matrix, flatness);
}

bool GraphicsPath::Outline(const GdiplusObject* matrix, float flatness)
{
    return Action(Flat().GdipWindingModeOutline, nativeHandle, matrix, flatness);
}

bool GraphicsPath::Warp(const std::vector<PointF>& destination, const RectF& source,
                        const GdiplusObject* matrix, int warpMode, float flatness)
{
    return Action(Flat().GdipWarpPath, nativeHandle, matrix, ArrayOf(destination),
                  CountOf(destination), source.x, source.y, source.width, source.height, warpMode,
                  flatness);
}

int GraphicsPath::GetPointCount() const
{
    return Getter(Flat().GdipGetPointCount, nativeHandle);
}

RectF GraphicsPath::GetBounds(const GdiplusObject* matrix, const GdiplusObject* pen) const
{
    RectF bounds{};
    StoreStatus(Call(Flat().GdipGetPathWorldBounds, nativeHandle, &bounds, matrix, pen));
    return bounds;
}

bool GraphicsPath::IsVisible(float x, float y, const GdiplusObject* graphics) const
{
    return Query(Flat().GdipIsVisiblePathPoint, nativeHandle, x, y, graphics);
}

bool GraphicsPath::IsVisibleI(int x, int y, const GdiplusObject* graphics) const
{
    return Query(Flat().GdipIsVisiblePathPointI, nativeHandle, x, y, graphics);
}

bool GraphicsPath::IsOutlineVisible(float x, float y, const GdiplusObject& pen,
                                    const GdiplusObject* graphics) const
{
    return Query(Flat().GdipIsOutlineVisiblePathPoint, nativeHandle, x, y, pen, graphics);
}

bool GraphicsPath::IsOutlineVisibleI(int x, int y, const GdiplusObject& pen,
                                     const GdiplusObject* graphics) const
{
    return Query(Flat().GdipIsOutlineVisiblePathPointI, nativeHandle, x, y, pen, graphics);
}
