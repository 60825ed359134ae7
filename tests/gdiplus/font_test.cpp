#include "brush_pen_testing.h"

#include "gdiplus/flat_api_recorder.h"
#include "gdiplus/font.h"
#include "gdiplus/font_family.h"
#include "gdiplus/graphics.h"

#include <cstring>
#include <functional>
#include <string>

namespace {

class GdiplusFont : public GdiplusWrapperTest {};

TEST_F(GdiplusFont, CreateByNameMakesAFontOfTheInstalledFamilyAndReleasesTheFamily)
{
    RecordCalls rec({"GdipCreateFontFamilyFromName", "GdipDeleteFontFamily"});
    Font font;
    ASSERT_TRUE(font.CreateByName("微软雅黑", 13.0f, Gdiplus::FontStyleBold));
    EXPECT_EQ(LastStatus, 0);
    EXPECT_EQ(font.GetSize(), 13.0f);
    EXPECT_EQ(font.GetUnit(), Gdiplus::UnitWorld);
    EXPECT_EQ(font.GetStyle(), Gdiplus::FontStyleBold);
    ASSERT_EQ(rec.Calls().size(), 2u);
    EXPECT_EQ(rec.Calls()[0].args[1], "null") << "looked up among the installed fonts";
    EXPECT_EQ(rec.Calls()[1].name, "GdipDeleteFontFamily");
}

TEST_F(GdiplusFont, CreateByNameOfAMissingFamilyFailsWithTheFontCreationStatus)
{
    Gdiplus::GpFont* probe = nullptr;
    const Gdiplus::GpStatus nullFamilyStatus =
        Flat().GdipCreateFont(nullptr, 12.0f, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel, &probe);
    ASSERT_NE(nullFamilyStatus, Gdiplus::Ok);

    RecordCalls rec({"GdipCreateFont", "GdipDeleteFontFamily"});
    Font font;
    EXPECT_FALSE(font.CreateByName("没有这种字体", 12.0f));
    EXPECT_EQ(LastStatus, nullFamilyStatus);
    EXPECT_EQ(font.GetNativePointer(), nullptr);
    ASSERT_EQ(rec.Calls().size(), 1u) << "an empty family has nothing to release";
    EXPECT_EQ(rec.Calls()[0].args[0], "null");
}

decltype(FlatApi::GdipDeleteFontFamily) realDeleteFontFamily = nullptr;
Gdiplus::GpStatus WINAPI FailingDeleteFontFamily(Gdiplus::GpFontFamily* family)
{
    realDeleteFontFamily(family);
    return Gdiplus::GenericError;
}

TEST_F(GdiplusFont, CreateByNameReportsTheFontCreationEvenWhenReleasingTheFamilyFails)
{
    realDeleteFontFamily = Flat().GdipDeleteFontFamily;
    ReplaceCall failing("GdipDeleteFontFamily", &FailingDeleteFontFamily);
    Font font;
    EXPECT_TRUE(font.CreateByName("宋体", 9.0f));
    EXPECT_EQ(LastStatus, 0);
}

TEST_F(GdiplusFont, CreateFromAFamilyWithStyleAndUnit)
{
    FontFamily family;
    ASSERT_TRUE(family.CreateFromName("微软雅黑"));
    Font font;
    ASSERT_TRUE(font.Create(family, 20.0f, Gdiplus::FontStyleItalic, Gdiplus::UnitPixel));
    EXPECT_EQ(font.GetSize(), 20.0f);
    EXPECT_EQ(font.GetStyle(), Gdiplus::FontStyleItalic);
    EXPECT_EQ(font.GetUnit(), Gdiplus::UnitPixel);
    EXPECT_GT(font.GetHeightGivenDPI(96.0f), 20.0f);

    Font copy;
    ASSERT_TRUE(font.Clone(copy));
    EXPECT_NE(copy.GetNativePointer(), font.GetNativePointer());
    EXPECT_EQ(copy.GetSize(), 20.0f);

    FontFamily fontsFamily;
    ASSERT_TRUE(font.GetFamily(fontsFamily));
    EXPECT_EQ(fontsFamily.GetFamilyName(), family.GetFamilyName());
    fontsFamily.Delete();
    family.Delete();
}

// A memory device context with a GDI font of `selectedHeight` pixels selected, and another GDI
// font of `otherHeight` pixels that is not.
class GdiFonts {
public:
    GdiFonts(int selectedHeight, int otherHeight)
        : dc_(CreateCompatibleDC(nullptr)), selected_(Make(selectedHeight)), other_(Make(otherHeight)),
          previous_(SelectObject(dc_, selected_))
    {
    }
    ~GdiFonts()
    {
        SelectObject(dc_, previous_);
        DeleteObject(selected_);
        DeleteObject(other_);
        DeleteDC(dc_);
    }
    HDC Dc() const { return dc_; }
    HFONT Other() const { return other_; }
    LOGFONTA OtherLogFont() const
    {
        LOGFONTA logFont{};
        GetObjectA(other_, sizeof logFont, &logFont);
        return logFont;
    }

private:
    static HFONT Make(int height)
    {
        return CreateFontA(-height, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
    }
    HDC dc_;
    HFONT selected_;
    HFONT other_;
    HGDIOBJ previous_;
};

// Size of the font GDI+ makes from a flat creation function, as a reference.
template <class Create>
float ReferenceSize(Create create)
{
    Gdiplus::GpFont* font = nullptr;
    create(&font);
    float size = 0;
    Flat().GdipGetFontSize(font, &size);
    Flat().GdipDeleteFont(font);
    return size;
}

TEST_F(GdiplusFont, GdiFontOrLogFontIsUsedWhenGivenElseTheContextsFont)
{
    GdiFonts gdi(30, 20);
    const LOGFONTA other = gdi.OtherLogFont();
    const float contextSize = ReferenceSize([&](Gdiplus::GpFont** f) { Flat().GdipCreateFontFromDC(gdi.Dc(), f); });
    const float otherSize =
        ReferenceSize([&](Gdiplus::GpFont** f) { Flat().GdipCreateFontFromLogfontA(gdi.Dc(), &other, f); });
    ASSERT_GT(contextSize, 0.0f);
    ASSERT_GT(otherSize, 0.0f);
    ASSERT_NE(contextSize, otherSize);
    struct Case {
        const char* name;
        std::function<bool(Font&)> create;
        float size;
    };
    const Case cases[] = {
        {"from the context", [&](Font& f) { return f.CreateFromDC(gdi.Dc()); }, contextSize},
        {"GDI font", [&](Font& f) { return f.CreateFromHFONT(gdi.Dc(), gdi.Other()); }, otherSize},
        {"no GDI font", [&](Font& f) { return f.CreateFromHFONT(gdi.Dc(), nullptr); }, contextSize},
        {"unreadable GDI font",
         [&](Font& f) { return f.CreateFromHFONT(gdi.Dc(), reinterpret_cast<HFONT>(0x1234)); }, contextSize},
        {"LOGFONT", [&](Font& f) { return f.CreateFromLogfont(gdi.Dc(), &other); }, otherSize},
        {"no LOGFONT", [&](Font& f) { return f.CreateFromLogfont(gdi.Dc(), nullptr); }, contextSize},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordCalls blocks({"GdipAlloc", "GdipFree"});
        Font font;
        ASSERT_TRUE(c.create(font));
        EXPECT_EQ(font.GetSize(), c.size);
        EXPECT_EQ(blocks.CallsOf("GdipAlloc").size(), blocks.CallsOf("GdipFree").size()) << "LOGFONT blocks go back";
    }
}

TEST_F(GdiplusFont, CreateDefaultUsesTheDefaultGuiFont)
{
    LOGFONTA stock{};
    ASSERT_NE(GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof stock, &stock), 0);
    RecordCalls rec({"GdipCreateFontFromLogfontA", "GdipAlloc", "GdipFree"});
    Font font;
    ASSERT_TRUE(font.CreateDefault());
    EXPECT_EQ(font.GetSize(), static_cast<float>(stock.lfHeight < 0 ? -stock.lfHeight : stock.lfHeight));
    ASSERT_EQ(rec.Calls().size(), 3u);
    EXPECT_EQ(rec.Calls()[0].ToString(), "GdipAlloc(60)");
    EXPECT_EQ(rec.Calls()[2].name, "GdipFree") << "the LOGFONT block goes back";
}

TEST_F(GdiplusFont, LogFontIsWrittenIntoTheCallersBuffer)
{
    TestBitmap bitmap(4, 4);
    Graphics graphics;
    ASSERT_TRUE(graphics.CreateFromImage(bitmap));
    Font font;
    ASSERT_TRUE(font.CreateByName("宋体", 16.0f, 0, Gdiplus::UnitPixel));
    FontFamily family;
    ASSERT_TRUE(font.GetFamily(family));

    for (std::size_t size : {std::size_t{60}, std::size_t{8}}) {
        SCOPED_TRACE(size);
        ByteBuffer buffer(std::vector<std::uint8_t>(size, 0xAB));
        ASSERT_TRUE(font.GetLogFontA(graphics, buffer));
        ASSERT_EQ(buffer.size(), 60u);
        LOGFONTA logFont;
        std::memcpy(&logFont, buffer.data(), sizeof logFont);
        EXPECT_EQ(logFont.lfHeight, -16);
        EXPECT_EQ(std::string(logFont.lfFaceName), family.GetFamilyName());
    }
    family.Delete();
}

TEST_F(GdiplusFont, HeightWithoutGraphicsAsksWithANullOne)
{
    Font font;
    ASSERT_TRUE(font.CreateByName("宋体", 16.0f, 0, Gdiplus::UnitPixel));
    RecordCalls rec({"GdipGetFontHeight"});
    float height = font.GetHeight();
    ASSERT_EQ(rec.Calls().size(), 1u);
    EXPECT_EQ(rec.Calls()[0].args[1], "null");
    EXPECT_EQ(LastStatus, 0);
    EXPECT_GT(height, 16.0f);

    TestBitmap bitmap(4, 4);
    Graphics graphics;
    ASSERT_TRUE(graphics.CreateFromImage(bitmap));
    EXPECT_GT(font.GetHeight(&graphics), 16.0f);
}

}  // namespace
