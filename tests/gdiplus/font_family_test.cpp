#include "brush_pen_testing.h"

#include "gdiplus/flat_api_recorder.h"
#include "gdiplus/font_collection.h"
#include "gdiplus/font_family.h"

#include <string>

namespace {

class GdiplusFontFamily : public GdiplusWrapperTest {};

TEST_F(GdiplusFontFamily, CreateThenDeleteTellsWhetherAFamilyIsInstalled)
{
    struct Case {
        const char* name;
        bool installed;
    };
    for (const Case& c : {Case{"微软雅黑", true}, Case{"宋体", true}, Case{"没有这种字体", false}}) {
        SCOPED_TRACE(c.name);
        FontFamily family;
        EXPECT_EQ(family.CreateFromName(c.name), c.installed);
        EXPECT_EQ(family.Delete(), c.installed);
        EXPECT_EQ(family.GetNativePointer(), nullptr);
    }
}

TEST_F(GdiplusFontFamily, AnEmptyCollectionMeansTheInstalledFontsAndAHeldOneIsSearched)
{
    Gdiplus::GpFontCollection* native = nullptr;
    ASSERT_EQ(Flat().GdipNewInstalledFontCollection(&native), Gdiplus::Ok);
    FontCollection held;  // the system's collection is never released
    held.SetNativePointer(native);
    FontCollection empty;
    struct Case {
        const char* name;
        const FontCollection* collection;
        std::string passed;
    };
    const Case cases[] = {
        {"omitted", nullptr, "null"},
        {"empty", &empty, "null"},
        {"held", &held, FormatPointer(native)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordCalls rec({"GdipCreateFontFamilyFromName"});
        FontFamily family;
        EXPECT_TRUE(c.collection != nullptr ? family.CreateFromName("宋体", c.collection)
                                            : family.CreateFromName("宋体"));
        ASSERT_EQ(rec.Calls().size(), 1u);
        EXPECT_EQ(rec.Calls()[0].args[1], c.passed);
        EXPECT_TRUE(family.Delete());
    }
}

TEST_F(GdiplusFontFamily, DestructorLeavesTheNativeFamilyAlive)
{
    RecordCalls rec({"GdipDeleteFontFamily"});
    void* native = nullptr;
    {
        FontFamily family;
        ASSERT_TRUE(family.CreateFromName("宋体"));
        native = family.GetNativePointer();
    }
    EXPECT_TRUE(rec.Calls().empty());
    FontFamily adopted;
    adopted.SetNativePointer(native);
    EXPECT_FALSE(adopted.GetFamilyName().empty());
    EXPECT_TRUE(adopted.Delete());
}

TEST_F(GdiplusFontFamily, FamilyNameFindsTheFamilyAgain)
{
    for (const char* installed : {"微软雅黑", "宋体"}) {
        FontFamily family;
        ASSERT_TRUE(family.CreateFromName(installed));
        std::string name = family.GetFamilyName();
        ASSERT_FALSE(name.empty());
        FontFamily byName;
        ASSERT_TRUE(byName.CreateFromName(name)) << name;
        EXPECT_EQ(byName.GetFamilyName(), name);
        FontFamily clone;
        ASSERT_TRUE(family.Clone(clone));
        EXPECT_EQ(clone.GetFamilyName(), name);
        for (FontFamily* f : {&family, &byName, &clone})
            f->Delete();
    }
}

// The generic families are Windows fonts the Wine prefixes lack (GDI+ answers 14 there), so a
// stand-in hands out a family of an installed font.
Gdiplus::GpStatus WINAPI FakeGenericFamily(Gdiplus::GpFontFamily** family)
{
    return Flat().GdipCreateFontFamilyFromName(L"宋体", nullptr, family);
}

TEST_F(GdiplusFontFamily, GenericFamiliesComeFromTheirOwnFunctions)
{
    struct Case {
        const char* function;
        bool (FontFamily::*generic)();
    };
    const Case cases[] = {
        {"GdipGetGenericFontFamilySansSerif", &FontFamily::GenericSansSerif},
        {"GdipGetGenericFontFamilySerif", &FontFamily::GenericSerif},
        {"GdipGetGenericFontFamilyMonospace", &FontFamily::GenericMonospace},
    };
    FontFamily songti;
    ASSERT_TRUE(songti.CreateFromName("宋体"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.function);
        ReplaceCall fake(c.function, &FakeGenericFamily);
        FontFamily family;
        ASSERT_TRUE((family.*c.generic)());
        EXPECT_EQ(family.GetFamilyName(), songti.GetFamilyName());
        EXPECT_TRUE(family.Delete());
    }
    songti.Delete();
}

TEST_F(GdiplusFontFamily, EmptyFamilyHasNoName)
{
    FontFamily family;
    EXPECT_EQ(family.GetFamilyName(), "");
    EXPECT_NE(LastStatus, 0);
}

TEST_F(GdiplusFontFamily, DesignMetricsOfARealFamily)
{
    FontFamily family;
    ASSERT_TRUE(family.CreateFromName("宋体"));
    EXPECT_TRUE(family.IsStyleAvailable(Gdiplus::FontStyleRegular));
    int em = family.GetEmHeight(Gdiplus::FontStyleRegular);
    EXPECT_GT(em, 0);
    EXPECT_GT(family.GetCellAscent(Gdiplus::FontStyleRegular), 0);
    EXPECT_GT(family.GetCellDescent(Gdiplus::FontStyleRegular), 0);
    EXPECT_GE(family.GetLineSpacing(Gdiplus::FontStyleRegular),
              family.GetCellAscent(Gdiplus::FontStyleRegular));
    family.Delete();
}

// Real fonts have small design metrics; a stand-in gives the values above 32767 that must not
// come back negative.
UINT16 metricAnswer = 0;
Gdiplus::GpStatus WINAPI FakeMetric(const Gdiplus::GpFontFamily*, INT, UINT16* value)
{
    *value = metricAnswer;
    return Gdiplus::Ok;
}

TEST_F(GdiplusFontFamily, DesignMetricsAreUnsigned)
{
    struct Case {
        const char* function;
        int (FontFamily::*get)(int) const;
    };
    const Case cases[] = {
        {"GdipGetEmHeight", &FontFamily::GetEmHeight},
        {"GdipGetCellAscent", &FontFamily::GetCellAscent},
        {"GdipGetCellDescent", &FontFamily::GetCellDescent},
        {"GdipGetLineSpacing", &FontFamily::GetLineSpacing},
    };
    FontFamily family;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.function);
        ReplaceCall fake(c.function, &FakeMetric);
        for (UINT16 value : {UINT16{65535}, UINT16{32768}, UINT16{2048}}) {
            metricAnswer = value;
            EXPECT_EQ((family.*c.get)(0), static_cast<int>(value));
        }
    }
}

