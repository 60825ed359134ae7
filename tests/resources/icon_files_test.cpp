// The window icon and the mouse pointer: their ICO and CUR files, loaded by Windows as an icon
// and a cursor, and the layout of their pixels.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "resources/embedded_pictures.h"
#include "resources/picture_testing.h"

namespace {

// The one 32-bit image of an ICO or CUR file as the file stores it.
class IconFileImage {
public:
    explicit IconFileImage(const ByteBuffer& file) : bytes_(file.data()), size_(file.size())
    {
        type = Word(2);
        count = Word(4);
        width = bytes_[6];
        height = bytes_[7];
        fieldX = Word(10);
        fieldY = Word(12);
        imageSize = Dword(14);
        offset = Dword(18);
        headerSize = Dword(offset);
        dibWidth = static_cast<int>(Dword(offset + 4));
        dibHeight = static_cast<int>(Dword(offset + 8));
        bitCount = Word(offset + 14);
    }
    // 0xAARRGGBB of pixel (x, y), top row first.
    std::uint32_t Pixel(int x, int y) const
    {
        return Dword(offset + headerSize + ((height - 1 - y) * width + x) * 4);
    }
    // The AND-mask bit of pixel (x, y): 1 where the pointer shows the screen through.
    int MaskBit(int x, int y) const
    {
        const std::size_t stride = ((width + 31) / 32) * 4;
        const std::size_t row = offset + headerSize + width * height * 4 + (height - 1 - y) * stride;
        return (bytes_[row + x / 8] >> (7 - x % 8)) & 1;
    }
    bool Complete() const { return offset + imageSize == size_ && headerSize == 40; }

    int type, count, width, height, fieldX, fieldY, bitCount, dibWidth, dibHeight;
    std::size_t imageSize, offset, headerSize;

private:
    int Word(std::size_t at) const { return bytes_[at] | (bytes_[at + 1] << 8); }
    std::uint32_t Dword(std::size_t at) const
    {
        std::uint32_t value;
        std::memcpy(&value, bytes_ + at, 4);
        return value;
    }
    const std::uint8_t* bytes_;
    std::size_t size_;
};

// A temporary copy of a file's bytes on disk, removed again afterwards.
class TemporaryFile {
public:
    explicit TemporaryFile(const ByteBuffer& bytes)
    {
        char directory[MAX_PATH];
        char name[MAX_PATH];
        GetTempPathA(MAX_PATH, directory);
        GetTempFileNameA(directory, "pic", 0, name);
        path_ = name;
        HANDLE file = CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
    }
    ~TemporaryFile() { DeleteFileA(path_.c_str()); }
    const char* Path() const { return path_.c_str(); }

private:
    std::string path_;
};

struct LoadedByWindows {
    const char* name;
    const ByteBuffer* bytes;
    UINT type;
    int size;
    BOOL isIcon;
    DWORD hotSpotX, hotSpotY;
};

struct IconFileHeader {
    const char* name;
    const ByteBuffer* bytes;
    int type;
    int size;
    int fieldX, fieldY;  // colour planes and bits per pixel of an icon, the hot spot of a cursor
};

TEST(ResourcesIconFiles, EachFileHoldsOne32BitImageOfItsSize)
{
    const IconFileHeader files[] = {{"icon", &AppIcon(), 1, 48, 1, 32}, {"cursor", &AppCursor(), 2, 32, 1, 2}};
    for (const IconFileHeader& f : files) {
        SCOPED_TRACE(f.name);
        const IconFileImage image(*f.bytes);
        EXPECT_EQ(f.type, image.type);
        EXPECT_EQ(1, image.count);
        EXPECT_EQ(f.size, image.width);
        EXPECT_EQ(f.size, image.height);
        EXPECT_EQ(f.fieldX, image.fieldX);
        EXPECT_EQ(f.fieldY, image.fieldY);
        EXPECT_TRUE(image.Complete());
        EXPECT_EQ(f.size, image.dibWidth);
        EXPECT_EQ(2 * f.size, image.dibHeight);  // colour rows then mask rows
        EXPECT_EQ(32, image.bitCount);
    }
}

TEST(ResourcesIconFiles, IconIsOpaqueWithAnEmptyMask)
{
    const IconFileImage icon(AppIcon());
    int translucent = 0, masked = 0;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x) {
            translucent += Alpha(icon.Pixel(x, y)) != 255;
            masked += icon.MaskBit(x, y);
        }
    EXPECT_EQ(0, translucent);
    EXPECT_EQ(0, masked);
}

