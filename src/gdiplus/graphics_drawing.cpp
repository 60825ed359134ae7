// Graphics: outlines and fills. Sequences reach GDI+ as contiguous arrays with their length.
#include "gdiplus/graphics.h"

#include "gdiplus/call_patterns.h"

bool Graphics::DrawLine(const GdiplusObject& pen, float x1, float y1, float x2, float y2)
{
    return Action(Flat().GdipDrawLine, nativeHandle, pen, x1, y1, x2, y2);
}

bool Graphics::DrawLineI(const GdiplusObject& pen, int x1, int y1, int x2, int y2)
{
    return Action(Flat().GdipDrawLineI, nativeHandle, pen, x1, y1, x2, y2);
}

bool Graphics::DrawLines(const GdiplusObject& pen, const std::vector<PointF>& points)
{
    return Action(Flat().GdipDrawLines, nativeHandle, pen, ArrayOf(points), CountOf(points));
}

bool Graphics::DrawLinesI(const GdiplusObject& pen, const std::vector<Point>& points)
{
    return Action(Flat().GdipDrawLinesI, nativeHandle, pen, ArrayOf(points), CountOf(points));
}

bool Graphics::DrawArc(const GdiplusObject& pen, float x, float y, float width, float height, float startAngle,
                       float sweepAngle)
{
    return Action(Flat().GdipDrawArc, nativeHandle, pen, x, y, width, height, startAngle, sweepAngle);
}

bool Graphics::DrawArcI(const GdiplusObject& pen, int x, int y, int width, int height, float startAngle,
                        float sweepAngle)
{
    return Action(Flat().GdipDrawArcI, nativeHandle, pen, x, y, width, height, startAngle, sweepAngle);
}

bool Graphics::DrawBezier(const GdiplusObject& pen, float x1, float y1, float x2, float y2, float x3, float y3,
                          float x4, float y4)
{
    return Action(Flat().GdipDrawBezier, nativeHandle, pen, x1, y1, x2, y2, x3, y3, x4, y4);
}

bool Graphics::DrawBezierI(const GdiplusObject& pen, int x1, int y1, int x2, int y2, int x3, int y3, int x4,
                           int y4)
{
    return Action(Flat().GdipDrawBezierI, nativeHandle, pen, x1, y1, x2, y2, x3, y3, x4, y4);
}

bool Graphics::DrawBeziers(const GdiplusObject& pen, const std::vector<PointF>& points)
{
    return Action(Flat().GdipDrawBeziers, nativeHandle, pen, ArrayOf(points), CountOf(points));
}

bool Graphics::DrawBeziersI(const GdiplusObject& pen, const std::vector<Point>& points)
{
    return Action(Flat().GdipDrawBeziersI, nativeHandle, pen, ArrayOf(points), CountOf(points));
}

bool Graphics::DrawRectangle(const GdiplusObject& pen, float x, float y, float width, float height)
{
    return Action(Flat().GdipDrawRectangle, nativeHandle, pen, x, y, width, height);
}

bool Graphics::DrawRectangleI(const GdiplusObject& pen, int x, int y, int width, int height)
{
    return Action(Flat().GdipDrawRectangleI, nativeHandle, pen, x, y, width, height);
}

bool Graphics::DrawRectangles(const GdiplusObject& pen, const std::vector<RectF>& rects)
{
    return Action(Flat().GdipDrawRectangles, nativeHandle, pen, ArrayOf(rects), CountOf(rects));
}

bool Graphics::DrawRectanglesI(const GdiplusObject& pen, const std::vector<Rect>& rects)
{
    return Action(Flat().GdipDrawRectanglesI, nativeHandle, pen, ArrayOf(rects), CountOf(rects));
}

bool Graphics::DrawEllipse(const GdiplusObject& pen, float x, float y, float width, float height)
{
    return Action(Flat().GdipDrawEllipse, nativeHandle, pen, x, y, width, height);
}

bool Graphics::DrawEllipseI(const GdiplusObject& pen, int x, int y, int width, int height)
{
    return Action(Flat().GdipDrawEllipseI, nativeHandle, pen, x, y, width, height);
}

