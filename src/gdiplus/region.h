#pragma once
// Region: an area built from rectangles, paths and other regions, for clipping and hit tests.
// Methods are declared in method-table order (slot number in the comment). Combinations
// intersect unless another mode is given; wrapper arguments given as `const GdiplusObject*` are
// optional (null = omitted, passed to GDI+ as null).
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include "common/byte_buffer.h"
#include "gdiplus/gdiplus_object.h"
#include "gdiplus/value_records.h"

#include <cstdint>
#include <vector>

class GraphicsPath;

class Region : public GdiplusObject {
public:
    static constexpr int kIntersect = 1;  // GDI+'s CombineModeIntersect

    Region() = default;
    ~Region() override;                                                              // 0
    void SetNativeHandle(void* handle) override;                                     // 4

    bool Delete();                                                                   // 7
    bool Create();                                                                   // 8 (infinite)
    bool CreateFromRect(const RectF& rect);                                          // 9
    bool CreateFromRectI(const Rect& rect);                                          // 10
    bool CreateFromPath(const GraphicsPath& path);                                   // 11
    bool CreateFromHrgn(HRGN region);                                                // 12
    // GDI+ gets the buffer's bytes (null for an empty buffer) and the given size, cut to the
    // buffer's length so that GDI+ never reads past it.
    bool CreateFromData(const ByteBuffer& data, int size);                           // 13
    bool Clone(Region& target) const;                                                // 14
    bool MakeInfinite();                                                             // 15
    bool MakeEmpty();                                                                // 16
    bool CombineRect(const RectF& rect, int combineMode = kIntersect);               // 17
    bool CombineRectI(const Rect& rect, int combineMode = kIntersect);               // 18
    bool CombineRegion(const Region& region, int combineMode = kIntersect);          // 19
    bool CombinePath(const GraphicsPath& path, int combineMode = kIntersect);        // 20
    bool Translate(float dx, float dy);                                              // 21
    bool TranslateI(int dx, int dy);                                                 // 22
    bool Transform(const GdiplusObject& matrix);                                     // 23
    RectF GetBounds(const GdiplusObject& graphics) const;                            // 24
    Rect GetBoundsI(const GdiplusObject& graphics) const;                            // 25
    std::uint32_t GetDataSize() const;                                               // 26
    // bufferSize zero bytes that GDI+ writes the serialised region into; the number of bytes
    // written goes to *sizeFilled when it is given.
    ByteBuffer GetData(std::uint32_t bufferSize, UINT* sizeFilled = nullptr) const;  // 27
    HRGN GetHRGN(const GdiplusObject& graphics) const;                               // 28
    bool IsEmpty(const GdiplusObject& graphics) const;                               // 29
    bool IsInfinite(const GdiplusObject& graphics) const;                            // 30
    bool Equals(const Region& region, const GdiplusObject& graphics) const;          // 31
    bool IsVisiblePoint(const PointF& point, const GdiplusObject* graphics = nullptr) const; // 32
    bool IsVisiblePointI(const Point& point, const GdiplusObject* graphics = nullptr) const; // 33
    bool IsVisibleRect(const RectF& rect, const GdiplusObject* graphics = nullptr) const;    // 34
    bool IsVisibleRectI(const Rect& rect, const GdiplusObject* graphics = nullptr) const;    // 35
    int GetRegionScansCount(const GdiplusObject& matrix) const;                      // 36
    // The region as scan rectangles after the matrix; returns their number (0 on failure,
    // leaving the sequence alone).
    int GetRegionScans(const GdiplusObject& matrix, std::vector<RectF>& rects) const; // 37
    int GetRegionScansI(const GdiplusObject& matrix, std::vector<Rect>& rects) const; // 38

protected:
    Gdiplus::GpRegion* nativeHandle = nullptr;
};
