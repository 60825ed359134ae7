#include "resources/embedded_pictures.h"

#include "resources/picture_bytes.h"

namespace {
// One ByteBuffer per picture, copied from the compiled-in bytes on first use.
template <const PictureBytes& bytes>
const ByteBuffer& Embedded()
{
    static const ByteBuffer picture(bytes.data, bytes.size);
    return picture;
}
}  // namespace

const ByteBuffer& AppIcon() { return Embedded<picture_bytes::kAppIcon>(); }
const ByteBuffer& AppCursor() { return Embedded<picture_bytes::kAppCursor>(); }
const ByteBuffer& FrameImage() { return Embedded<picture_bytes::kFrameImage>(); }
const ByteBuffer& ButtonStrip() { return Embedded<picture_bytes::kButtonStrip>(); }

const std::array<ByteBuffer, 9>& TitleButtonImages()
{
    static const std::array<ByteBuffer, 9> pictures = [] {
        std::array<ByteBuffer, 9> all;
        for (std::size_t i = 0; i < all.size(); ++i)
            all[i] = ByteBuffer(picture_bytes::kTitleButtons[i].data, picture_bytes::kTitleButtons[i].size);
        return all;
    }();
    return pictures;
}

const ByteBuffer& TitleButtonImage(TitleButton button, TitleButtonState state)
{
    const int index = (static_cast<int>(button) - 1) * 3 + static_cast<int>(state) - 1;
    return TitleButtonImages()[static_cast<std::size_t>(index)];
}
