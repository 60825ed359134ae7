#include "gdiplus/bitmap.h"
#include "gdiplus/flat_api_recorder.h"
#include "gdiplus/support/gdiplus_test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <vector>

namespace {

class GdiplusBitmap : public GdiplusTest {};

TEST_F(GdiplusBitmap, CreateMakesATransparentArgbBitmapUnlessGivenAFormat)
{
    Bitmap bitmap;
    EXPECT_TRUE(bitmap.Create(16, 8));
    EXPECT_EQ(bitmap.GetWidth(), 16u);
    EXPECT_EQ(bitmap.GetHeight(), 8u);
    EXPECT_EQ(bitmap.GetPixelFormat(), 0x26200A);
    for (auto [x, y] : {std::pair{0, 0}, std::pair{15, 0}, std::pair{7, 4}, std::pair{15, 7}})
        EXPECT_EQ(bitmap.GetPixel(x, y), 0u) << x << "," << y;

    // A given 0 reaches GDI+ as 0 (Windows refuses it, Wine does not), an omitted format as ARGB.
    struct Case {
        std::optional<INT> format;
        const char* recorded;
    };
    for (const Case& c : {Case{std::nullopt, "2498570"}, Case{PixelFormat24bppRGB, "137224"}, Case{0, "0"}}) {
        Bitmap made;
        RecordCalls rec({"GdipCreateBitmapFromScan0"});
        if (c.format)
            made.Create(3, 2, *c.format);
        else
            made.Create(3, 2);
        ASSERT_EQ(rec.Calls().size(), 1u);
        EXPECT_EQ(std::vector<std::string>(rec.Calls()[0].args.begin(), rec.Calls()[0].args.begin() + 5),
                  (std::vector<std::string>{"3", "2", "0", c.recorded, "null"}));  // GDI+ allocates the pixels
    }
}

TEST_F(GdiplusBitmap, PixelsWrittenAreReadBackDirectlyAndThroughLockBits)
{
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.Create(4, 3));
    EXPECT_TRUE(bitmap.SetPixel(1, 2, 0x80112233));
    EXPECT_TRUE(bitmap.SetPixel(3, 0, 0xFFABCDEF));
    EXPECT_EQ(bitmap.GetPixel(1, 2), 0x80112233u);

    BitmapData data{};
    const Rect all{0, 0, 4, 3};
    ASSERT_TRUE(bitmap.LockBits(all, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, data));
    EXPECT_EQ(data.Width, 4u);
    EXPECT_EQ(data.Height, 3u);
    EXPECT_EQ(data.PixelFormat, PixelFormat32bppARGB);
    ASSERT_NE(data.Scan0, nullptr);
    auto pixel = [&](int x, int y) {
        std::uint32_t value;
        std::memcpy(&value, static_cast<const std::uint8_t*>(data.Scan0) + y * data.Stride + x * 4, 4);
        return value;
    };
    EXPECT_EQ(pixel(1, 2), 0x80112233u);
    EXPECT_EQ(pixel(3, 0), 0xFFABCDEFu);
    EXPECT_EQ(pixel(0, 0), 0u);
    EXPECT_TRUE(bitmap.UnlockBits(data));

    EXPECT_EQ(bitmap.GetPixel(9, 9), 0u);  // outside: GDI+ refuses, the getter gives 0
    EXPECT_EQ(LastStatus, Gdiplus::InvalidParameter);
}

TEST_F(GdiplusBitmap, FromAGdiBitmapTakesItsSize)
{
    HBITMAP gdiBitmap = CreateBitmap(7, 5, 1, 32, nullptr);
    ASSERT_NE(gdiBitmap, nullptr);
    Bitmap bitmap;
    EXPECT_TRUE(bitmap.CreateFromHBITMAP(gdiBitmap, nullptr));
    EXPECT_EQ(bitmap.GetWidth(), 7u);
    EXPECT_EQ(bitmap.GetHeight(), 5u);
    EXPECT_TRUE(bitmap.Delete());
    DeleteObject(gdiBitmap);

    Bitmap none;
    EXPECT_FALSE(none.CreateFromHBITMAP(nullptr, nullptr));
    EXPECT_NE(LastStatus, 0);
    EXPECT_EQ(none.GetNativePointer(), nullptr);
}

