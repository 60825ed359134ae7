// Font choice in the two reduced font configurations: only "宋体" installed, and neither of the
// program's Chinese fonts. These suites run in Wine prefixes of their own.
#include "brush_pen_testing.h"

#include "gdiplus/font.h"
#include "gdiplus/font_family.h"

namespace {

struct Expectation {
    const char* name;
    bool installed;
};

void ExpectInstalled(const Expectation& e)
{
    SCOPED_TRACE(e.name);
    FontFamily family;
    EXPECT_EQ(family.CreateFromName(e.name), e.installed);
    EXPECT_EQ(family.Delete(), e.installed);
    Font font;
    EXPECT_EQ(font.CreateByName(e.name, 12.0f), e.installed);
    EXPECT_EQ(LastStatus == 0, e.installed);
    EXPECT_EQ(font.GetNativePointer() != nullptr, e.installed);
}

class GdiplusFontsOnlySimSun : public GdiplusWrapperTest {};

TEST_F(GdiplusFontsOnlySimSun, OnlySongtiIsFound)
{
    for (const Expectation& e : {Expectation{"微软雅黑", false}, Expectation{"宋体", true}})
        ExpectInstalled(e);
}

class GdiplusFontsNoCjkFonts : public GdiplusWrapperTest {};

TEST_F(GdiplusFontsNoCjkFonts, NeitherChineseFontIsFound)
{
    for (const Expectation& e : {Expectation{"微软雅黑", false}, Expectation{"宋体", false}})
        ExpectInstalled(e);
}

}  // namespace
