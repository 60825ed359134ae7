#pragma once
// Points and rectangles as GDI+ takes them: two or four 32-bit fields, x, y and, for rectangles,
// width and height. Their layout matches GDI+'s own records, so their addresses are passed as is.
#include <cstdint>

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

struct PointF {
    float x = 0;
    float y = 0;
};

struct Rect {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

struct RectF {
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;
};

static_assert(sizeof(Point) == 8 && sizeof(PointF) == 8, "two 32-bit fields");
static_assert(sizeof(Rect) == 16 && sizeof(RectF) == 16, "four 32-bit fields");
