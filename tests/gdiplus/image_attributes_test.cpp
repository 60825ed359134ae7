#include "gdiplus/bitmap.h"
#include "gdiplus/flat_api_recorder.h"
#include "gdiplus/image_attributes.h"
#include "gdiplus/support/gdiplus_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kBlue = 0xFF0000FF;

std::vector<float> ScaledIdentity(float alpha)
{
    std::vector<float> matrix(25, 0.0f);
    for (int i = 0; i < 5; ++i)
        matrix[i * 5 + i] = 1.0f;
    matrix[3 * 5 + 3] = alpha;
    return matrix;
}

// Draws a 4 x 4 opaque red picture with the attributes onto a transparent 4 x 4 surface and
// returns the pixel in its middle.
std::uint32_t DrawRedThrough(const ImageAttributes& attributes)
{
    Bitmap source;
    source.Create(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            source.SetPixel(x, y, kRed);
    TestBitmap target(4, 4);
    Gdiplus::GpGraphics* graphics = nullptr;
    Flat().GdipGetImageGraphicsContext(target.Handle(), &graphics);
    Flat().GdipDrawImageRectRectI(graphics, static_cast<Gdiplus::GpImage*>(source.GetNativePointer()), 0, 0, 4, 4, 0,
                                  0, 4, 4, Gdiplus::UnitPixel,
                                  static_cast<Gdiplus::GpImageAttributes*>(attributes.GetNativePointer()), nullptr,
                                  nullptr);
    Flat().GdipDeleteGraphics(graphics);
    return target.Pixel(2, 2);
}

class GdiplusImageAttributes : public GdiplusTest {};

TEST_F(GdiplusImageAttributes, ColourMatrixScalesTheAlphaOfTheDrawnPicture)
{
    struct Case {
        float alpha;
        int expected;
    };
    for (const Case& c : {Case{1.0f, 255}, Case{0.5f, 128}, Case{0.25f, 64}, Case{0.0f, 0}}) {
        ImageAttributes attributes;
        ASSERT_TRUE(attributes.Create());
        EXPECT_TRUE(attributes.SetColorMatrix(ScaledIdentity(c.alpha), {}));
        const std::uint32_t pixel = DrawRedThrough(attributes);
        EXPECT_LE(std::abs(static_cast<int>(pixel >> 24) - c.expected), 1) << c.alpha << ": " << std::hex << pixel;
        if (c.expected != 0) {
            EXPECT_EQ(pixel & 0xFFFFFF, 0xFF0000u) << c.alpha;
        }
    }
}

TEST_F(GdiplusImageAttributes, EachAdjustmentShowsAndItsClearUndoesIt)
{
    struct Case {
        const char* name;
        std::function<void(ImageAttributes&)> set, clear;
        std::uint32_t adjusted;
    };
    const Case cases[] = {
        {"colour matrix", [](ImageAttributes& a) { a.SetColorMatrix(ScaledIdentity(0.0f), {}); },
         [](ImageAttributes& a) { a.ClearColorMatrix(); }, 0},
        {"colour key", [](ImageAttributes& a) { a.SetColorKey(0xFFFE0000, 0xFFFF0101); },
         [](ImageAttributes& a) { a.ClearColorKey(); }, 0},
        {"remap table", [](ImageAttributes& a) { a.SetRemapTable({{kRed, kBlue}}); },
         [](ImageAttributes& a) { a.ClearRemapTable(); }, kBlue},
        {"reset", [](ImageAttributes& a) { a.SetRemapTable({{kRed, kBlue}}); },
         [](ImageAttributes& a) { a.Reset(); }, kBlue},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ImageAttributes attributes;
        ASSERT_TRUE(attributes.Create());
        LastStatus = -1;
        c.set(attributes);
        EXPECT_EQ(LastStatus, 0);
        EXPECT_EQ(DrawRedThrough(attributes), c.adjusted);
        LastStatus = -1;
        c.clear(attributes);
        EXPECT_EQ(LastStatus, 0);
        EXPECT_EQ(DrawRedThrough(attributes), kRed);
    }
}

TEST_F(GdiplusImageAttributes, CloneCarriesTheAdjustments)
{
    ImageAttributes attributes, copy;
    ASSERT_TRUE(attributes.Create());
    attributes.SetRemapTable({{kRed, kBlue}});
    EXPECT_TRUE(attributes.Clone(copy));
    ASSERT_NE(copy.GetNativePointer(), nullptr);
    EXPECT_NE(copy.GetNativePointer(), attributes.GetNativePointer());
    EXPECT_EQ(DrawRedThrough(copy), kBlue);
}

TEST_F(GdiplusImageAttributes, AdjustedPaletteIsWrittenBackIntoTheRecord)
{
    ImageAttributes attributes;
    ASSERT_TRUE(attributes.Create());
    attributes.SetRemapTable({{kRed, kBlue}});
    PaletteRecord palette{0, 2, {kRed, 0xFF00FF00}};
    EXPECT_TRUE(attributes.GetAdjustedPalette(palette, Gdiplus::ColorAdjustTypeBitmap));
    EXPECT_EQ(palette.count, 2u);
    EXPECT_EQ(palette.entries, (std::vector<std::uint32_t>{kBlue, 0xFF00FF00}));

    RecordCalls rec({"GdipGetImageAttributesAdjustedPalette"});
    attributes.GetAdjustedPalette(palette);  // the type omitted is the default category, 0
    ASSERT_EQ(rec.Calls().size(), 1u);
    EXPECT_EQ(rec.Calls()[0].args[2], "0");
}

TEST_F(GdiplusImageAttributes, DeleteAlwaysCallsGdiplusEvenWhenEmpty)
{
    RecordCalls rec({"GdipDisposeImageAttributes"});
    {
        ImageAttributes attributes;
        ASSERT_TRUE(attributes.Create());
        EXPECT_TRUE(attributes.Delete());
        EXPECT_EQ(attributes.GetNativePointer(), nullptr);
        EXPECT_FALSE(attributes.Delete());
        EXPECT_EQ(LastStatus, Gdiplus::InvalidParameter);
        LastStatus = 0;
    }  // the destructor deletes once more
    EXPECT_EQ(LastStatus, Gdiplus::InvalidParameter);
    ASSERT_EQ(rec.Calls().size(), 3u);
    EXPECT_EQ(rec.Calls()[1].args[0], "null");
    EXPECT_EQ(rec.Calls()[2].args[0], "null");
}

// Several adjustments answer NotImplemented under Wine, and no pixel shows which flag or default
// went to GDI+: the calls are checked as recorded (everything after the handle).
TEST_F(GdiplusImageAttributes, SetPassesEnableOneAndClearEnableZeroWithTheDefaultType)
{
    struct Case {
        std::function<bool(ImageAttributes&)> call;
        const char* function;
        std::vector<std::string> arguments;
    };
    const Case cases[] = {
        {[](ImageAttributes& a) { return a.SetToIdentity(); }, "GdipSetImageAttributesToIdentity", {"0"}},
        {[](ImageAttributes& a) { return a.Reset(2); }, "GdipResetImageAttributes", {"2"}},
        {[](ImageAttributes& a) { return a.SetThreshold(0.5f); }, "GdipSetImageAttributesThreshold", {"0", "1", "0.5"}},
        {[](ImageAttributes& a) { return a.ClearThreshold(1); }, "GdipSetImageAttributesThreshold", {"1", "0", "0"}},
        {[](ImageAttributes& a) { return a.SetNoOp(); }, "GdipSetImageAttributesNoOp", {"0", "1"}},
        {[](ImageAttributes& a) { return a.ClearNoOp(4); }, "GdipSetImageAttributesNoOp", {"4", "0"}},
        {[](ImageAttributes& a) { return a.SetGamma(2.2f, 1); }, "GdipSetImageAttributesGamma", {"1", "1", "2.2"}},
        {[](ImageAttributes& a) { return a.ClearGamma(); }, "GdipSetImageAttributesGamma", {"0", "0", "0"}},
        {[](ImageAttributes& a) { return a.SetColorKey(1, 2); }, "GdipSetImageAttributesColorKeys",
         {"0", "1", "1", "2"}},
        {[](ImageAttributes& a) { return a.ClearColorKey(3); }, "GdipSetImageAttributesColorKeys",
         {"3", "0", "0", "0"}},
        {[](ImageAttributes& a) { return a.SetOutputChannel(2); }, "GdipSetImageAttributesOutputChannel",
         {"0", "1", "2"}},
        {[](ImageAttributes& a) { return a.ClearOutputChannel(1); }, "GdipSetImageAttributesOutputChannel",
         {"1", "0", "0"}},
        {[](ImageAttributes& a) { return a.ClearRemapTable(); }, "GdipSetImageAttributesRemapTable",
         {"0", "0", "0", "null"}},
        {[](ImageAttributes& a) { return a.SetRemapTable({}); }, "GdipSetImageAttributesRemapTable",
         {"0", "1", "0", "null"}},
        {[](ImageAttributes& a) { return a.SetWrapMode(Gdiplus::WrapModeTileFlipX); },
         "GdipSetImageAttributesWrapMode", {"1", "0", "0"}},
        {[](ImageAttributes& a) { return a.SetWrapMode(Gdiplus::WrapModeClamp, 0xFF00FF00); },
         "GdipSetImageAttributesWrapMode", {"4", "4278255360", "0"}},
        {[](ImageAttributes& a) { return a.ClearColorMatrix(); }, "GdipSetImageAttributesColorMatrix",
         {"0", "0", "null", "null", "0"}},
    };
    for (const Case& c : cases) {
        ImageAttributes attributes;
        ASSERT_TRUE(attributes.Create());
        RecordCalls rec({c.function});
        c.call(attributes);
        ASSERT_EQ(rec.Calls().size(), 1u) << c.function;
        const RecordedCall& call = rec.Calls()[0];
        EXPECT_EQ(call.args[0], FormatPointer(attributes.GetNativePointer()));
        EXPECT_EQ(std::vector<std::string>(call.args.begin() + 1, call.args.end()), c.arguments) << call.ToString();
    }
}

TEST_F(GdiplusImageAttributes, MatricesAndProfileNamesArePassedAsGdiplusReadsThem)
{
    static Gdiplus::ColorMatrix colour{}, grey{};
    static bool greyGiven = false;
    static std::wstring profile;
    static BOOL enabled = -1;
    struct Fake {
        static Gdiplus::GpStatus WINAPI Matrix(Gdiplus::GpImageAttributes*, Gdiplus::ColorAdjustType, BOOL,
                                               const Gdiplus::ColorMatrix* c, const Gdiplus::ColorMatrix* g,
                                               Gdiplus::ColorMatrixFlags)
        {
            colour = *c;
            greyGiven = g != nullptr;
            if (g != nullptr)
                grey = *g;
            return Gdiplus::Ok;
        }
        static Gdiplus::GpStatus WINAPI Profile(Gdiplus::GpImageAttributes*, Gdiplus::ColorAdjustType, BOOL enable,
                                                const WCHAR* name)
        {
            enabled = enable;
            profile = name != nullptr ? name : L"(null)";
            return Gdiplus::Ok;
        }
    };
    ImageAttributes attributes;
    ASSERT_TRUE(attributes.Create());
    ReplaceCall matrix("GdipSetImageAttributesColorMatrix", &Fake::Matrix);
    ReplaceCall profileCall("GdipSetImageAttributesOutputChannelColorProfile", &Fake::Profile);

    std::vector<float> values(25);
    for (int i = 0; i < 25; ++i)
        values[i] = static_cast<float>(i);
    EXPECT_TRUE(attributes.SetColorMatrix(values, {}));
    EXPECT_EQ(colour.m[1][3], 8.0f);  // row by row
    EXPECT_EQ(colour.m[4][4], 24.0f);
    EXPECT_FALSE(greyGiven);
    EXPECT_TRUE(attributes.SetColorMatrix(values, ScaledIdentity(0.5f), Gdiplus::ColorMatrixFlagsAltGray));
    ASSERT_TRUE(greyGiven);
    EXPECT_EQ(grey.m[3][3], 0.5f);

    EXPECT_TRUE(attributes.SetOutputChannelColorProfile("profile.icc"));
    EXPECT_EQ(enabled, TRUE);
    EXPECT_EQ(profile, L"profile.icc");
    EXPECT_TRUE(attributes.ClearOutputChannelColorProfile());
    EXPECT_EQ(enabled, FALSE);
    EXPECT_EQ(profile, L"");  // an empty text, not a missing one
}

}  // namespace
