#pragma once
// The common base of every GDI+ wrapper, the program-wide status of the last GDI+ call and the
// start-up of GDI+.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>

// Status of the most recent library call: GDI+'s own status (0 = Ok), or one the library sets.
extern std::int32_t LastStatus;
// Token of GdiplusStartup; written once, GDI+ is never shut down.
extern ULONG_PTR gdiplusToken;

// Starts GDI+ asking for `version` (1 when omitted) and returns the token. Neither the status of
// the start-up nor LastStatus is touched: a failed start shows up as failing calls later.
ULONG_PTR StartGdiplus(std::optional<std::uint32_t> version = std::nullopt);

// A wrapper owns at most one native object. nativePointer is the copy other wrappers read; each
// direct subclass keeps its own typed copy (nativeHandle) and second-level subclasses one more
// (derivedHandle). SetNativePointer keeps all copies equal.
class GdiplusObject {
public:
    GdiplusObject() = default;
    GdiplusObject(const GdiplusObject&) = delete;  // a copy would release the native object twice
    GdiplusObject& operator=(const GdiplusObject&) = delete;
    virtual ~GdiplusObject() = default;

    void* GetNativePointer() const { return nativePointer; }
    void SetNativePointer(void* handle)
    {
        nativePointer = handle;
        SetNativeHandle(handle);
    }
    // Each class stores the handle into its own copy; the base has none.
    virtual void SetNativeHandle(void* /*handle*/) {}
    // Blocks from GDI+'s allocator (null on failure), returned with Free.
    void* Alloc(std::size_t size) const;
    void Free(void* block) const;

protected:
    void* nativePointer = nullptr;
};
