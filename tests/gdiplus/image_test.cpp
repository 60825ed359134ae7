#include "gdiplus/bitmap.h"
#include "gdiplus/flat_api_recorder.h"
#include "gdiplus/image.h"
#include "gdiplus/image_codecs.h"
#include "gdiplus/support/gdiplus_test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>

namespace {

const char kPngFormat[] = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";
const char kNullGuid[] = "{00000000-0000-0000-0000-000000000000}";
const char kPageDimension[] = "{7462DC86-6180-4C7E-8E3F-EE7333A7A483}";

// A 3 x 2 RGBA PNG: red, green, blue / white at alpha 128, transparent, (10, 20, 30).
const std::uint8_t kPng3x2[] = {
    0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52,
    0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x02, 0x08, 0x06, 0x00, 0x00, 0x00, 0x9D, 0x74, 0x66,
    0x1A, 0x00, 0x00, 0x00, 0x1C, 0x49, 0x44, 0x41, 0x54, 0x78, 0xDA, 0x63, 0xF8, 0xCF, 0xC0, 0xF0,
    0x1F, 0x0C, 0x19, 0xFE, 0x03, 0xC9, 0xFF, 0xFF, 0x1B, 0x18, 0x80, 0x80, 0x4B, 0x44, 0xEE, 0x3F,
    0x00, 0x98, 0xA6, 0x0A, 0xB3, 0x9A, 0x19, 0x5E, 0x2F, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E,
    0x44, 0xAE, 0x42, 0x60, 0x82};

ByteBuffer Png3x2()
{
    return ByteBuffer(kPng3x2, sizeof kPng3x2);
}

// An icon file with one 32-bit image of width x height, all pixels opaque grey.
ByteBuffer TinyIcon(std::uint8_t width, std::uint8_t height)
{
    std::vector<std::uint8_t> bytes;
    auto put16 = [&](std::uint16_t v) { bytes.insert(bytes.end(), {std::uint8_t(v), std::uint8_t(v >> 8)}); };
    auto put32 = [&](std::uint32_t v) { put16(std::uint16_t(v)); put16(std::uint16_t(v >> 16)); };
    const std::uint32_t maskStride = (width + 31u) / 32u * 4u;
    const std::uint32_t imageSize = 40 + width * height * 4u + maskStride * height;
    put16(0), put16(1), put16(1);                                       // icon directory, one image
    bytes.insert(bytes.end(), {width, height, 0, 0}), put16(1), put16(32);  // entry
    put32(imageSize), put32(6 + 16);
    put32(40), put32(width), put32(height * 2u), put16(1), put16(32);  // BITMAPINFOHEADER
    for (int i = 0; i < 6; ++i)
        put32(0);
    for (int i = 0; i < width * height; ++i)
        put32(0xFF808080);
    bytes.insert(bytes.end(), maskStride * height, 0);
    return ByteBuffer(bytes);
}

// Gives tests a look at the stream an image keeps its source bytes in.
class ImageProbe : public Image {
public:
    IStream* SourceStream() const { return imageStream.GetStream(); }
};
// A bitmap keeps them in a stream of its own and leaves the image's unused.
class BitmapProbe : public Bitmap {
public:
    IStream* SourceStream() const { return imageStream.GetStream(); }
    IStream* BitmapSourceStream() const { return bitmapStream.GetStream(); }
};

// Image and Bitmap both load, each through its own functions.
struct Kind {
    const char* name;
    std::function<std::unique_ptr<Image>()> make;
    const char* loadFunction;
    const char* fileFunctions[2];  // without and with colour management
};
const Kind kKinds[] = {
    {"Image", [] { return std::make_unique<Image>(); }, "GdipLoadImageFromStream",
     {"GdipLoadImageFromFile", "GdipLoadImageFromFileICM"}},
    {"Bitmap", [] { return std::make_unique<Bitmap>(); }, "GdipCreateBitmapFromStream",
     {"GdipCreateBitmapFromFile", "GdipCreateBitmapFromFileICM"}},
};

class GdiplusImage : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureGdiplusStarted();
        ASSERT_TRUE(png.LoadFromBytes(Png3x2()));
        LastStatus = 0;
    }
    void TearDown() override { LastStatus = 0; }

    Image png;  // the 3 x 2 PNG, decoded
};

