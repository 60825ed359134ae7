#pragma once
// A block from GDI+'s allocator (through a wrapper's Alloc), given back with the same wrapper's
// Free when the holder goes, on every path. Null when the allocation failed.
#include "gdiplus/gdiplus_object.h"

#include <cstddef>
#include <memory>

struct ReturnGdiplusBlock {
    const GdiplusObject* owner;
    void operator()(void* block) const { owner->Free(block); }
};
using GdiplusBlock = std::unique_ptr<void, ReturnGdiplusBlock>;

inline GdiplusBlock AllocBlock(const GdiplusObject& owner, std::size_t size)
{
    return GdiplusBlock(owner.Alloc(size), ReturnGdiplusBlock{&owner});
}
