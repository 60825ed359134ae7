#include "gdiplus/flat_api_recorder.h"
#include "gdiplus/gdiplus_object.h"
#include "gdiplus/image_codecs.h"
#include "gdiplus/support/gdiplus_test_support.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const char kPngFormat[] = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";
const char kNullGuid[] = "{00000000-0000-0000-0000-000000000000}";

const CodecInfoRecord* FindByMime(const std::vector<CodecInfoRecord>& encoders, const std::string& mime)
{
    for (const CodecInfoRecord& encoder : encoders)
        if (encoder.mimeType == mime)
            return &encoder;
    return nullptr;
}

TEST(GdiplusImageCodecs, EncoderListDescribesThePngEncoder)
{
    EnsureGdiplusStarted();
    std::vector<CodecInfoRecord> encoders(1);
    UINT count = GetImageEncoderList(encoders);
    EXPECT_EQ(LastStatus, 0);
    ASSERT_EQ(encoders.size(), count);
    const CodecInfoRecord* png = FindByMime(encoders, "image/png");
    ASSERT_NE(png, nullptr);
    EXPECT_EQ(png->formatId, kPngFormat);
    EXPECT_EQ(png->clsid.size(), 38u);
    EXPECT_NE(png->clsid, kNullGuid);
    EXPECT_NE(png->filenameExtension.find("PNG"), std::string::npos);
    EXPECT_FALSE(png->codecName.empty());
    ASSERT_GT(png->signatureCount * png->signatureSize, 0u);
    EXPECT_EQ(png->signaturePatterns.size(), png->signatureCount * png->signatureSize);
    EXPECT_EQ(png->signatureMasks.size(), png->signatureCount * png->signatureSize);
    EXPECT_EQ(png->signaturePatterns.data()[1], 'P');  // the file signature \x89PNG
}

TEST(GdiplusImageCodecs, FindEncoderClsidMatchesTheFormatTextExactly)
{
    EnsureGdiplusStarted();
    std::vector<CodecInfoRecord> encoders;
    GetImageEncoderList(encoders);
    const CodecInfoRecord* png = FindByMime(encoders, "image/png");
    ASSERT_NE(png, nullptr);
    struct Case {
        std::string format;
        std::string clsid;
    };
    for (const Case& c : {Case{kPngFormat, png->clsid}, Case{"{b96b3caf-0728-11d3-9d7b-0000f81ef32e}", ""},
                          Case{"png", ""}, Case{"", ""}})
        EXPECT_EQ(FindEncoderClsid(c.format), c.clsid) << c.format;
}

TEST(GdiplusImageCodecs, AFailedEncoderCountLeavesTheListAlone)
{
    struct Fake {
        static Gdiplus::GpStatus WINAPI EncodersSize(UINT*, UINT*) { return Gdiplus::OutOfMemory; }
    };
    ReplaceCall fake("GdipGetImageEncodersSize", &Fake::EncodersSize);
    std::vector<CodecInfoRecord> encoders(2);
    encoders[0].mimeType = "kept";
    EXPECT_EQ(GetImageEncoderList(encoders), 0u);
    EXPECT_EQ(LastStatus, Gdiplus::OutOfMemory);
    ASSERT_EQ(encoders.size(), 2u);
    EXPECT_EQ(encoders[0].mimeType, "kept");
    EXPECT_EQ(FindEncoderClsid(kPngFormat), "");
    LastStatus = 0;
}

TEST(GdiplusImageCodecs, GuidTextRoundTrips)
{
    struct Case {
        GUID guid;
        const char* text;
    };
    const Case cases[] = {
        {GUID{0xB96B3CAF, 0x0728, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}}, kPngFormat},
        {GUID{0x01234567, 0x89AB, 0xCDEF, {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF}},
         "{01234567-89AB-CDEF-0123-456789ABCDEF}"},
        {GUID{}, kNullGuid},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GuidToText(c.guid), c.text);
        const GUID back = TextToGuid(c.text);
        EXPECT_EQ(std::memcmp(&back, &c.guid, sizeof back), 0) << c.text;
    }
    const GUID lower = TextToGuid("{01234567-89ab-cdef-0123-456789abcdef}");
    EXPECT_EQ(GuidToText(lower), "{01234567-89AB-CDEF-0123-456789ABCDEF}");
}

TEST(GdiplusImageCodecs, TextThatIsNoGuidGivesTheNullGuid)
{
    for (const char* text : {"", "png", "{01234567-89AB-CDEF-0123}", "01234567-89AB-CDEF-0123-456789ABCDEF"}) {
        const GUID guid = TextToGuid(text);
        EXPECT_EQ(GuidToText(guid), kNullGuid) << text;
    }
}

TEST(GdiplusImageCodecs, ParameterBlockIsCountThenTwentyEightBytesPerParameter)
{
    EncoderParameterList list;
    list.count = 2;
    const std::uint32_t quality = 75;
    list.parameters.push_back({"{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}", 1, 4, ByteBuffer(&quality, 4)});
    list.parameters.push_back({"not a guid", 3, 1, ByteBuffer("xyz", 3)});
    EncoderParameterBlock block(&list);
    const Gdiplus::EncoderParameters* native = block.Get();
    ASSERT_NE(native, nullptr);
    EXPECT_EQ(native->Count, 2u);
    EXPECT_EQ(GuidToText(native->Parameter[0].Guid), list.parameters[0].category);
    EXPECT_EQ(native->Parameter[0].NumberOfValues, 1u);
    EXPECT_EQ(native->Parameter[0].Type, 4u);
    EXPECT_EQ(native->Parameter[0].Value, list.parameters[0].value.data());
    EXPECT_EQ(GuidToText(native->Parameter[1].Guid), kNullGuid);
    EXPECT_EQ(native->Parameter[1].NumberOfValues, 3u);
    EXPECT_EQ(native->Parameter[1].Value, list.parameters[1].value.data());
    EXPECT_EQ(EncoderParameterBlock(nullptr).Get(), nullptr);
}

}  // namespace