TEST_F(GdiplusImage, LoadFromBytesGivesThePicturesSize)
{
    struct Case {
        const char* name;
        ByteBuffer bytes;
        UINT width, height;
    };
    const Case cases[] = {{"png", Png3x2(), 3, 2}, {"ico", TinyIcon(5, 4), 5, 4}};
    for (const Kind& kind : kKinds) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(kind.name) + " " + c.name);
            std::unique_ptr<Image> image = kind.make();
            RecordCalls rec({kind.loadFunction});
            EXPECT_TRUE(image->LoadFromBytes(c.bytes));
            EXPECT_EQ(rec.Calls().size(), 1u);
            EXPECT_EQ(LastStatus, 0);
            EXPECT_NE(image->GetNativePointer(), nullptr);
            EXPECT_EQ(image->GetWidth(), c.width);
            EXPECT_EQ(image->GetHeight(), c.height);
            EXPECT_TRUE(image->Delete());
        }
    }
}

TEST_F(GdiplusImage, DecodedPngHasItsPixels)
{
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.LoadFromBytes(Png3x2()));
    EXPECT_EQ(bitmap.GetPixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(bitmap.GetPixel(2, 0), 0xFF0000FFu);
    EXPECT_EQ(bitmap.GetPixel(0, 1) >> 24, 128u);
    EXPECT_EQ(bitmap.GetPixel(2, 1), 0xFF0A141Eu);
}

TEST_F(GdiplusImage, ColourManagementChoosesTheIcmDecoder)
{
    struct Case {
        BOOL colorManagement;
        const char* image;
        const char* bitmap;
    };
    for (const Case& c : {Case{FALSE, "GdipLoadImageFromStream", "GdipCreateBitmapFromStream"},
                          Case{TRUE, "GdipLoadImageFromStreamICM", "GdipCreateBitmapFromStreamICM"}}) {
        RecordCalls rec({"GdipLoadImageFromStream", "GdipLoadImageFromStreamICM", "GdipCreateBitmapFromStream",
                         "GdipCreateBitmapFromStreamICM"});
        Image image;
        Bitmap bitmap;
        EXPECT_TRUE(image.LoadFromBytes(Png3x2(), c.colorManagement));
        EXPECT_TRUE(bitmap.LoadFromBytes(Png3x2(), c.colorManagement));
        ASSERT_EQ(rec.Calls().size(), 2u);
        EXPECT_EQ(rec.Calls()[0].name, c.image);
        EXPECT_EQ(rec.Calls()[1].name, c.bitmap);
    }
}

TEST_F(GdiplusImage, BytesThatAreNoImageLeaveTheWrapperEmpty)
{
    const std::uint8_t garbage[] = {'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e', 0, 1, 2, 3};
    for (const Kind& kind : kKinds) {
        for (const ByteBuffer& bytes : {ByteBuffer(garbage, sizeof garbage), ByteBuffer()}) {
            SCOPED_TRACE(std::string(kind.name) + " of " + std::to_string(bytes.size()) + " bytes");
            std::unique_ptr<Image> image = kind.make();
            LastStatus = 0;
            EXPECT_FALSE(image->LoadFromBytes(bytes));
            EXPECT_NE(LastStatus, 0);  // Wine and Windows differ in which status
            EXPECT_EQ(image->GetNativePointer(), nullptr);
            EXPECT_EQ(image->GetWidth(), 0u);
        }
    }
}

