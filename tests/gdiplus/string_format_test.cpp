#include "brush_pen_testing.h"

#include "gdiplus/flat_api_recorder.h"
#include "gdiplus/string_format.h"

namespace {

class GdiplusStringFormat : public GdiplusWrapperTest {};

TEST_F(GdiplusStringFormat, CreateHandsFlagsAndLanguageToGdiplus)
{
    RecordCalls rec({"GdipCreateStringFormat"});
    StringFormat plain;
    StringFormat noWrap;
    ASSERT_TRUE(plain.Create());
    ASSERT_TRUE(noWrap.Create(Gdiplus::StringFormatFlagsNoWrap, 0x0804));
    ASSERT_EQ(rec.Calls().size(), 2u);
    EXPECT_EQ(rec.Calls()[0].args[0] + "," + rec.Calls()[0].args[1], "0,0");
    EXPECT_EQ(rec.Calls()[1].args[0] + "," + rec.Calls()[1].args[1], "4096,2052");
    EXPECT_EQ(plain.GetFormatFlags(), 0);
    EXPECT_EQ(noWrap.GetFormatFlags(), Gdiplus::StringFormatFlagsNoWrap);
}

TEST_F(GdiplusStringFormat, SettingsComeBackAsSet)
{
    struct Case {
        const char* name;
        bool (StringFormat::*set)(int);
        int (StringFormat::*get)() const;
        int value;
    };
    const Case cases[] = {
        {"flags", &StringFormat::SetFormatFlags, &StringFormat::GetFormatFlags, Gdiplus::StringFormatFlagsNoClip},
        {"alignment", &StringFormat::SetAlignment, &StringFormat::GetAlignment, Gdiplus::StringAlignmentFar},
        {"line alignment", &StringFormat::SetLineAlignment, &StringFormat::GetLineAlignment,
         Gdiplus::StringAlignmentCenter},
        {"trimming", &StringFormat::SetTrimming, &StringFormat::GetTrimming, Gdiplus::StringTrimmingEllipsisWord},
        {"hotkey prefix", &StringFormat::SetHotkeyPrefix, &StringFormat::GetHotkeyPrefix,
         Gdiplus::HotkeyPrefixShow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        StringFormat format;
        ASSERT_TRUE(format.Create());
        ASSERT_TRUE((format.*c.set)(c.value));
        EXPECT_EQ((format.*c.get)(), c.value);
    }
}

TEST_F(GdiplusStringFormat, GenericFormatsAndClones)
{
    StringFormat typographic;
    ASSERT_TRUE(typographic.GenericTypographic());
    StringFormat generic;
    ASSERT_TRUE(generic.GenericDefault());
    EXPECT_NE(typographic.GetFormatFlags(), generic.GetFormatFlags());

    StringFormat copy;
    ASSERT_TRUE(typographic.Clone(copy));
    EXPECT_NE(copy.GetNativePointer(), typographic.GetNativePointer());
    EXPECT_EQ(copy.GetFormatFlags(), typographic.GetFormatFlags());
}

TEST_F(GdiplusStringFormat, TabStopsComeBackWithTheirOffset)
{
    StringFormat format;
    ASSERT_TRUE(format.Create());
    float offset = -1;
    std::vector<float> stops{5, 6};
    EXPECT_EQ(format.GetTabStops(offset, stops), 0);
    EXPECT_TRUE(stops.empty()) << "no tab stops: the sequence is emptied";

    ASSERT_TRUE(format.SetTabStops(4.0f, {10, 20, 30}));
    EXPECT_EQ(format.GetTabStops(offset, stops), 3);
    EXPECT_EQ(offset, 4.0f);
    EXPECT_EQ(stops, (std::vector<float>{10, 20, 30}));
}

TEST_F(GdiplusStringFormat, FailedTabStopQueryLeavesTheSequenceAlone)
{
    StringFormat empty;
    float offset = 9;
    std::vector<float> stops{5, 6};
    EXPECT_EQ(empty.GetTabStops(offset, stops), 0);
    EXPECT_NE(LastStatus, 0);
    EXPECT_EQ(stops, (std::vector<float>{5, 6}));
    EXPECT_EQ(offset, 9);
}

TEST_F(GdiplusStringFormat, DigitSubstitutionWithAndWithoutLanguage)
{
    StringFormat format;
    ASSERT_TRUE(format.Create());
    RecordCalls rec({"GdipSetStringFormatDigitSubstitution", "GdipGetStringFormatDigitSubstitution"});
    ASSERT_TRUE(format.SetDigitSubstitution(Gdiplus::StringDigitSubstituteNational, 0x0409));
    int method = -1;
    int language = -1;
    ASSERT_TRUE(format.GetDigitSubstitution(method, &language));
    EXPECT_EQ(method, Gdiplus::StringDigitSubstituteNational);
    EXPECT_EQ(language, 0x0409);

    method = -1;
    ASSERT_TRUE(format.GetDigitSubstitution(method));
    EXPECT_EQ(method, Gdiplus::StringDigitSubstituteNational);

    ASSERT_EQ(rec.Calls().size(), 3u);
    EXPECT_EQ(rec.Calls()[0].args[1] + "," + rec.Calls()[0].args[2], "1033,2") << "language before method";
    EXPECT_NE(rec.Calls()[1].args[1], "null");
    EXPECT_EQ(rec.Calls()[2].args[1], "null") << "an omitted language is not asked for";
}

TEST_F(GdiplusStringFormat, MeasurableCharacterRangesAreCounted)
{
    StringFormat format;
    ASSERT_TRUE(format.Create());
    EXPECT_EQ(format.GetMeasurableCharacterRangeCount(), 0);
    ASSERT_TRUE(format.SetMeasurableCharacterRanges({{0, 2}, {3, 1}, {5, 4}}));
    EXPECT_EQ(format.GetMeasurableCharacterRangeCount(), 3);
}

}  // namespace
