#include "gdiplus/log_font.h"

#include <algorithm>
#include <cstring>
#include <vector>

LogFontBlock::LogFontBlock(const GdiplusObject& owner)
    : owner_(owner), block_(static_cast<LOGFONTA*>(owner.Alloc(kLogFontSize)))
{
    if (block_ != nullptr)
        std::memset(block_, 0, kLogFontSize);
}

LogFontBlock::~LogFontBlock()
{
    if (block_ != nullptr)
        owner_.Free(block_);
}

bool LogFontBlock::ReadFrom(HGDIOBJ font)
{
    return block_ != nullptr && GetObjectA(font, static_cast<int>(kLogFontSize), block_) != 0;
}

void MakeRoomForLogFont(ByteBuffer& buffer)
{
    if (buffer.size() >= kLogFontSize)
        return;
    std::vector<std::uint8_t> bytes(kLogFontSize, 0);
    std::copy(buffer.begin(), buffer.end(), bytes.begin());
    buffer = ByteBuffer(bytes);
}
