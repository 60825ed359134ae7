#include "gdiplus/log_font.h"

#include <algorithm>
#include <cstring>
#include <vector>

LogFontBlock::LogFontBlock(const GdiplusObject& owner) : block_(AllocBlock(owner, kLogFontSize))
{
    if (block_)
        std::memset(block_.get(), 0, kLogFontSize);
}

bool LogFontBlock::ReadFrom(HGDIOBJ font)
{
    return block_ && GetObjectA(font, static_cast<int>(kLogFontSize), block_.get()) != 0;
}

void MakeRoomForLogFont(ByteBuffer& buffer)
{
    if (buffer.size() >= kLogFontSize)
        return;
    std::vector<std::uint8_t> bytes(kLogFontSize, 0);
    std::copy(buffer.begin(), buffer.end(), bytes.begin());
    buffer = ByteBuffer(bytes);
}