bool Graphics::DrawPie(const GdiplusObject& pen, float x, float y, float width, float height, float startAngle,
                       float sweepAngle)
{
    return Action(Flat().GdipDrawPie, nativeHandle, pen, x, y, width, height, startAngle, sweepAngle);
}

bool Graphics::DrawPieI(const GdiplusObject& pen, int x, int y, int width, int height, float startAngle,
                        float sweepAngle)
{
    return Action(Flat().GdipDrawPieI, nativeHandle, pen, x, y, width, height, startAngle, sweepAngle);
}

bool Graphics::DrawPolygon(const GdiplusObject& pen, const std::vector<PointF>& points)
{
    return Action(Flat().GdipDrawPolygon, nativeHandle, pen, ArrayOf(points), CountOf(points));
}

bool Graphics::DrawPolygonI(const GdiplusObject& pen, const std::vector<Point>& points)
{
    return Action(Flat().GdipDrawPolygonI, nativeHandle, pen, ArrayOf(points), CountOf(points));
}

bool Graphics::DrawPath(const GdiplusObject& pen, const GdiplusObject& path)
{
    return Action(Flat().GdipDrawPath, nativeHandle, pen, path);
}

bool Graphics::DrawCurve(const GdiplusObject& pen, const std::vector<PointF>& points)
{
    return Action(Flat().GdipDrawCurve, nativeHandle, pen, ArrayOf(points), CountOf(points));
}

bool Graphics::DrawCurveI(const GdiplusObject& pen, const std::vector<Point>& points)
{
    return Action(Flat().GdipDrawCurveI, nativeHandle, pen, ArrayOf(points), CountOf(points));
}

bool Graphics::DrawCurve2(const GdiplusObject& pen, const std::vector<PointF>& points, float tension)
{
    return Action(Flat().GdipDrawCurve2, nativeHandle, pen, ArrayOf(points), CountOf(points), tension);
}

bool Graphics::DrawCurve2I(const GdiplusObject& pen, const std::vector<Point>& points, float tension)
{
    return Action(Flat().GdipDrawCurve2I, nativeHandle, pen, ArrayOf(points), CountOf(points), tension);
}

bool Graphics::DrawCurve3(const GdiplusObject& pen, const std::vector<PointF>& points, int offset, int segments,
                          float tension)
{
    return Action(Flat().GdipDrawCurve3, nativeHandle, pen, ArrayOf(points), CountOf(points), offset, segments,
                  tension);
}

bool Graphics::DrawCurve3I(const GdiplusObject& pen, const std::vector<Point>& points, int offset, int segments,
                           float tension)
{
    return Action(Flat().GdipDrawCurve3I, nativeHandle, pen, ArrayOf(points), CountOf(points), offset, segments,
                  tension);
}

bool Graphics::DrawClosedCurve(const GdiplusObject& pen, const std::vector<PointF>& points)
{
    return Action(Flat().GdipDrawClosedCurve, nativeHandle, pen, ArrayOf(points), CountOf(points));
}

bool Graphics::DrawClosedCurveI(const GdiplusObject& pen, const std::vector<Point>& points)
{
    return Action(Flat().GdipDrawClosedCurveI, nativeHandle, pen, ArrayOf(points), CountOf(points));
}

bool Graphics::DrawClosedCurve2(const GdiplusObject& pen, const std::vector<PointF>& points, float tension)
{
    return Action(Flat().GdipDrawClosedCurve2, nativeHandle, pen, ArrayOf(points), CountOf(points), tension);
}

bool Graphics::DrawClosedCurve2I(const GdiplusObject& pen, const std::vector<Point>& points, float tension)
{
    return Action(Flat().GdipDrawClosedCurve2I, nativeHandle, pen, ArrayOf(points), CountOf(points), tension);
}

bool Graphics::Clear(std::optional<std::uint32_t> color)
{
    return Action(Flat().GdipGraphicsClear, nativeHandle, color.value_or(0xFFFFFFFFu));
}

