#include "gdiplus/graphics_path.h"

#include "gdiplus/flat_api_recorder.h"
#include "gdiplus/path_region_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace path_region_test;

// GDI+'s point types: start of a figure, line, Bezier; flags for a marker and a closed figure.
constexpr std::uint8_t kStart = 0, kLine = 1, kBezier = 3, kMarker = 0x20, kClose = 0x80;

class GdiplusGraphicsPath : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureGdiplusStarted();
        LastStatus = 0;
    }
};

bool Near(const RectF& a, const RectF& b)
{
    const float tolerance = 0.01f;
    return std::fabs(a.x - b.x) < tolerance && std::fabs(a.y - b.y) < tolerance &&
           std::fabs(a.width - b.width) < tolerance && std::fabs(a.height - b.height) < tolerance;
}

bool Contains(const RectF& outer, const RectF& inner)
{
    const float tolerance = 0.01f;
    return outer.x <= inner.x + tolerance && outer.y <= inner.y + tolerance &&
           outer.x + outer.width + tolerance >= inner.x + inner.width &&
           outer.y + outer.height + tolerance >= inner.y + inner.height;
}

// The arguments of a recorded call after the object itself.
std::string ArgumentsAfterObject(const RecordedCall& call)
{
    std::string text;
    for (std::size_t i = 1; i < call.args.size(); ++i)
        text += (i == 1 ? "" : ", ") + call.args[i];
    return text;
}

Gdiplus::GpStatus WINAPI FailingGetPathData(Gdiplus::GpPath*, Gdiplus::GpPathData*)
{
    return Gdiplus::GenericError;
}

std::vector<std::uint8_t> TypesOf(const GraphicsPath& path)
{
    std::vector<std::uint8_t> types;
    path.GetPathTypes(types);
    return types;
}