TEST_F(GdiplusImage, SecondDeleteReturnsFalseAndCallsNothing)
{
    for (const Kind& kind : kKinds) {
        SCOPED_TRACE(kind.name);
        RecordCalls rec({"GdipDisposeImage"});
        {
            std::unique_ptr<Image> image = kind.make();
            ASSERT_TRUE(image->LoadFromBytes(Png3x2()));
            void* native = image->GetNativePointer();
            EXPECT_TRUE(image->Delete());
            EXPECT_EQ(image->GetNativePointer(), nullptr);
            LastStatus = 55;
            EXPECT_FALSE(image->Delete());
            EXPECT_EQ(LastStatus, 55);
            ASSERT_EQ(rec.Calls().size(), 1u);
            EXPECT_EQ(rec.Calls()[0].args[0], FormatPointer(native));
        }  // nor does the destructor of a deleted wrapper
        EXPECT_EQ(rec.Calls().size(), 1u);
    }
}

TEST_F(GdiplusImage, TheSourceStreamLivesUntilDelete)
{
    ImageProbe image;
    ASSERT_TRUE(image.LoadFromBytes(Png3x2()));
    EXPECT_NE(image.SourceStream(), nullptr);
    EXPECT_EQ(image.GetPixelFormat(), PixelFormat32bppARGB);  // GDI+ still reads the stream
    EXPECT_TRUE(image.Delete());
    EXPECT_EQ(image.SourceStream(), nullptr);

    BitmapProbe bitmap;
    ASSERT_TRUE(bitmap.LoadFromBytes(Png3x2()));
    EXPECT_EQ(bitmap.SourceStream(), nullptr);
    EXPECT_NE(bitmap.BitmapSourceStream(), nullptr);
    EXPECT_EQ(bitmap.GetPixel(2, 1), 0xFF0A141Eu);  // GDI+ still reads the stream
    EXPECT_TRUE(bitmap.Delete());
    EXPECT_EQ(bitmap.BitmapSourceStream(), nullptr);
}

TEST_F(GdiplusImage, DestructorDisposesALoadedImage)
{
    RecordCalls rec({"GdipDisposeImage"});
    std::string native;
    {
        Bitmap bitmap;
        ASSERT_TRUE(bitmap.LoadFromBytes(Png3x2()));
        native = FormatPointer(bitmap.GetNativePointer());
    }
    ASSERT_EQ(rec.Calls().size(), 1u);
    EXPECT_EQ(rec.Calls()[0].args[0], native);
}

TEST_F(GdiplusImage, RawFormatIsTheGuidTextOfTheDecodedFormat)
{
    Image empty;
    EXPECT_EQ(empty.GetRawFormat(), kNullGuid);
    EXPECT_NE(LastStatus, 0);
    EXPECT_EQ(png.GetRawFormat(), kPngFormat);
}

TEST_F(GdiplusImage, SaveToBytesEncodesWithTheEncoderOfTheFormatText)
{
    struct Case {
        std::optional<std::string> format;
        bool encodes;
    };
    for (const Case& c : {Case{std::nullopt, true}, Case{std::string(kPngFormat), true},
                          Case{std::string("{b96b3caf-0728-11d3-9d7b-0000f81ef32e}"), false}}) {
        SCOPED_TRACE(c.format.value_or("omitted"));
        LastStatus = 0;
        ByteBuffer bytes = png.SaveToBytes(c.format);
        if (!c.encodes) {
            EXPECT_NE(LastStatus, 0);
            EXPECT_TRUE(bytes.empty());
            continue;
        }
        EXPECT_EQ(LastStatus, 0);
        ASSERT_GT(bytes.size(), 8u);
        EXPECT_EQ(std::memcmp(bytes.data(), kPng3x2, 8), 0);  // the PNG signature
        Bitmap back;
        ASSERT_TRUE(back.LoadFromBytes(bytes));
        EXPECT_EQ(back.GetWidth(), 3u);
        EXPECT_EQ(back.GetHeight(), 2u);
        EXPECT_EQ(back.GetPixel(1, 0), 0xFF00FF00u);
        EXPECT_EQ(back.GetPixel(2, 1), 0xFF0A141Eu);
    }
}