TEST(ResourcesIconFiles, CursorMaskShowsTheScreenExactlyWhereTheArrowIsTransparent)
{
    const IconFileImage cursor(AppCursor());
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            ASSERT_EQ(Alpha(cursor.Pixel(x, y)) == 0 ? 1 : 0, cursor.MaskBit(x, y)) << x << "," << y;
}

TEST(ResourcesIconFiles, WindowsLoadsTheIconAndTheCursor)
{
    const LoadedByWindows cases[] = {
        {"icon", &AppIcon(), IMAGE_ICON, 48, TRUE, 24, 24},
        {"cursor", &AppCursor(), IMAGE_CURSOR, 32, FALSE, 1, 2},
    };
    for (const LoadedByWindows& c : cases) {
        SCOPED_TRACE(c.name);
        TemporaryFile file(*c.bytes);
        HANDLE handle = LoadImageA(nullptr, file.Path(), c.type, 0, 0, LR_LOADFROMFILE);
        ASSERT_NE(nullptr, handle);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(static_cast<HICON>(handle), &info));
        BITMAP colour{};
        GetObjectA(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(c.size, colour.bmWidth);
        EXPECT_EQ(c.size, colour.bmHeight);
        EXPECT_EQ(c.isIcon, info.fIcon);
        EXPECT_EQ(c.hotSpotX, info.xHotspot);
        EXPECT_EQ(c.hotSpotY, info.yHotspot);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        if (c.type == IMAGE_ICON)
            DestroyIcon(static_cast<HICON>(handle));
        else
            DestroyCursor(static_cast<HCURSOR>(handle));
    }
}

TEST(ResourcesIconFiles, CursorArrowFillsTheTopLeftCornerOnly)
{
    const IconFileImage cursor(AppCursor());
    int outside = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (x >= 20 || y >= 24)
                outside += Alpha(cursor.Pixel(x, y)) != 0;
    EXPECT_EQ(0, outside);
    EXPECT_EQ(0, Alpha(cursor.Pixel(0, 0)));
    const std::uint32_t tip = cursor.Pixel(1, 2);  // the hot spot: near-white outline
    EXPECT_EQ(255, Alpha(tip));
    EXPECT_GE(std::min({Red(tip), Green(tip), Blue(tip)}), 230);
    const std::uint32_t edge = cursor.Pixel(1, 12);  // left side of the outline
    EXPECT_GE(std::min({Red(edge), Green(edge), Blue(edge)}), 230);
    const std::uint32_t body = cursor.Pixel(5, 12);
    EXPECT_EQ(255, Alpha(body));
    EXPECT_GT(Blue(body), Red(body) + 100);
}

TEST(ResourcesIconFiles, IconShowsABlueFieldInALavenderBorderWithARoundOrnament)
{
    DecodedPicture icon(AppIcon());
    ASSERT_TRUE(icon.Decoded());
    const std::uint32_t border = icon.Pixel(1, 24);
    EXPECT_GE(std::min({Red(border), Green(border), Blue(border)}), 180);
    EXPECT_GE(Blue(border), Green(border));  // a lavender tint, not yellow
    const std::uint32_t shadow = icon.Pixel(47, 24);
    EXPECT_LT(Red(shadow) + Green(shadow) + Blue(shadow), Red(border) + Green(border) + Blue(border));
    const std::uint32_t pin = icon.Pixel(2, 2);
    EXPECT_LT(Red(pin) + Green(pin) + Blue(pin), Red(border) + Green(border) + Blue(border) - 60);
    const std::uint32_t field = icon.Pixel(8, 8);
    EXPECT_GT(Blue(field), Red(field) + 80);
    const std::uint32_t ring = icon.Pixel(23, 7);  // top of the ornament's ring
    EXPECT_LT(std::max({Red(ring), Green(ring), Blue(ring)}), 60);
    for (int y = 0; y < 48; ++y)
        EXPECT_EQ(255, Alpha(icon.Pixel(y, y)));
}

}  // namespace
