// Every embedded picture decodes through GDI+ to the size the code that draws it relies on.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "resources/embedded_pictures.h"
#include "resources/picture_testing.h"

namespace {

struct SizedPicture {
    std::string name;
    const ByteBuffer* bytes;
    int width;
    int height;
};

std::vector<SizedPicture> GdiplusPictures()
{
    const auto& buttons = TitleButtonImages();
    const char* names[] = {"close", "maximize", "minimize"};
    const char* states[] = {"normal", "hover", "pressed"};
    std::vector<SizedPicture> pictures = {{"AppIcon", &AppIcon(), 48, 48},
                                          {"FrameImage", &FrameImage(), 32, 72},
                                          {"ButtonStrip", &ButtonStrip(), 71, 28}};
    for (int i = 0; i < 9; ++i)
        pictures.push_back({std::string(names[i / 3]) + " " + states[i % 3], &buttons[i], i < 3 ? 39 : 28, 20});
    return pictures;
}

std::uint32_t BigEndian32(const std::uint8_t* bytes)
{
    return (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) | (std::uint32_t{bytes[2]} << 8) | bytes[3];
}

TEST(ResourcesPictureSizes, EveryPictureDecodesToItsSize)
{
    for (const SizedPicture& picture : GdiplusPictures()) {
        SCOPED_TRACE(picture.name);
        DecodedPicture decoded(*picture.bytes);
        ASSERT_TRUE(decoded.Decoded());
        EXPECT_EQ(picture.width, decoded.Width());
        EXPECT_EQ(picture.height, decoded.Height());
    }
}

TEST(ResourcesPictureSizes, PngPicturesAreEightBitRgbaAndNotInterlaced)
{
    static const std::uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    for (const SizedPicture& picture : GdiplusPictures()) {
        if (picture.name == "AppIcon")
            continue;
        SCOPED_TRACE(picture.name);
        const std::uint8_t* bytes = picture.bytes->data();
        ASSERT_GT(picture.bytes->size(), 33u);
        EXPECT_EQ(0, std::memcmp(bytes, signature, sizeof signature));
        EXPECT_EQ(0, std::memcmp(bytes + 12, "IHDR", 4));
        EXPECT_EQ(static_cast<std::uint32_t>(picture.width), BigEndian32(bytes + 16));
        EXPECT_EQ(static_cast<std::uint32_t>(picture.height), BigEndian32(bytes + 20));
        EXPECT_EQ(8, bytes[24]);  // bits per channel
        EXPECT_EQ(6, bytes[25]);  // colour type RGBA
        EXPECT_EQ(0, bytes[28]);  // no interlacing
    }
}

}  // namespace