TEST_F(GdiplusGraphicsPath, RoundedRectangleAddsFourClampedQuarterArcsThenClosesTheFigure)
{
    struct Case {
        RectF rect;
        int percentage;
        std::vector<std::string> arcs;  // x, y, width, height, start angle, sweep
    };
    const Case cases[] = {
        {{0, 0, 100, 50}, 20, {"80, 0, 20, 10, 270, 90", "80, 40, 20, 10, 0, 90", "0, 40, 20, 10, 90, 90", "0, 0, 20, 10, 180, 90"}},
        {{10, 20, 100, 50}, 20, {"90, 20, 20, 10, 270, 90", "90, 60, 20, 10, 0, 90", "10, 60, 20, 10, 90, 90", "10, 20, 20, 10, 180, 90"}},
        // Below 1 counts as 1 percent, above 100 as 100.
        {{0, 0, 200, 300}, 0, {"198, 0, 2, 3, 270, 90", "198, 297, 2, 3, 0, 90", "0, 297, 2, 3, 90, 90", "0, 0, 2, 3, 180, 90"}},
        {{0, 0, 200, 300}, -5, {"198, 0, 2, 3, 270, 90", "198, 297, 2, 3, 0, 90", "0, 297, 2, 3, 90, 90", "0, 0, 2, 3, 180, 90"}},
        {{0, 0, 200, 300}, 250, {"0, 0, 200, 300, 270, 90", "0, 0, 200, 300, 0, 90", "0, 0, 200, 300, 90, 90", "0, 0, 200, 300, 180, 90"}},
        // 15 x 10 % = 1.5 is truncated to 1.
        {{0, 0, 15, 15}, 10, {"14, 0, 1, 1, 270, 90", "14, 14, 1, 1, 0, 90", "0, 14, 1, 1, 90, 90", "0, 0, 1, 1, 180, 90"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Text(c.rect) + " at " + std::to_string(c.percentage) + "%");
        GraphicsPath path;
        ASSERT_TRUE(path.Create());
        RecordCalls rec({"GdipAddPathArc", "GdipClosePathFigure"});
        LastStatus = 77;
        EXPECT_TRUE(path.AddRoundedRectangle(c.rect.x, c.rect.y, c.rect.width, c.rect.height, c.percentage));
        EXPECT_EQ(LastStatus, 0);

        std::vector<std::string> expected;
        for (const std::string& arc : c.arcs)
            expected.push_back("GdipAddPathArc: " + arc);
        expected.push_back("GdipClosePathFigure: ");
        std::vector<std::string> seen;
        for (const RecordedCall& call : rec.Calls())
            seen.push_back(call.name + ": " + ArgumentsAfterObject(call));
        EXPECT_EQ(seen, expected);
    }
}

TEST_F(GdiplusGraphicsPath, RoundedRectangleCutsItsCornersAndIsTheInscribedEllipseAtFullPercentage)
{
    struct Probe {
        int percentage;
        PointF point;
        bool inside;
    };
    const Probe probes[] = {
        {20, {50, 25}, true},  {20, {0.5f, 25}, true},       {20, {10, 1}, true},  {20, {3, 3}, true},
        {20, {1, 1}, false},   {20, {98.5f, 48.5f}, false},  {100, {50, 1}, true}, {100, {1, 25}, true},
        {100, {3, 3}, false},  {100, {10, 5}, false},
    };
    for (const Probe& probe : probes) {
        SCOPED_TRACE(Text(probe.point) + " at " + std::to_string(probe.percentage) + "%");
        GraphicsPath path;
        ASSERT_TRUE(path.Create());
        ASSERT_TRUE(path.AddRoundedRectangle(0, 0, 100, 50, probe.percentage));
        EXPECT_EQ(path.IsVisible(probe.point.x, probe.point.y), probe.inside);
        EXPECT_EQ(TypesOf(path).back() & kClose, kClose);
    }
}

TEST_F(GdiplusGraphicsPath, AddStringOutlinesTheTextWithTheIntegerEmSizeAsAFloat)
{
    NativeFamily family = MakeFontFamily("微软雅黑");
    ASSERT_NE(family.Handle(), nullptr);
    NativeFormat format = MakeDefaultStringFormat();
    const RectF layout{2, 3, 200, 60};
    const int bold = 1;

    // GDI+'s own outline of the same text at 13.0.
    GraphicsPath reference;
    ASSERT_TRUE(reference.Create());
    ASSERT_EQ(Flat().GdipAddPathString(static_cast<Gdiplus::GpPath*>(reference.GetNativePointer()), L"Ab砚汀", 4,
                                       family.Handle(), bold, 13.0f,
                                       reinterpret_cast<const Gdiplus::RectF*>(&layout), format.Handle()),
              Gdiplus::Ok);
    std::vector<PointF> expected;
    ASSERT_TRUE(reference.GetPathPoints(expected));
    ASSERT_FALSE(expected.empty());

    struct Form {
        const char* function;
        std::function<bool(GraphicsPath&)> add;
    };
    const Form forms[] = {
        {"GdipAddPathString", [&](GraphicsPath& p) { return p.AddString("Ab砚汀", family, 13, layout, bold, &format); }},
        {"GdipAddPathStringI",
         [&](GraphicsPath& p) { return p.AddStringI("Ab砚汀", family, 13, Rect{2, 3, 200, 60}, bold, &format); }},
    };
    for (const Form& form : forms) {
        SCOPED_TRACE(form.function);
        GraphicsPath path;
        ASSERT_TRUE(path.Create());
        RecordCalls rec({"GdipAddPathString", "GdipAddPathStringI"});
        EXPECT_TRUE(form.add(path));
        ASSERT_EQ(rec.Calls().size(), 1u);
        const RecordedCall& call = rec.Calls()[0];
        EXPECT_EQ(call.name, form.function);
        EXPECT_EQ(call.args[2], "4");   // UTF-16 length without the terminator
        EXPECT_EQ(call.args[4], "1");   // style
        EXPECT_EQ(call.args[5], "13");  // em size
        std::vector<PointF> points;
        ASSERT_TRUE(path.GetPathPoints(points));
        EXPECT_EQ(Text(points), Text(expected));
    }
}

TEST_F(GdiplusGraphicsPath, PointTypesAndPointsFetchTheGivenOrTheAskedCount)
{
    struct Case {
        const char* name;
        bool created;
        bool withRectangle;
        std::optional<int> count;
        bool result;
        std::int32_t status;
        std::string types;   // as fetched, or "unchanged"
        std::string points;  // as fetched, or "unchanged"
    };
    const std::string rectTypes = "0 1 1 129";
    const std::string rectPoints = "(1, 2) (4, 2) (4, 6) (1, 6)";
    const Case cases[] = {
        {"empty path, count omitted", true, false, std::nullopt, false, 0, "unchanged", "unchanged"},
        {"rectangle, count omitted", true, true, std::nullopt, true, 0, rectTypes, rectPoints},
        {"rectangle, count 4 given", true, true, 4, true, 0, rectTypes, rectPoints},
        {"no native path, count omitted", false, false, std::nullopt, false, Gdiplus::InvalidParameter, "unchanged", "unchanged"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GraphicsPath path;
        if (c.created) {
            ASSERT_TRUE(path.Create());
        }
        if (c.withRectangle) {
            ASSERT_TRUE(path.AddRectangle(1, 2, 3, 4));
        }

        const std::vector<std::uint8_t> oldTypes{7, 7};
        std::vector<std::uint8_t> types = oldTypes;
        LastStatus = 77;
        EXPECT_EQ(path.GetPathTypes(types, c.count), c.result);
        EXPECT_EQ(LastStatus, c.status);
        std::string typesText;
        for (std::uint8_t type : types)
            typesText += (typesText.empty() ? "" : " ") + std::to_string(type);
        EXPECT_EQ(types == oldTypes ? "unchanged" : typesText, c.types);

        const std::vector<PointF> oldPoints{{7, 7}};
        std::vector<PointF> points = oldPoints;
        LastStatus = 77;
        EXPECT_EQ(path.GetPathPoints(points, c.count), c.result);
        EXPECT_EQ(LastStatus, c.status);
        EXPECT_EQ(Text(points) == Text(oldPoints) ? "unchanged" : Text(points), c.points);
    }
}

TEST_F(GdiplusGraphicsPath, PathDataCopiesPointsAndTypesAndReturnsItsBlocksOnEveryPath)
{
    GraphicsPath rectangle;
    ASSERT_TRUE(rectangle.Create());
    ASSERT_TRUE(rectangle.AddRectangle(1, 2, 3, 4));

    {
        RecordCalls rec({"GdipAlloc", "GdipFree"});
        PathData data;
        EXPECT_TRUE(rectangle.GetPathData(data));
        EXPECT_EQ(data.count, 4);
        EXPECT_EQ(Text(data.points), "(1, 2) (4, 2) (4, 6) (1, 6)");
        EXPECT_EQ(data.types, (std::vector<std::uint8_t>{kStart, kLine, kLine, kLine | kClose}));
        ASSERT_EQ(rec.CallsOf("GdipAlloc").size(), 2u);
        EXPECT_EQ(rec.CallsOf("GdipAlloc")[0].args[0], "32");  // 4 points of 8 bytes
        EXPECT_EQ(rec.CallsOf("GdipAlloc")[1].args[0], "4");   // 4 type bytes
        EXPECT_EQ(rec.CallsOf("GdipFree").size(), 2u);
    }
    {
        // The fetch fails: the sequences are already re-dimensioned, the count is not set, and
        // both blocks still go back.
        ReplaceCall failing("GdipGetPathData", &FailingGetPathData);
        RecordCalls rec({"GdipAlloc", "GdipFree"});
        PathData data;
        data.count = 9;
        EXPECT_FALSE(rectangle.GetPathData(data));
        EXPECT_EQ(LastStatus, Gdiplus::GenericError);
        EXPECT_EQ(data.count, 9);
        EXPECT_EQ(Text(data.points), "(0, 0) (0, 0) (0, 0) (0, 0)");
        EXPECT_EQ(rec.CallsOf("GdipAlloc").size(), 2u);
        EXPECT_EQ(rec.CallsOf("GdipFree").size(), 2u);
    }
    {
        // An empty path: no blocks, emptied sequences, false.
        GraphicsPath empty;
        ASSERT_TRUE(empty.Create());
        RecordCalls rec({"GdipAlloc", "GdipFree"});
        PathData data;
        data.count = 9;
        data.points = {{7, 7}};
        data.types = {7};
        EXPECT_FALSE(empty.GetPathData(data));
        EXPECT_EQ(LastStatus, 0);
        EXPECT_EQ(data.count, 9);
        EXPECT_TRUE(data.points.empty());
        EXPECT_TRUE(data.types.empty());
        EXPECT_TRUE(rec.Calls().empty());
    }
}

TEST_F(GdiplusGraphicsPath, CreationSetsTheFillModeAndTheGivenPoints)
{
    const std::vector<std::uint8_t> types{kStart, kLine, kLine | kClose};
    struct Case {
        const char* name;
        std::function<bool(GraphicsPath&)> create;
        int fillMode;
        int pointCount;
    };
    const Case cases[] = {
        {"Create, mode omitted", [](GraphicsPath& p) { return p.Create(); }, 0, 0},
        {"Create, winding", [](GraphicsPath& p) { return p.Create(1); }, 1, 0},
        {"CreateFromPoints", [&](GraphicsPath& p) { return p.CreateFromPoints({{0, 0}, {10, 0}, {10, 10}}, types); }, 0, 3},
        {"CreateFromPointsI, winding",
         [&](GraphicsPath& p) { return p.CreateFromPointsI({{0, 0}, {10, 0}, {10, 10}}, types, 1); }, 1, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GraphicsPath path;
        ASSERT_TRUE(c.create(path));
        EXPECT_NE(path.GetNativePointer(), nullptr);
        EXPECT_EQ(path.GetFillMode(), c.fillMode);
        EXPECT_EQ(path.GetPointCount(), c.pointCount);
        if (c.pointCount != 0) {
            PathData data;
            ASSERT_TRUE(path.GetPathData(data));
            EXPECT_EQ(Text(data.points), "(0, 0) (10, 0) (10, 10)");
            EXPECT_EQ(data.types, types);
        }
    }
    GraphicsPath path;
    ASSERT_TRUE(path.Create());
    EXPECT_TRUE(path.SetFillMode(1));
    EXPECT_EQ(path.GetFillMode(), 1);
}

// Every figure-adding method, by the bounds of what it adds.
TEST_F(GdiplusGraphicsPath, AddMethodsAddTheirFiguresWithTheirArgumentsInPlace)
{
    const std::vector<PointF> triangle{{1, 2}, {11, 2}, {11, 22}};
    const std::vector<Point> triangleI{{1, 2}, {11, 2}, {11, 22}};
    const std::vector<PointF> rising{{1, 2}, {4, 9}, {8, 15}, {11, 22}};
    const std::vector<Point> risingI{{1, 2}, {4, 9}, {8, 15}, {11, 22}};
    const std::vector<PointF> line3{{1, 2}, {6, 12}, {11, 22}};
    const std::vector<Point> line3I{{1, 2}, {6, 12}, {11, 22}};
    const RectF box{1, 2, 10, 20};
    const RectF secondSegment{6, 12, 5, 10};
    struct Case {
        const char* name;
        std::function<bool(GraphicsPath&)> add;
        RectF bounds;
        bool atLeast;  // curves through the points may bulge beyond them
    };
    const Case cases[] = {
        {"AddLine", [](GraphicsPath& p) { return p.AddLine(1, 2, 11, 22); }, box, false},
        {"AddLineI", [](GraphicsPath& p) { return p.AddLineI(1, 2, 11, 22); }, box, false},
        {"AddLines", [&](GraphicsPath& p) { return p.AddLines(triangle); }, box, false},
        {"AddLinesI", [&](GraphicsPath& p) { return p.AddLinesI(triangleI); }, box, false},
        {"AddArc", [](GraphicsPath& p) { return p.AddArc(1, 2, 10, 20, 0, 360); }, box, false},
        {"AddArcI", [](GraphicsPath& p) { return p.AddArcI(1, 2, 10, 20, 0, 360); }, box, false},
        {"AddBezier", [](GraphicsPath& p) { return p.AddBezier(1, 2, 4, 9, 8, 15, 11, 22); }, box, false},
        {"AddBezierI", [](GraphicsPath& p) { return p.AddBezierI(1, 2, 4, 9, 8, 15, 11, 22); }, box, false},
        {"AddBeziers", [&](GraphicsPath& p) { return p.AddBeziers(rising); }, box, false},
        {"AddBeziersI", [&](GraphicsPath& p) { return p.AddBeziersI(risingI); }, box, false},
        {"AddCurve", [&](GraphicsPath& p) { return p.AddCurve(line3); }, box, false},
        {"AddCurve2", [&](GraphicsPath& p) { return p.AddCurve2(line3, 0.5f); }, box, false},
        {"AddCurve3", [&](GraphicsPath& p) { return p.AddCurve3(line3, 1, 1, 0.5f); }, secondSegment, false},
        {"AddCurveI", [&](GraphicsPath& p) { return p.AddCurveI(line3I); }, box, false},
        {"AddCurve2I", [&](GraphicsPath& p) { return p.AddCurve2I(line3I, 0.5f); }, box, false},
        {"AddCurve3I", [&](GraphicsPath& p) { return p.AddCurve3I(line3I, 1, 1, 0.5f); }, secondSegment, false},
        {"AddClosedCurve", [&](GraphicsPath& p) { return p.AddClosedCurve(triangle); }, box, true},
        {"AddClosedCurve2", [&](GraphicsPath& p) { return p.AddClosedCurve2(triangle, 0.5f); }, box, true},
        {"AddClosedCurveI", [&](GraphicsPath& p) { return p.AddClosedCurveI(triangleI); }, box, true},
        {"AddClosedCurve2I", [&](GraphicsPath& p) { return p.AddClosedCurve2I(triangleI, 0.5f); }, box, true},
        {"AddRectangle", [](GraphicsPath& p) { return p.AddRectangle(1, 2, 10, 20); }, box, false},
        {"AddRectangles", [](GraphicsPath& p) { return p.AddRectangles({{1, 2, 10, 20}}); }, box, false},
        {"AddRectangleI", [](GraphicsPath& p) { return p.AddRectangleI(1, 2, 10, 20); }, box, false},
        {"AddRectanglesI", [](GraphicsPath& p) { return p.AddRectanglesI({{1, 2, 10, 20}}); }, box, false},
        {"AddEllipse", [](GraphicsPath& p) { return p.AddEllipse(1, 2, 10, 20); }, box, false},
        {"AddEllipseI", [](GraphicsPath& p) { return p.AddEllipseI(1, 2, 10, 20); }, box, false},
        {"AddPieI", [](GraphicsPath& p) { return p.AddPieI(1, 2, 10, 20, 0, 360); }, box, false},
        {"AddPolygon", [&](GraphicsPath& p) { return p.AddPolygon(triangle); }, box, false},
        {"AddPolygonI", [&](GraphicsPath& p) { return p.AddPolygonI(triangleI); }, box, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GraphicsPath path;
        ASSERT_TRUE(path.Create());
        LastStatus = 77;
        EXPECT_TRUE(c.add(path));
        EXPECT_EQ(LastStatus, 0);
        const RectF bounds = path.GetBounds();
        EXPECT_TRUE(c.atLeast ? Contains(bounds, c.bounds) : Near(bounds, c.bounds))
            << Text(bounds) << " for " << Text(c.bounds);
    }
}

TEST_F(GdiplusGraphicsPath, FigureAndMarkerEditsShowInThePointTypes)
{
    GraphicsPath path;
    ASSERT_TRUE(path.Create());
    ASSERT_TRUE(path.AddLine(0, 0, 10, 0));
    EXPECT_TRUE(path.SetMarker());
    EXPECT_TRUE(path.StartFigure());
    ASSERT_TRUE(path.AddLine(20, 0, 30, 5));
    EXPECT_EQ(Text(path.GetLastPoint()), "(30, 5)");
    EXPECT_EQ(TypesOf(path), (std::vector<std::uint8_t>{kStart, kLine | kMarker, kStart, kLine}));

    EXPECT_TRUE(path.CloseFigure());
    EXPECT_EQ(TypesOf(path).back(), kLine | kClose);
    EXPECT_TRUE(path.CloseAllFigures());
    EXPECT_EQ(TypesOf(path)[1], kLine | kMarker | kClose);
    EXPECT_TRUE(path.ClearMarkers());
    EXPECT_EQ(TypesOf(path)[1], kLine | kClose);

    EXPECT_TRUE(path.Reverse());
    EXPECT_EQ(Text(path.GetLastPoint()), "(0, 0)");
    EXPECT_TRUE(path.Reset());
    EXPECT_EQ(path.GetPointCount(), 0);
}

TEST_F(GdiplusGraphicsPath, AddPathJoinsTheFiguresOnlyWhenAskedToConnect)
{
    GraphicsPath second;
    ASSERT_TRUE(second.Create());
    ASSERT_TRUE(second.AddLine(20, 0, 30, 0));
    struct Case {
        std::optional<int> connect;
        std::vector<std::uint8_t> types;
    };
    const Case cases[] = {
        {std::nullopt, {kStart, kLine, kStart, kLine}},
        {1, {kStart, kLine, kLine, kLine}},
    };
    for (const Case& c : cases) {
        GraphicsPath path;
        ASSERT_TRUE(path.Create());
        ASSERT_TRUE(path.AddLine(0, 0, 10, 0));
        EXPECT_TRUE(c.connect ? path.AddPath(second, *c.connect) : path.AddPath(second));
        EXPECT_EQ(TypesOf(path), c.types);
    }
}

TEST_F(GdiplusGraphicsPath, FlattenUsesAQuarterUnitUnlessGivenAnotherFlatness)
{
    auto flattenedPointCount = [](std::optional<float> flatness, std::string& flatnessPassed) {
        GraphicsPath path;
        path.Create();
        path.AddEllipse(0, 0, 200, 100);
        RecordCalls rec({"GdipFlattenPath"});
        EXPECT_TRUE(flatness ? path.Flatten(nullptr, *flatness) : path.Flatten());
        EXPECT_EQ(rec.Calls().at(0).args[1], "null");
        flatnessPassed = rec.Calls().at(0).args[2];
        for (std::uint8_t type : TypesOf(path))
            EXPECT_NE(type & 0x07, kBezier);
        return path.GetPointCount();
    };
    std::string passed;
    const int fine = flattenedPointCount(std::nullopt, passed);
    EXPECT_EQ(passed, "0.25");
    const int coarse = flattenedPointCount(8.0f, passed);
    EXPECT_EQ(passed, "8");
    EXPECT_GT(fine, coarse);
}

TEST_F(GdiplusGraphicsPath, MatrixAndPenArgumentsReachTheTransformWidenAndBounds)
{
    NativeMatrix doubling = MakeMatrix(2, 0, 0, 2, 0, 0);
    NativePen pen = MakePen(4);
    {
        GraphicsPath path;
        ASSERT_TRUE(path.Create());
        ASSERT_TRUE(path.AddRectangle(1, 2, 3, 4));
        EXPECT_TRUE(Near(path.GetBounds(&doubling), {2, 4, 6, 8})) << Text(path.GetBounds(&doubling));
        EXPECT_TRUE(Contains(path.GetBounds(nullptr, &pen), {-0.9f, 0.1f, 6.8f, 7.8f}));
        EXPECT_TRUE(path.Transform(doubling));
        EXPECT_TRUE(Near(path.GetBounds(), {2, 4, 6, 8})) << Text(path.GetBounds());
    }
    {
        GraphicsPath path;
        ASSERT_TRUE(path.Create());
        ASSERT_TRUE(path.AddLine(0, 10, 100, 10));
        EXPECT_TRUE(path.Widen(pen));
        EXPECT_TRUE(Near(path.GetBounds(), {0, 8, 100, 4})) << Text(path.GetBounds());
    }
}

TEST_F(GdiplusGraphicsPath, HitTestsOfTheInsideAndTheOutline)
{
    NativePen pen = MakePen(4);
    GraphicsPath path;
    ASSERT_TRUE(path.Create());
    ASSERT_TRUE(path.AddRectangle(10, 10, 20, 20));
    ExpectAnswers({
        {"IsVisible inside", [&] { return path.IsVisible(20.5f, 20.5f); }, true},
        {"IsVisible outside", [&] { return path.IsVisible(5, 20); }, false},
        {"IsVisibleI inside", [&] { return path.IsVisibleI(20, 20); }, true},
        {"IsVisibleI outside", [&] { return path.IsVisibleI(31, 20); }, false},
        {"IsOutlineVisible on the edge", [&] { return path.IsOutlineVisible(11, 20, pen); }, true},
        {"IsOutlineVisible in the middle", [&] { return path.IsOutlineVisible(20, 20, pen); }, false},
        {"IsOutlineVisibleI on the edge", [&] { return path.IsOutlineVisibleI(30, 21, pen); }, true},
        {"IsOutlineVisibleI in the middle", [&] { return path.IsOutlineVisibleI(20, 20, pen); }, false},
    });
}

// Wine answers both with "not implemented", so only the arguments are checked, at the seam.
TEST_F(GdiplusGraphicsPath, WarpAndOutlinePassTheirArgumentsInGdiplusOrder)
{
    NativeMatrix matrix = MakeMatrix(1, 0, 0, 1, 5, 5);
    GraphicsPath path;
    ASSERT_TRUE(path.Create());
    ASSERT_TRUE(path.AddRectangle(0, 0, 10, 10));
    RecordCalls rec({"GdipWarpPath", "GdipWindingModeOutline"});
    const std::vector<PointF> destination{{0, 0}, {20, 0}, {0, 20}, {20, 20}};
    path.Warp(destination, {1, 2, 3, 4});
    path.Warp(destination, {1, 2, 3, 4}, &matrix, 1, 0.5f);
    path.Outline();
    ASSERT_EQ(rec.Calls().size(), 3u);
    const std::string matrixText = FormatPointer(matrix.Handle());
    const std::string pointsText = rec.Calls()[0].args[2];
    EXPECT_NE(pointsText, "null");
    EXPECT_EQ(ArgumentsAfterObject(rec.Calls()[0]), "null, " + pointsText + ", 4, 1, 2, 3, 4, 0, 0.25");
    EXPECT_EQ(ArgumentsAfterObject(rec.Calls()[1]), matrixText + ", " + rec.Calls()[1].args[2] + ", 4, 1, 2, 3, 4, 1, 0.5");
    EXPECT_EQ(ArgumentsAfterObject(rec.Calls()[2]), "null, 0.25");
}

TEST_F(GdiplusGraphicsPath, CloneHandsAnIndependentCopyToTheTarget)
{
    GraphicsPath path;
    ASSERT_TRUE(path.Create(1));
    ASSERT_TRUE(path.AddRectangle(1, 2, 3, 4));
    GraphicsPath copy;
    EXPECT_TRUE(path.Clone(copy));
    ASSERT_NE(copy.GetNativePointer(), nullptr);
    EXPECT_NE(copy.GetNativePointer(), path.GetNativePointer());
    EXPECT_EQ(copy.GetFillMode(), 1);
    ASSERT_TRUE(copy.AddLine(50, 50, 60, 60));
    EXPECT_EQ(copy.GetPointCount(), 6);
    EXPECT_EQ(path.GetPointCount(), 4);
}

TEST_F(GdiplusGraphicsPath, DeleteReleasesOnceAndTheDestructorOfADeletedPathCallsNothing)
{
    RecordCalls rec({"GdipDeletePath"});
    {
        GraphicsPath path;
        ASSERT_TRUE(path.Create());
        EXPECT_TRUE(path.Delete());
        EXPECT_EQ(path.GetNativePointer(), nullptr);
        LastStatus = 77;
        EXPECT_FALSE(path.Delete());
        EXPECT_EQ(LastStatus, 77);
    }
    EXPECT_EQ(rec.Calls().size(), 1u);
    {
        GraphicsPath path;
        ASSERT_TRUE(path.Create());
    }
    EXPECT_EQ(rec.Calls().size(), 2u);  // the destructor released the live one
}

}  // namespace