TEST_F(GdiplusImage, SaveToFileWritesAFileThatLoadsBack)
{
    char directory[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, directory);
    const std::string path = std::string(directory) + "gdiplus_image_test.png";
    EXPECT_TRUE(png.SaveToFile(path));
    for (const Kind& kind : kKinds) {
        for (BOOL colorManagement : {FALSE, TRUE}) {
            SCOPED_TRACE(std::string(kind.name) + (colorManagement ? " ICM" : ""));
            RecordCalls rec({"GdipLoadImageFromFile", "GdipLoadImageFromFileICM", "GdipCreateBitmapFromFile",
                             "GdipCreateBitmapFromFileICM"});
            std::unique_ptr<Image> loaded = kind.make();
            EXPECT_TRUE(loaded->LoadFromFile(path, colorManagement));
            ASSERT_EQ(rec.Calls().size(), 1u);
            EXPECT_EQ(rec.Calls()[0].name, kind.fileFunctions[colorManagement]);
            EXPECT_EQ(loaded->GetWidth(), 3u);
            EXPECT_EQ(loaded->GetRawFormat(), kPngFormat);
        }
    }
    EXPECT_FALSE(png.SaveToFile(path, std::string("png")));  // no encoder for that format
    EXPECT_NE(LastStatus, 0);
    DeleteFileA(path.c_str());
}

TEST_F(GdiplusImage, CloneAndThumbnailHandTheirImageToTheTarget)
{
    Image copy, thumbnail;
    EXPECT_TRUE(png.Clone(copy));
    EXPECT_TRUE(png.GetThumbnailImage(6, 4, thumbnail));
    ASSERT_NE(copy.GetNativePointer(), nullptr);
    EXPECT_NE(copy.GetNativePointer(), png.GetNativePointer());
    EXPECT_EQ(copy.GetWidth(), 3u);
    EXPECT_EQ(thumbnail.GetWidth(), 6u);
    EXPECT_EQ(thumbnail.GetHeight(), 4u);

    Image empty, target;
    EXPECT_FALSE(empty.Clone(target));
    EXPECT_EQ(LastStatus, Gdiplus::InvalidParameter);
    EXPECT_EQ(target.GetNativePointer(), nullptr);
}

TEST_F(GdiplusImage, BoundsAreARecordAndTheUnitGoesToTheCallersVariable)
{
    INT unit = 99;
    RectF bounds = png.GetBounds(unit);
    EXPECT_EQ(unit, Gdiplus::UnitPixel);
    EXPECT_EQ(bounds.x, 0.0f);
    EXPECT_EQ(bounds.width, 3.0f);
    EXPECT_EQ(bounds.height, 2.0f);
    SizeF size = png.GetPhysicalDimension();
    EXPECT_GT(size.width, 0.0f);
    EXPECT_GT(size.height, 0.0f);
    EXPECT_GT(png.GetHorizontalResolution(), 0.0f);

    Image empty;
    unit = 99;
    bounds = empty.GetBounds(unit);
    EXPECT_EQ(unit, 99);
    EXPECT_EQ(bounds.width, 0.0f);
    EXPECT_NE(LastStatus, 0);
}

TEST_F(GdiplusImage, FramesOfASinglePicture)
{
    std::vector<std::string> dimensions{"old", "old"};
    EXPECT_TRUE(png.GetFrameDimensionsList(dimensions));
    EXPECT_EQ(dimensions, std::vector<std::string>{kPageDimension});
    EXPECT_EQ(png.GetFrameCount(kPageDimension), 1u);
    EXPECT_TRUE(png.SelectActiveFrame(kPageDimension, 0));
    std::vector<std::uint32_t> delays{7};
    EXPECT_FALSE(png.GetFrameDelays(delays));  // no frame-delay property
    EXPECT_EQ(delays, std::vector<std::uint32_t>{7});

    Image empty;
    EXPECT_FALSE(empty.GetFrameDimensionsList(dimensions));  // GDI+ cannot count them
    EXPECT_NE(LastStatus, 0);
    EXPECT_EQ(dimensions, std::vector<std::string>{kPageDimension});
}

