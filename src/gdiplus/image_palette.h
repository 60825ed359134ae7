#pragma once
// A PaletteRecord as the contiguous block GDI+ reads and writes: flags, count, then the entries.
#include "gdiplus/image_records.h"

#include <cstdint>
#include <vector>

class PaletteBlock {
public:
    // A block of `bytes` zero bytes for GDI+ to fill.
    static PaletteBlock OfSize(INT bytes);
    // The record's flags, count and entries, in order.
    explicit PaletteBlock(const PaletteRecord& record);

    Gdiplus::ColorPalette* Get() { return reinterpret_cast<Gdiplus::ColorPalette*>(words_.data()); }
    // Flags, count and `count` entries (as far as the block holds them) into the record.
    void ReadInto(PaletteRecord& record) const;
    // Flags and count into the record; its entries become the block's first entries.size() ones.
    void CopyBackInto(PaletteRecord& record) const;

private:
    PaletteBlock() = default;
    std::vector<std::uint32_t> words_;
};
