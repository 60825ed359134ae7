#pragma once
// LOGFONT data as GDI and GDI+ exchange it: the 60-byte ANSI record.
#include "common/byte_buffer.h"
#include "gdiplus/gdiplus_block.h"

#include <windows.h>

#include <cstddef>

constexpr std::size_t kLogFontSize = 60;
static_assert(sizeof(LOGFONTA) == kLogFontSize, "the ANSI LOGFONT record");

// A LOGFONT block from GDI+'s allocator (through its owner's Alloc), returned with the owner's
// Free when the holder goes, on every path.
class LogFontBlock {
public:
    explicit LogFontBlock(const GdiplusObject& owner);

    LOGFONTA* Get() const { return static_cast<LOGFONTA*>(block_.get()); }
    // Reads a GDI font's LOGFONT into the block; false when GDI cannot (or there is no block).
    bool ReadFrom(HGDIOBJ font);

private:
    GdiplusBlock block_;
};

// Makes sure GDI+ can write a whole LOGFONT into the buffer's bytes: a shorter buffer is
// lengthened with zeros, its bytes kept.
void MakeRoomForLogFont(ByteBuffer& buffer);
