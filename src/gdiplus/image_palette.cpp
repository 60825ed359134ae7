#include "gdiplus/image_palette.h"

#include <algorithm>

namespace {
constexpr std::size_t kHeaderWords = 2;  // flags, count
}

PaletteBlock PaletteBlock::OfSize(INT bytes)
{
    PaletteBlock block;
    const std::size_t size = bytes > 0 ? static_cast<std::size_t>(bytes) : 0;
    block.words_.assign(std::max(kHeaderWords, (size + 3) / 4), 0);
    return block;
}

PaletteBlock::PaletteBlock(const PaletteRecord& record)
{
    // Room for `count` entries too, should a caller's count run ahead of its entries.
    words_.assign(kHeaderWords + std::max<std::size_t>(record.count, record.entries.size()), 0);
    words_[0] = record.flags;
    words_[1] = record.count;
    std::copy(record.entries.begin(), record.entries.end(), words_.begin() + kHeaderWords);
}

void PaletteBlock::ReadInto(PaletteRecord& record) const
{
    record.flags = words_[0];
    record.count = words_[1];
    const std::size_t available = words_.size() - kHeaderWords;
    const std::size_t count = std::min<std::size_t>(record.count, available);
    record.entries.assign(words_.begin() + kHeaderWords, words_.begin() + kHeaderWords + count);
}

void PaletteBlock::CopyBackInto(PaletteRecord& record) const
{
    record.flags = words_[0];
    record.count = words_[1];
    std::copy_n(words_.begin() + kHeaderWords, record.entries.size(), record.entries.begin());
}
