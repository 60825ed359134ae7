#pragma once
// Helpers for GDI+ tests: start GDI+ once, and 32-bit ARGB bitmaps made and read through the
// flat-function table (independent of the wrapper classes under test).
#include "gdiplus/flat_api.h"
#include "gdiplus/gdiplus_object.h"

#include <gtest/gtest.h>

#include <cstdint>

// Starts GDI+ the first time it is called.
void EnsureGdiplusStarted();

// Fixture for wrapper tests: GDI+ started, LastStatus 0 before and after each test.
class GdiplusTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureGdiplusStarted();
        LastStatus = 0;
    }
    void TearDown() override { LastStatus = 0; }
};

// Any native object as a plain wrapper; released with the given flat function on destruction.
template <class H>
class OwnedNative : public GdiplusObject {
public:
    using Release = Gdiplus::GpStatus(WINAPI*)(H*);
    OwnedNative(H* handle, Release release) : release_(release) { SetNativePointer(handle); }
    ~OwnedNative() override
    {
        if (nativePointer != nullptr)
            release_(static_cast<H*>(nativePointer));
    }
    H* Handle() const { return static_cast<H*>(nativePointer); }

private:
    Release release_;
};

// A width x height bitmap in 32bpp ARGB, all pixels 0 (transparent black).
class TestBitmap : public OwnedNative<Gdiplus::GpImage> {
public:
    TestBitmap(int width, int height);
    Gdiplus::GpBitmap* Bitmap() const { return static_cast<Gdiplus::GpBitmap*>(Handle()); }
    std::uint32_t Pixel(int x, int y) const;
    void SetPixel(int x, int y, std::uint32_t argb);
};
