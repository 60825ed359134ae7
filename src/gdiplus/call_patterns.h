#pragma once
// One helper per way the wrappers call GDI+, so that most methods are a single line naming the
// flat function and its arguments, e.g.
//     return Action(Flat().GdipDrawLine, nativeHandle, pen, x1, y1, x2, y2);
// Arguments are converted to the flat function's parameter types on the way:
//   - a wrapper (`const GdiplusObject&`, or a pointer to one, null = omitted) passes its native
//     pointer, unchecked;
//   - an integer passes as the enumeration GDI+ declares (units, modes, hints, flags);
//   - Point/PointF/Rect/RectF (by address or by reference) pass as GDI+'s records.
// Every helper that reaches GDI+ stores the status in LastStatus.
#include "gdiplus/flat_api.h"
#include "gdiplus/gdiplus_object.h"
#include "gdiplus/value_records.h"

#include <cstddef>
#include <tuple>
#include <type_traits>
#include <vector>

namespace gdiplus_calls {

// GDI+'s record for each of ours.
template <class T> struct NativeRecord { using type = void; };
template <> struct NativeRecord<Point> { using type = Gdiplus::Point; };
template <> struct NativeRecord<PointF> { using type = Gdiplus::PointF; };
template <> struct NativeRecord<Rect> { using type = Gdiplus::Rect; };
template <> struct NativeRecord<RectF> { using type = Gdiplus::RectF; };
static_assert(sizeof(Point) == sizeof(Gdiplus::Point) && sizeof(PointF) == sizeof(Gdiplus::PointF));
static_assert(sizeof(Rect) == sizeof(Gdiplus::Rect) && sizeof(RectF) == sizeof(Gdiplus::RectF));

// Ours for each of GDI+'s records (void for anything else).
template <class T> struct OwnRecord { using type = void; };
template <> struct OwnRecord<Gdiplus::Point> { using type = Point; };
template <> struct OwnRecord<Gdiplus::PointF> { using type = PointF; };
template <> struct OwnRecord<Gdiplus::Rect> { using type = Rect; };
template <> struct OwnRecord<Gdiplus::RectF> { using type = RectF; };

template <class T> using Bare = std::remove_cv_t<std::remove_reference_t<T>>;
template <class T> constexpr bool kIsRecord = !std::is_void_v<typename NativeRecord<Bare<T>>::type>;
template <class T> constexpr bool kIsWrapper = std::is_base_of_v<GdiplusObject, Bare<T>>;
template <class T> constexpr bool kIsWrapperPointer =
    std::is_pointer_v<Bare<T>> && kIsWrapper<std::remove_pointer_t<Bare<T>>>;
template <class T> constexpr bool kIsRecordPointer =
    std::is_pointer_v<Bare<T>> && kIsRecord<std::remove_pointer_t<Bare<T>>>;

// Turns one argument of a wrapper method into the flat function's parameter type P.
template <class P, class A>
P PassAs(A&& argument)
{
    if constexpr (kIsWrapper<A>)
        return static_cast<P>(argument.GetNativePointer());
    else if constexpr (kIsWrapperPointer<A>)
        return static_cast<P>(argument != nullptr ? argument->GetNativePointer() : nullptr);
    else if constexpr (kIsRecordPointer<A>)
        return reinterpret_cast<P>(argument);
    else if constexpr (kIsRecord<A> && std::is_reference_v<P>)
        return reinterpret_cast<P>(argument);
    else if constexpr (std::is_enum_v<Bare<P>> && !std::is_same_v<Bare<P>, Bare<A>>)
        return static_cast<P>(argument);
    else
        return std::forward<A>(argument);
}

// Calls a table entry, converting every argument; returns what GDI+ returns.
template <class R, class... P, class... A>
R Call(R(WINAPI* function)(P...), A&&... arguments)
{
    static_assert(sizeof...(P) == sizeof...(A), "wrong number of arguments for this GDI+ function");
    return function(PassAs<P>(std::forward<A>(arguments))...);
}

// The type GDI+ writes through the function's last parameter.
template <class F> struct LastOutput;
template <class R, class... P> struct LastOutput<R(WINAPI*)(P...)> {
    using type = std::remove_pointer_t<std::tuple_element_t<sizeof...(P) - 1, std::tuple<P...>>>;
};
template <class F> using LastOutputOf = typename LastOutput<F>::type;

inline bool StoreStatus(Gdiplus::GpStatus status)
{
    LastStatus = status;
    return status == Gdiplus::Ok;
}

}  // namespace gdiplus_calls