TEST_F(GdiplusImage, RotateFlipTurnsThePicture)
{
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.LoadFromBytes(Png3x2()));
    EXPECT_TRUE(bitmap.RotateFlip(Gdiplus::Rotate90FlipNone));
    EXPECT_EQ(bitmap.GetWidth(), 2u);
    EXPECT_EQ(bitmap.GetHeight(), 3u);
    EXPECT_EQ(bitmap.GetPixel(1, 0), 0xFFFF0000u);  // the top-left corner went to the top right
}

TEST_F(GdiplusImage, PaletteGoesInAndComesBack)
{
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.Create(4, 4, PixelFormat8bppIndexed));
    PaletteRecord palette{0, 2, {0xFF112233, 0xFF445566}};
    EXPECT_TRUE(bitmap.SetPalette(palette));
    EXPECT_EQ(palette.count, 2u);
    EXPECT_EQ(palette.entries, (std::vector<std::uint32_t>{0xFF112233, 0xFF445566}));
    PaletteRecord read;
    EXPECT_TRUE(bitmap.GetPalette(read));
    EXPECT_EQ(read.count, 2u);
    EXPECT_EQ(read.entries, (std::vector<std::uint32_t>{0xFF112233, 0xFF445566}));
    EXPECT_EQ(bitmap.GetPixel(0, 0), 0xFF112233u);

    Image empty;
    PaletteRecord untouched{1, 1, {5}};
    EXPECT_FALSE(empty.GetPalette(untouched));
    EXPECT_EQ(untouched.entries, std::vector<std::uint32_t>{5});
}

// GDI+ under Wine keeps no properties of its own for a PNG like ours and ignores
// GdipSetPropertyItem, so the property side is checked with GDI+'s answers replaced.
struct FakeProperties {
    static inline PROPID asked = 0;
    static Gdiplus::GpStatus WINAPI Count(Gdiplus::GpImage*, UINT* count)
    {
        *count = 3;
        return Gdiplus::Ok;
    }
    static Gdiplus::GpStatus WINAPI FailedCount(Gdiplus::GpImage*, UINT*) { return Gdiplus::GenericError; }
    static Gdiplus::GpStatus WINAPI IdList(Gdiplus::GpImage*, UINT count, PROPID* ids)
    {
        for (UINT i = 0; i < count; ++i)
            ids[i] = 0x100 + i;
        return Gdiplus::Ok;
    }
    static Gdiplus::GpStatus WINAPI ItemSize(Gdiplus::GpImage*, PROPID id, UINT* size)
    {
        asked = id;
        *size = 16 + 8;
        return Gdiplus::Ok;
    }
    static Gdiplus::GpStatus WINAPI Item(Gdiplus::GpImage*, PROPID id, UINT size, Gdiplus::PropertyItem* item)
    {
        if (size != 24)
            return Gdiplus::InvalidParameter;
        const std::uint32_t delays[2] = {10, 250};
        item->id = id;
        item->length = 8;
        item->type = PropertyTagTypeLong;
        item->value = item + 1;
        std::memcpy(item + 1, delays, sizeof delays);
        return Gdiplus::Ok;
    }
};

TEST_F(GdiplusImage, PropertyIdListReturnsTheCount)
{
    std::vector<PROPID> ids{9};
    {
        ReplaceCall count("GdipGetPropertyCount", &FakeProperties::Count);
        ReplaceCall list("GdipGetPropertyIdList", &FakeProperties::IdList);
        EXPECT_EQ(png.GetPropertyIdList(ids), 3u);
        EXPECT_EQ(ids, (std::vector<PROPID>{0x100, 0x101, 0x102}));
    }
    {
        ReplaceCall count("GdipGetPropertyCount", &FakeProperties::FailedCount);
        EXPECT_EQ(png.GetPropertyIdList(ids), 0u);
        EXPECT_EQ(LastStatus, Gdiplus::GenericError);
        EXPECT_EQ(ids.size(), 3u);
    }
    EXPECT_EQ(png.GetPropertyIdList(ids), 0u);  // the real answer for this PNG
    EXPECT_TRUE(ids.empty());
}