bool Graphics::FillRectangle(const GdiplusObject& brush, float x, float y, float width, float height)
{
    return Action(Flat().GdipFillRectangle, nativeHandle, brush, x, y, width, height);
}

bool Graphics::FillRectangleRect(const GdiplusObject& brush, const RectF& rect)
{
    return FillRectangle(brush, rect.x, rect.y, rect.width, rect.height);
}

bool Graphics::FillRectangleI(const GdiplusObject& brush, int x, int y, int width, int height)
{
    return Action(Flat().GdipFillRectangleI, nativeHandle, brush, x, y, width, height);
}

bool Graphics::FillRectangles(const GdiplusObject& brush, const std::vector<RectF>& rects)
{
    return Action(Flat().GdipFillRectangles, nativeHandle, brush, ArrayOf(rects), CountOf(rects));
}

bool Graphics::FillRectanglesI(const GdiplusObject& brush, const std::vector<Rect>& rects)
{
    return Action(Flat().GdipFillRectanglesI, nativeHandle, brush, ArrayOf(rects), CountOf(rects));
}

bool Graphics::FillPolygon(const GdiplusObject& brush, const std::vector<PointF>& points, int fillMode)
{
    return Action(Flat().GdipFillPolygon, nativeHandle, brush, ArrayOf(points), CountOf(points), fillMode);
}

bool Graphics::FillPolygonI(const GdiplusObject& brush, const std::vector<Point>& points, int fillMode)
{
    return Action(Flat().GdipFillPolygonI, nativeHandle, brush, ArrayOf(points), CountOf(points), fillMode);
}

bool Graphics::FillEllipse(const GdiplusObject& brush, float x, float y, float width, float height)
{
    return Action(Flat().GdipFillEllipse, nativeHandle, brush, x, y, width, height);
}

bool Graphics::FillEllipseI(const GdiplusObject& brush, int x, int y, int width, int height)
{
    return Action(Flat().GdipFillEllipseI, nativeHandle, brush, x, y, width, height);
}

bool Graphics::FillPie(const GdiplusObject& brush, float x, float y, float width, float height, float startAngle,
                       float sweepAngle)
{
    return Action(Flat().GdipFillPie, nativeHandle, brush, x, y, width, height, startAngle, sweepAngle);
}

bool Graphics::FillPieI(const GdiplusObject& brush, int x, int y, int width, int height, float startAngle,
                        float sweepAngle)
{
    return Action(Flat().GdipFillPieI, nativeHandle, brush, x, y, width, height, startAngle, sweepAngle);
}

bool Graphics::FillPath(const GdiplusObject& brush, const GdiplusObject& path)
{
    return Action(Flat().GdipFillPath, nativeHandle, brush, path);
}

bool Graphics::FillClosedCurve(const GdiplusObject& brush, const std::vector<PointF>& points)
{
    return Action(Flat().GdipFillClosedCurve, nativeHandle, brush, ArrayOf(points), CountOf(points));
}

bool Graphics::FillClosedCurve2(const GdiplusObject& brush, const std::vector<PointF>& points, float tension,
                                int fillMode)
{
    return Action(Flat().GdipFillClosedCurve2, nativeHandle, brush, ArrayOf(points), CountOf(points), tension,
                  fillMode);
}

bool Graphics::FillClosedCurveI(const GdiplusObject& brush, const std::vector<Point>& points)
{
    return Action(Flat().GdipFillClosedCurveI, nativeHandle, brush, ArrayOf(points), CountOf(points));
}

bool Graphics::FillClosedCurve2I(const GdiplusObject& brush, const std::vector<Point>& points, float tension,
                                 int fillMode)
{
    return Action(Flat().GdipFillClosedCurve2I, nativeHandle, brush, ArrayOf(points), CountOf(points), tension,
                  fillMode);
}

bool Graphics::FillRegion(const GdiplusObject& brush, const GdiplusObject& region)
{
    return Action(Flat().GdipFillRegion, nativeHandle, brush, region);
}