// Action: call; true when the status is 0.
template <class F, class... A>
bool Action(F function, A&&... arguments)
{
    return gdiplus_calls::StoreStatus(gdiplus_calls::Call(function, std::forward<A>(arguments)...));
}

// Scalar getter: GDI+ writes through the last parameter into a zeroed local, which is returned.
template <class F, class... A>
auto Getter(F function, A&&... arguments)
{
    gdiplus_calls::LastOutputOf<F> value{};
    gdiplus_calls::StoreStatus(gdiplus_calls::Call(function, std::forward<A>(arguments)..., &value));
    return value;
}

// Yes/no query: true when GDI+ wrote a non-zero value through the last parameter.
template <class F, class... A>
bool Query(F function, A&&... arguments)
{
    return Getter(function, std::forward<A>(arguments)...) != 0;
}

// Record getter: a zeroed Point/PointF/Rect/RectF that GDI+ fills through the last parameter.
template <class F, class... A>
auto RecordGetter(F function, A&&... arguments)
{
    typename gdiplus_calls::OwnRecord<gdiplus_calls::LastOutputOf<F>>::type record{};
    gdiplus_calls::StoreStatus(gdiplus_calls::Call(function, std::forward<A>(arguments)..., &record));
    return record;
}

// Create: GDI+ writes the new handle into the class's working copy (nativeHandle or
// derivedHandle); whatever it left there, also after a failure, is spread to all copies.
template <class H, class F, class... A>
bool CreateInto(GdiplusObject& self, H*& workingCopy, F function, A&&... arguments)
{
    bool ok = gdiplus_calls::StoreStatus(
        gdiplus_calls::Call(function, std::forward<A>(arguments)..., &workingCopy));
    self.SetNativePointer(workingCopy);
    return ok;
}

// Clone-into: GDI+ hands out a new native object, which the target wrapper adopts (also after a
// failure, when it is whatever GDI+ left in the zeroed local).
template <class F, class... A>
bool CloneInto(GdiplusObject& target, F function, A&&... arguments)
{
    gdiplus_calls::LastOutputOf<F> handle{};
    bool ok = gdiplus_calls::StoreStatus(
        gdiplus_calls::Call(function, std::forward<A>(arguments)..., &handle));
    target.SetNativePointer(handle);
    return ok;
}

// Delete: an empty wrapper returns false and leaves LastStatus alone; otherwise release, and
// the wrapper is empty afterwards whatever the status.
template <class H, class F>
bool DeleteNative(GdiplusObject& self, H* handle, F release)
{
    if (handle == nullptr)
        return false;
    bool ok = Action(release, handle);
    self.SetNativePointer(nullptr);
    return ok;
}

// Count-then-fetch: askCount(Count*) asks for the element count; on failure returns 0 and the
// sequence is left alone. Otherwise the sequence becomes `count` zeroed elements that
// fetch(T* elements, Count count) fills; returns the count.
template <class Count = INT, class T, class AskCount, class Fetch>
Count CountThenFetch(std::vector<T>& sequence, AskCount askCount, Fetch fetch)
{
    Count count = 0;
    if (!gdiplus_calls::StoreStatus(askCount(&count)))
        return 0;
    if constexpr (std::is_signed_v<Count>)
        if (count < 0)
            count = 0;
    sequence.assign(static_cast<std::size_t>(count), T{});
    gdiplus_calls::StoreStatus(fetch(sequence.empty() ? nullptr : sequence.data(), count));
    return count;
}

// A sequence as GDI+ takes it: a contiguous array, null when empty, and its element count.
template <class T>
T* ArrayOf(std::vector<T>& sequence)
{
    return sequence.empty() ? nullptr : sequence.data();
}
template <class T>
const T* ArrayOf(const std::vector<T>& sequence)
{
    return sequence.empty() ? nullptr : sequence.data();
}
template <class T>
INT CountOf(const std::vector<T>& sequence)
{
    return static_cast<INT>(sequence.size());
}
