#include "resources/embedded_pictures.h"

#include "resources/picture_bytes.h"

namespace {
ByteBuffer ToBuffer(const PictureBytes& bytes)
{
    return ByteBuffer(bytes.data, bytes.size);
}
}  // namespace

const ByteBuffer& AppIcon()
{
    static const ByteBuffer picture = ToBuffer(picture_bytes::kAppIcon);
    return picture;
}

const ByteBuffer& AppCursor()
{
    static const ByteBuffer picture = ToBuffer(picture_bytes::kAppCursor);
    return picture;
}

const std::array<ByteBuffer, 9>& TitleButtonImages()
{
    static const std::array<ByteBuffer, 9> pictures = [] {
        std::array<ByteBuffer, 9> all;
        for (std::size_t i = 0; i < all.size(); ++i)
            all[i] = ToBuffer(picture_bytes::kTitleButtons[i]);
        return all;
    }();
    return pictures;
}

const ByteBuffer& TitleButtonImage(TitleButton button, TitleButtonState state)
{
    const int index = (static_cast<int>(button) - 1) * 3 + static_cast<int>(state) - 1;
    return TitleButtonImages()[static_cast<std::size_t>(index)];
}

const ByteBuffer& FrameImage()
{
    static const ByteBuffer picture = ToBuffer(picture_bytes::kFrameImage);
    return picture;
}

const ByteBuffer& ButtonStrip()
{
    static const ByteBuffer picture = ToBuffer(picture_bytes::kButtonStrip);
    return picture;
}