TEST_F(GdiplusImage, PropertyItemAndFrameDelaysReadTheValueAfterTheItemHeader)
{
    ReplaceCall size("GdipGetPropertyItemSize", &FakeProperties::ItemSize);
    ReplaceCall item("GdipGetPropertyItem", &FakeProperties::Item);
    PropertyItemRecord record;
    EXPECT_TRUE(png.GetPropertyItem(0x5100, record));
    EXPECT_EQ(record.id, 0x5100u);
    EXPECT_EQ(record.length, 8u);
    EXPECT_EQ(record.type & 0xFFFF, static_cast<std::uint32_t>(PropertyTagTypeLong));
    ASSERT_EQ(record.value.size(), 8u);
    EXPECT_EQ(record.value.data()[4], 250);

    FakeProperties::asked = 0;
    std::vector<std::uint32_t> delays;
    EXPECT_TRUE(png.GetFrameDelays(delays));
    EXPECT_EQ(FakeProperties::asked, 0x5100u);
    EXPECT_EQ(delays, (std::vector<std::uint32_t>{10, 250}));
}

TEST_F(GdiplusImage, SetPropertyItemPassesTheValueBytesByAddress)
{
    static PropertyItemRecord seen;
    struct Fake {
        static Gdiplus::GpStatus WINAPI Set(Gdiplus::GpImage*, const Gdiplus::PropertyItem* item)
        {
            seen.id = item->id;
            seen.length = item->length;
            seen.type = item->type;
            seen.value = ByteBuffer(item->value, item->length);
            return Gdiplus::Ok;
        }
    };
    ReplaceCall set("GdipSetPropertyItem", &Fake::Set);
    const PropertyItemRecord record{0x010E, 4, PropertyTagTypeASCII, ByteBuffer("abc", 4)};
    EXPECT_TRUE(png.SetPropertyItem(record));
    EXPECT_EQ(seen.id, 0x010Eu);
    EXPECT_EQ(seen.type, static_cast<std::uint32_t>(PropertyTagTypeASCII));
    EXPECT_EQ(seen.value, record.value);
}

// GdipGetEncoderParameterList aborts under Wine and its size query answers NotImplemented: the
// reading of GDI+'s block is checked with both replaced.
struct FakeEncoderParameters {
    static inline std::string clsid;
    static inline const std::uint32_t quality[1] = {90};
    static inline const std::uint16_t shorts[2] = {7, 8};
    static Gdiplus::GpStatus WINAPI Size(Gdiplus::GpImage*, const CLSID* encoder, UINT* size)
    {
        clsid = GuidToText(*encoder);
        *size = 4 + 3 * 28;
        return Gdiplus::Ok;
    }
    static Gdiplus::GpStatus WINAPI List(Gdiplus::GpImage*, const CLSID*, UINT size, Gdiplus::EncoderParameters* out)
    {
        if (size != 4 + 3 * 28)
            return Gdiplus::InvalidParameter;
        auto* bytes = reinterpret_cast<std::uint8_t*>(out);
        const std::uint32_t count = 3;
        std::memcpy(bytes, &count, 4);
        struct Entry {
            GUID guid;
            std::uint32_t values, type;
            const void* value;
        };
        const Entry entries[3] = {
            {TextToGuid("{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}"), 1, 4, quality},
            {TextToGuid("{E09D739D-CCD4-44EE-8EBA-3FBF8BE4FC58}"), 2, 3, shorts},
            {GUID{}, 5, 99, nullptr},
        };
        std::memcpy(bytes + 4, entries, sizeof entries);
        return Gdiplus::Ok;
    }
    static Gdiplus::GpStatus WINAPI NotImplemented(Gdiplus::GpImage*, const CLSID*, UINT*)
    {
        return Gdiplus::NotImplemented;
    }
};