TEST_F(GdiplusBitmap, HandsOutGdiBitmapsAndIconsThatComeBack)
{
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.Create(6, 4));
    bitmap.SetPixel(2, 1, 0xFF00FF00);

    HBITMAP gdiBitmap = bitmap.GetHBITMAP(0xFF0000FF);
    ASSERT_NE(gdiBitmap, nullptr);
    BITMAP info{};
    GetObjectA(gdiBitmap, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 6);
    EXPECT_EQ(info.bmHeight, 4);
    Bitmap fromGdi;
    EXPECT_TRUE(fromGdi.CreateFromHBITMAP(gdiBitmap, nullptr));
    EXPECT_EQ(fromGdi.GetPixel(2, 1) & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(fromGdi.GetPixel(0, 0) & 0xFFFFFF, 0x0000FFu);  // the background
    DeleteObject(gdiBitmap);

    HICON icon = bitmap.GetHICON();
    ASSERT_NE(icon, nullptr);
    Bitmap fromIcon;
    EXPECT_TRUE(fromIcon.CreateFromHICON(icon));
    EXPECT_EQ(fromIcon.GetWidth(), 6u);
    EXPECT_EQ(fromIcon.GetHeight(), 4u);
    DestroyIcon(icon);

    Bitmap empty;
    EXPECT_EQ(empty.GetHBITMAP(), nullptr);
    EXPECT_EQ(empty.GetHICON(), nullptr);
    EXPECT_NE(LastStatus, 0);
}

TEST_F(GdiplusBitmap, FromPixelsInMemory)
{
    const std::uint32_t pixels[2 * 2] = {0xFF010203, 0xFF040506, 0xFF070809, 0xFF0A0B0C};
    Bitmap fromScan0;
    EXPECT_TRUE(fromScan0.CreateFromScan0(2, 2, 8, PixelFormat32bppARGB,
                                          const_cast<std::uint32_t*>(pixels)));
    EXPECT_EQ(fromScan0.GetPixel(1, 1), 0xFF0A0B0Cu);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 2;
    info.bmiHeader.biHeight = 2;  // bottom-up: the first row in memory is the bottom one
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    Bitmap fromDib;
    EXPECT_TRUE(fromDib.CreateFromGdiDib(&info, const_cast<std::uint32_t*>(pixels)));
    EXPECT_EQ(fromDib.GetWidth(), 2u);
    EXPECT_EQ(fromDib.GetPixel(0, 1) & 0xFFFFFF, 0x010203u);
}

TEST_F(GdiplusBitmap, FromAGraphicsTakesTheGivenSize)
{
    TestBitmap surface(2, 2);
    Gdiplus::GpGraphics* graphics = nullptr;
    ASSERT_EQ(Flat().GdipGetImageGraphicsContext(surface.Handle(), &graphics), Gdiplus::Ok);
    OwnedNative<Gdiplus::GpGraphics> owner(graphics, Flat().GdipDeleteGraphics);
    Bitmap bitmap;
    EXPECT_TRUE(bitmap.CreateFromGraphics(5, 6, owner));
    EXPECT_EQ(bitmap.GetWidth(), 5u);
    EXPECT_EQ(bitmap.GetHeight(), 6u);
}

TEST_F(GdiplusBitmap, CloneAreaCopiesPartOfTheBitmap)
{
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.Create(4, 4));
    bitmap.SetPixel(2, 1, 0xFF123456);
    Bitmap part;
    EXPECT_TRUE(bitmap.CloneArea(RectF{2, 1, 2, 3}, PixelFormat32bppARGB, part));
    EXPECT_EQ(part.GetWidth(), 2u);
    EXPECT_EQ(part.GetHeight(), 3u);
    EXPECT_EQ(part.GetPixel(0, 0), 0xFF123456u);
    // the target works through its own copies of the handle, as a Bitmap and as an Image
    EXPECT_TRUE(part.SetPixel(1, 2, 0xFF654321));
    EXPECT_EQ(static_cast<Image&>(part).GetWidth(), 2u);
    EXPECT_EQ(part.GetPixel(1, 2), 0xFF654321u);
}

