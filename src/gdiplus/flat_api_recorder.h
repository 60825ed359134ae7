#pragma once
// Test seam over the flat-function table. RecordCalls makes the named entries log every call
// (name and printable arguments) before forwarding it to what the entry pointed at; ReplaceCall
// points an entry at a replacement, for functions that cannot run where the tests run. Both
// restore the table when they go out of scope. Production code never touches either: it only
// pays for the call through the table.
//     RecordCalls rec({"GdipCreateFromHDC", "GdipCreateFromHDC2"});
//     ... EXPECT_EQ(rec.Calls()[0].name, "GdipCreateFromHDC2");
//     ReplaceCall fake("GdipSetPenUnit", &FakeSetPenUnit);
// An unknown name or a replacement of the wrong type throws std::invalid_argument.
#include "gdiplus/flat_api.h"
#include "gdiplus/value_records.h"

#include <initializer_list>
#include <string>
#include <type_traits>
#include <typeinfo>
#include <vector>

struct RecordedCall {
    std::string name;
    std::vector<std::string> args;  // as FormatArgument prints them
    std::string ToString() const;    // "GdipX(a, b, c)"
};

class RecordCalls {
public:
    explicit RecordCalls(std::initializer_list<const char*> names);
    ~RecordCalls();
    RecordCalls(const RecordCalls&) = delete;
    RecordCalls& operator=(const RecordCalls&) = delete;

    const std::vector<RecordedCall>& Calls() const { return calls_; }
    std::vector<RecordedCall> CallsOf(const std::string& name) const;
    void Clear() { calls_.clear(); }

    // Used by the recording entries.
    void Add(int entry, RecordedCall call);

private:
    std::vector<int> entries_;
    std::vector<RecordedCall> calls_;
};

class ReplaceCall {
public:
    template <class Function>
    ReplaceCall(const char* name, Function* replacement)
        : ReplaceCall(name, reinterpret_cast<void*>(replacement), typeid(Function*))
    {
        static_assert(std::is_function_v<Function>, "the replacement must be a function");
    }
    ~ReplaceCall();
    ReplaceCall(const ReplaceCall&) = delete;
    ReplaceCall& operator=(const ReplaceCall&) = delete;

private:
    ReplaceCall(const char* name, void* replacement, const std::type_info& type);
    int entry_;
    void* previous_;
};

// How arguments are printed: integers and enumerations in decimal, floats as %g, pointers as
// "null" or 0x%08X, GDI+'s point and rectangle records by reference as "{x, y[, w, h]}", the
// start-up input record as "{version, callback, suppress thread, suppress codecs}", and input
// texts (const WCHAR*, NUL-terminated) in double quotes, converted back with FromUtf16.
std::string FormatPointer(const void* pointer);
std::string FormatFloat(double value);
std::string FormatArgument(const Gdiplus::PointF& point);
std::string FormatArgument(const Gdiplus::Point& point);
std::string FormatArgument(const Gdiplus::RectF& rect);
std::string FormatArgument(const Gdiplus::Rect& rect);
std::string FormatArgument(const Gdiplus::GdiplusStartupInput* input);
std::string FormatArgument(const WCHAR* text);

template <class T>
std::string FormatArgument(const T& value)
{
    if constexpr (std::is_enum_v<T>)
        return std::to_string(static_cast<long long>(value));
    else if constexpr (std::is_integral_v<T>)
        return std::to_string(value);
    else if constexpr (std::is_floating_point_v<T>)
        return FormatFloat(value);
    else if constexpr (std::is_pointer_v<T> && std::is_function_v<std::remove_pointer_t<T>>)
        return FormatPointer(reinterpret_cast<const void*>(value));
    else if constexpr (std::is_pointer_v<T>)
        return FormatPointer(value);
    else
        static_assert(std::is_pointer_v<T>, "no printed form for this argument type");
}
