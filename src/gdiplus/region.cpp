#include "gdiplus/region.h"

#include "gdiplus/call_patterns.h"
#include "gdiplus/flat_api.h"
#include "gdiplus/graphics_path.h"

#include <algorithm>

namespace {

using gdiplus_calls::Call;
using gdiplus_calls::StoreStatus;

// GetRegionScans and GetRegionScansI: count, then scans into that many zeroed rectangles.
template <class R, class Fetch>
int FetchScans(Gdiplus::GpRegion* region, const GdiplusObject& matrix, std::vector<R>& rects,
               Fetch fetch)
{
    return static_cast<int>(CountThenFetch<UINT>(
        rects,
        [&](UINT* count) { return Call(Flat().GdipGetRegionScansCount, region, count, matrix); },
        [&](R* array, UINT count) {
            INT written = static_cast<INT>(count);
            return Call(fetch, region, array, &written, matrix);
        }));
}

}  // namespace

Region::~Region()
{
    Delete();
}

void Region::SetNativeHandle(void* handle)
{
    nativeHandle = static_cast<Gdiplus::GpRegion*>(handle);
}

bool Region::Delete()
{
    return DeleteNative(*this, nativeHandle, Flat().GdipDeleteRegion);
}

bool Region::Create()
{
    return CreateInto(*this, nativeHandle, Flat().GdipCreateRegion);
}

bool Region::CreateFromRect(const RectF& rect)
{
    return CreateInto(*this, nativeHandle, Flat().GdipCreateRegionRect, &rect);
}

bool Region::CreateFromRectI(const Rect& rect)
{
    return CreateInto(*this, nativeHandle, Flat().GdipCreateRegionRectI, &rect);
}

bool Region::CreateFromPath(const GraphicsPath& path)
{
    return CreateInto(*this, nativeHandle, Flat().GdipCreateRegionPath, path);
}

bool Region::CreateFromHrgn(HRGN region)
{
    return CreateInto(*this, nativeHandle, Flat().GdipCreateRegionHrgn, region);
}

bool Region::CreateFromData(const ByteBuffer& data, int size)
{
    const BYTE* bytes = data.empty() ? nullptr : data.data();
    // GDI+ reads `size` bytes: never more than the buffer holds.
    const INT held = static_cast<INT>(data.size());
    return CreateInto(*this, nativeHandle, Flat().GdipCreateRegionRgnData, bytes, std::min(size, held));
}

bool Region::Clone(Region& target) const
{
    return CloneInto(target, Flat().GdipCloneRegion, nativeHandle);
}

bool Region::MakeInfinite()
{
    return Action(Flat().GdipSetInfinite, nativeHandle);
}

bool Region::MakeEmpty()
{
    return Action(Flat().GdipSetEmpty, nativeHandle);
}

bool Region::CombineRect(const RectF& rect, int combineMode)
{
    return Action(Flat().GdipCombineRegionRect, nativeHandle, &rect, combineMode);
}

bool Region::CombineRectI(const Rect& rect, int combineMode)
{
    return Action(Flat().GdipCombineRegionRectI, nativeHandle, &rect, combineMode);
}

bool Region::CombineRegion(const Region& region, int combineMode)
{
    return Action(Flat().GdipCombineRegionRegion, nativeHandle, region, combineMode);
}

bool Region::CombinePath(const GraphicsPath& path, int combineMode)
{
    return Action(Flat().GdipCombineRegionPath, nativeHandle, path, combineMode);
}

bool Region::Translate(float dx, float dy)
{
    return Action(Flat().GdipTranslateRegion, nativeHandle, dx, dy);
}

bool Region::TranslateI(int dx, int dy)
{
    return Action(Flat().GdipTranslateRegionI, nativeHandle, dx, dy);
}

bool Region::Transform(const GdiplusObject& matrix)
{
    return Action(Flat().GdipTransformRegion, nativeHandle, matrix);
}

RectF Region::GetBounds(const GdiplusObject& graphics) const
{
    return RecordGetter(Flat().GdipGetRegionBounds, nativeHandle, graphics);
}

Rect Region::GetBoundsI(const GdiplusObject& graphics) const
{
    return RecordGetter(Flat().GdipGetRegionBoundsI, nativeHandle, graphics);
}

std::uint32_t Region::GetDataSize() const
{
    return Getter(Flat().GdipGetRegionDataSize, nativeHandle);
}

ByteBuffer Region::GetData(std::uint32_t bufferSize, UINT* sizeFilled) const
{
    ByteBuffer data(std::vector<std::uint8_t>(bufferSize, 0));
    StoreStatus(Flat().GdipGetRegionData(nativeHandle, data.data(), bufferSize, sizeFilled));
    return data;
}

HRGN Region::GetHRGN(const GdiplusObject& graphics) const
{
    return Getter(Flat().GdipGetRegionHRgn, nativeHandle, graphics);
}

bool Region::IsEmpty(const GdiplusObject& graphics) const
{
    return Query(Flat().GdipIsEmptyRegion, nativeHandle, graphics);
}

bool Region::IsInfinite(const GdiplusObject& graphics) const
{
    return Query(Flat().GdipIsInfiniteRegion, nativeHandle, graphics);
}

bool Region::Equals(const Region& region, const GdiplusObject& graphics) const
{
    return Query(Flat().GdipIsEqualRegion, nativeHandle, region, graphics);
}

bool Region::IsVisiblePoint(const PointF& point, const GdiplusObject* graphics) const
{
    return Query(Flat().GdipIsVisibleRegionPoint, nativeHandle, point.x, point.y, graphics);
}

bool Region::IsVisiblePointI(const Point& point, const GdiplusObject* graphics) const
{
    return Query(Flat().GdipIsVisibleRegionPointI, nativeHandle, point.x, point.y, graphics);
}

bool Region::IsVisibleRect(const RectF& rect, const GdiplusObject* graphics) const
{
    return Query(Flat().GdipIsVisibleRegionRect, nativeHandle, rect.x, rect.y, rect.width,
                 rect.height, graphics);
}

bool Region::IsVisibleRectI(const Rect& rect, const GdiplusObject* graphics) const
{
    return Query(Flat().GdipIsVisibleRegionRectI, nativeHandle, rect.x, rect.y, rect.width,
                 rect.height, graphics);
}

int Region::GetRegionScansCount(const GdiplusObject& matrix) const
{
    UINT count = 0;
    StoreStatus(Call(Flat().GdipGetRegionScansCount, nativeHandle, &count, matrix));
    return static_cast<int>(count);
}

int Region::GetRegionScans(const GdiplusObject& matrix, std::vector<RectF>& rects) const
{
    return FetchScans(nativeHandle, matrix, rects, Flat().GdipGetRegionScans);
}

int Region::GetRegionScansI(const GdiplusObject& matrix, std::vector<Rect>& rects) const
{
    return FetchScans(nativeHandle, matrix, rects, Flat().GdipGetRegionScansI);
}