TEST_F(GdiplusBitmap, SetResolutionIsWhatTheImageReports)
{
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.Create(2, 2));
    EXPECT_TRUE(bitmap.SetResolution(144.0f, 72.0f));
    EXPECT_EQ(bitmap.GetHorizontalResolution(), 144.0f);
    EXPECT_EQ(bitmap.GetVerticalResolution(), 72.0f);
}

TEST_F(GdiplusBitmap, DeleteTwiceAndDestructorAfterDelete)
{
    RecordCalls rec({"GdipDisposeImage"});
    {
        Bitmap bitmap;
        ASSERT_TRUE(bitmap.Create(2, 2));
        EXPECT_TRUE(bitmap.Delete());
        LastStatus = 31;
        EXPECT_FALSE(bitmap.Delete());
        EXPECT_EQ(LastStatus, 31);
    }
    EXPECT_EQ(rec.Calls().size(), 1u);
}

// An effect object as ApplyEffect sees it.
class FakeEffect : public BitmapEffect {
public:
    Gdiplus::CGpEffect* GetNativeEffect() const override { return reinterpret_cast<Gdiplus::CGpEffect*>(0x1234); }
    INT GetAuxDataSize() const override { return auxDataSize; }
    void SetAuxDataSize(INT size) override { auxDataSize = size; }
    void* GetAuxData() const override { return auxData; }
    void SetAuxData(void* data) override { auxData = data; }
    BOOL GetUseAuxData() const override { return TRUE; }
    void* auxData = nullptr;
    INT auxDataSize = 0;
};

// GDI+ under Wine answers NotImplemented for every effect: what ApplyEffect passes and keeps is
// checked with the function replaced.
struct FakeApplyEffect {
    static inline RECT area{};
    static inline bool areaGiven = false;
    static inline void* handedOut = nullptr;
    static Gdiplus::GpStatus WINAPI Apply(Gdiplus::GpBitmap*, Gdiplus::CGpEffect*, RECT* roi, BOOL, VOID** auxData,
                                         INT* auxDataSize)
    {
        areaGiven = roi != nullptr;
        if (roi != nullptr)
            area = *roi;
        handedOut = Flat().GdipAlloc(12);
        *auxData = handedOut;
        *auxDataSize = 12;
        return Gdiplus::Ok;
    }
};

TEST_F(GdiplusBitmap, ApplyEffectFreesTheOldAuxiliaryDataAndKeepsTheNew)
{
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.Create(8, 8));
    FakeEffect effect;
    effect.auxData = Flat().GdipAlloc(4);
    effect.auxDataSize = 4;
    const std::string oldData = FormatPointer(effect.auxData);

    ReplaceCall apply("GdipBitmapApplyEffect", &FakeApplyEffect::Apply);
    RecordCalls rec({"GdipBitmapApplyEffect", "GdipFree"});
    EXPECT_TRUE(bitmap.ApplyEffect(effect, Rect{1, 2, 3, 4}));
    ASSERT_EQ(rec.Calls().size(), 2u);
    EXPECT_EQ(rec.Calls()[0].ToString(), "GdipFree(" + oldData + ")");
    EXPECT_EQ(rec.Calls()[1].args[0], FormatPointer(bitmap.GetNativePointer()));
    EXPECT_EQ(rec.Calls()[1].args[1], "0x00001234");
    EXPECT_EQ(rec.Calls()[1].args[3], "1");
    EXPECT_TRUE(FakeApplyEffect::areaGiven);
    EXPECT_EQ(FakeApplyEffect::area.left, 1);
    EXPECT_EQ(FakeApplyEffect::area.top, 2);
    EXPECT_EQ(FakeApplyEffect::area.right, 4);
    EXPECT_EQ(FakeApplyEffect::area.bottom, 6);
    EXPECT_EQ(effect.auxData, FakeApplyEffect::handedOut);
    EXPECT_EQ(effect.auxDataSize, 12);

    rec.Clear();
    EXPECT_TRUE(bitmap.ApplyEffect(effect));
    EXPECT_FALSE(FakeApplyEffect::areaGiven);
    EXPECT_EQ(rec.CallsOf("GdipFree").size(), 1u);
    Flat().GdipFree(effect.auxData);
}

}  // namespace