TEST_F(GdiplusImage, EncoderParameterListReadsGdiplusBlock)
{
    ReplaceCall size("GdipGetEncoderParameterListSize", &FakeEncoderParameters::Size);
    ReplaceCall list("GdipGetEncoderParameterList", &FakeEncoderParameters::List);
    EncoderParameterList parameters;
    EXPECT_TRUE(png.GetEncoderParameterList(kPngFormat, parameters));
    EXPECT_EQ(FakeEncoderParameters::clsid, FindEncoderClsid(kPngFormat));
    EXPECT_EQ(parameters.count, 3u);
    ASSERT_EQ(parameters.parameters.size(), 3u);
    EXPECT_EQ(parameters.parameters[0].category, "{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}");
    EXPECT_EQ(parameters.parameters[0].value, ByteBuffer(FakeEncoderParameters::quality, 4));
    EXPECT_EQ(parameters.parameters[1].numberOfValues, 2u);
    EXPECT_EQ(parameters.parameters[1].value, ByteBuffer(FakeEncoderParameters::shorts, 4));
    EXPECT_EQ(parameters.parameters[2].type, 99u);
    EXPECT_TRUE(parameters.parameters[2].value.empty());
}

TEST_F(GdiplusImage, EncoderParameterListFailsWhenTheSizeIsUnknown)
{
    ReplaceCall size("GdipGetEncoderParameterListSize", &FakeEncoderParameters::NotImplemented);
    RecordCalls rec({"GdipGetEncoderParameterList"});
    EncoderParameterList parameters{1, {EncoderParameterRecord{}}};
    EXPECT_FALSE(png.GetEncoderParameterList(kPngFormat, parameters));
    EXPECT_EQ(LastStatus, Gdiplus::NotImplemented);
    EXPECT_EQ(parameters.count, 1u);
    EXPECT_TRUE(rec.Calls().empty());
}

TEST_F(GdiplusImage, SaveMethodsPassTheParameterBlock)
{
    static std::uint32_t count = 0;
    static std::string category;
    static const void* value = nullptr;
    struct Fake {
        static void Take(const Gdiplus::EncoderParameters* parameters)
        {
            count = parameters != nullptr ? parameters->Count : 0xFFFFFFFF;
            category = parameters != nullptr ? GuidToText(parameters->Parameter[0].Guid) : "";
            value = parameters != nullptr ? parameters->Parameter[0].Value : nullptr;
        }
        static Gdiplus::GpStatus WINAPI ToStream(Gdiplus::GpImage*, IStream*, const CLSID*,
                                                 const Gdiplus::EncoderParameters* parameters)
        {
            Take(parameters);
            return Gdiplus::Ok;
        }
        static Gdiplus::GpStatus WINAPI Add(Gdiplus::GpImage*, const Gdiplus::EncoderParameters* parameters)
        {
            Take(parameters);
            return Gdiplus::Ok;
        }
    };
    const std::uint32_t flush = 20;  // EncoderValueFlush
    EncoderParameterList list{1, {{"{292266FC-AC40-47BF-8CFC-A85B89A655DE}", 1, 4, ByteBuffer(&flush, 4)}}};
    ReplaceCall toStream("GdipSaveImageToStream", &Fake::ToStream);
    ReplaceCall add("GdipSaveAdd", &Fake::Add);
    png.SaveToBytes(std::nullopt, &list);
    EXPECT_EQ(count, 1u);
    EXPECT_EQ(category, list.parameters[0].category);
    EXPECT_EQ(value, list.parameters[0].value.data());
    png.SaveToBytes();
    EXPECT_EQ(count, 0xFFFFFFFFu);  // no list, no block
    count = 0;
    EXPECT_TRUE(png.SaveAdd(list));
    EXPECT_EQ(count, 1u);
    EXPECT_EQ(category, list.parameters[0].category);
}

}  // namespace