class GdiplusFontCollection : public GdiplusWrapperTest {
protected:
    void SetUp() override
    {
        GdiplusWrapperTest::SetUp();
        Gdiplus::GpFontCollection* native = nullptr;
        ASSERT_EQ(Flat().GdipNewInstalledFontCollection(&native), Gdiplus::Ok);
        installed.SetNativePointer(native);
    }
    FontCollection installed;  // the system's collection is never released
};

TEST_F(GdiplusFontCollection, FamiliesBeyondThoseFoundStayEmpty)
{
    const int count = installed.GetFamilyCount();
    ASSERT_GT(count, 0);
    std::vector<FontFamily> families;
    EXPECT_EQ(installed.GetFamilies(count + 2, families), count);
    ASSERT_EQ(families.size(), static_cast<std::size_t>(count + 2));
    for (int i = 0; i < count; ++i)
        EXPECT_FALSE(families[i].GetFamilyName().empty()) << i;
    EXPECT_EQ(families[count].GetNativePointer(), nullptr);
    EXPECT_EQ(families[count + 1].GetNativePointer(), nullptr);

    EXPECT_EQ(installed.GetFamilies(1, families), 1);
    EXPECT_EQ(families.size(), 1u);
}

TEST_F(GdiplusFontCollection, NothingSoughtIsAnInvalidParameter)
{
    std::vector<FontFamily> families(2);
    Gdiplus::GpFontFamily* native = nullptr;
    ASSERT_EQ(Flat().GdipCreateFontFamilyFromName(L"宋体", nullptr, &native), Gdiplus::Ok);
    families[0].SetNativePointer(native);
    RecordCalls rec({"GdipGetFontCollectionFamilyList"});
    for (int sought : {0, -1}) {
        EXPECT_EQ(installed.GetFamilies(sought, families), 0);
        EXPECT_EQ(LastStatus, Gdiplus::InvalidParameter);
        LastStatus = 0;
    }
    EXPECT_TRUE(rec.Calls().empty());
    ASSERT_EQ(families.size(), 2u);
    EXPECT_EQ(families[0].GetNativePointer(), native);
    families[0].Delete();
}

TEST_F(GdiplusFontCollection, EmptyCollectionFindsNothing)
{
    FontCollection empty;
    std::vector<FontFamily> families;
    EXPECT_EQ(empty.GetFamilyCount(), 0);
    EXPECT_NE(LastStatus, 0);
    EXPECT_EQ(empty.GetFamilies(3, families), 0);
    EXPECT_NE(LastStatus, 0);
}

}  // namespace
