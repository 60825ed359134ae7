// Releasing the native objects of brushes, pens and text objects: Delete, a second Delete, and
// what each destructor releases.
#include "brush_pen_testing.h"

#include "gdiplus/flat_api_recorder.h"
#include "gdiplus/font.h"
#include "gdiplus/font_family.h"
#include "gdiplus/linear_gradient_brush.h"
#include "gdiplus/pen.h"
#include "gdiplus/solid_brush.h"
#include "gdiplus/string_format.h"

#include <functional>
#include <memory>
#include <vector>

namespace {

class GdiplusWrapperRelease : public GdiplusWrapperTest {};

struct Kind {
    const char* name;
    const char* release;  // the flat function that releases the native object
    std::function<std::unique_ptr<GdiplusObject>(bool holding)> make;
    std::function<bool(GdiplusObject&)> remove;  // the class's Delete
    bool destructorReleases;
};

template <class W>
Kind KindOf(const char* name, const char* release, std::function<bool(W&)> create, bool destructorReleases = true)
{
    return {name, release,
            [create](bool holding) {
                auto wrapper = std::make_unique<W>();
                if (holding) {
                    EXPECT_TRUE(create(*wrapper));
                }
                return std::unique_ptr<GdiplusObject>(std::move(wrapper));
            },
            [](GdiplusObject& wrapper) { return static_cast<W&>(wrapper).Delete(); }, destructorReleases};
}

const std::vector<Kind>& Kinds()
{
    static const std::vector<Kind> kinds = {
        KindOf<SolidBrush>("SolidBrush", "GdipDeleteBrush", [](SolidBrush& b) { return b.Create(0xFF000000); }),
        KindOf<LinearGradientBrush>("LinearGradientBrush", "GdipDeleteBrush",
                                    [](LinearGradientBrush& b) { return b.Create({0, 0}, {5, 5}, 0, ~0u); }),
        KindOf<Pen>("Pen", "GdipDeletePen", [](Pen& p) { return p.Create(0xFF000000, 1.0f); }),
        KindOf<StringFormat>("StringFormat", "GdipDeleteStringFormat", [](StringFormat& f) { return f.Create(); }),
        KindOf<Font>("Font", "GdipDeleteFont", [](Font& f) { return f.CreateByName("宋体", 10.0f); }),
        KindOf<FontFamily>("FontFamily", "GdipDeleteFontFamily", [](FontFamily& f) { return f.CreateFromName("宋体"); }, false),
    };
    return kinds;
}

constexpr std::int32_t kUntouched = 4242;

TEST_F(GdiplusWrapperRelease, DeleteReleasesOnceAndThenFindsTheWrapperEmpty)
{
    for (const Kind& kind : Kinds()) {
        SCOPED_TRACE(kind.name);
        std::unique_ptr<GdiplusObject> wrapper = kind.make(true);
        void* native = wrapper->GetNativePointer();
        ASSERT_NE(native, nullptr);
        RecordCalls rec({kind.release});
        EXPECT_TRUE(kind.remove(*wrapper));
        EXPECT_EQ(wrapper->GetNativePointer(), nullptr);
        LastStatus = kUntouched;
        EXPECT_FALSE(kind.remove(*wrapper));
        EXPECT_EQ(LastStatus, kUntouched);
        wrapper.reset();
        ASSERT_EQ(rec.Calls().size(), 1u);
        EXPECT_EQ(rec.Calls()[0].args[0], FormatPointer(native));
    }
}

TEST_F(GdiplusWrapperRelease, EmptyWrapperCallsNothing)
{
    for (const Kind& kind : Kinds()) {
        SCOPED_TRACE(kind.name);
        RecordCalls rec({kind.release});
        std::unique_ptr<GdiplusObject> wrapper = kind.make(false);
        LastStatus = kUntouched;
        EXPECT_FALSE(kind.remove(*wrapper));
        EXPECT_EQ(LastStatus, kUntouched);
        wrapper.reset();
        EXPECT_TRUE(rec.Calls().empty());
    }
}

TEST_F(GdiplusWrapperRelease, DestructorReleasesAllButFamilies)
{
    for (const Kind& kind : Kinds()) {
        SCOPED_TRACE(kind.name);
        RecordCalls rec({kind.release});
        std::unique_ptr<GdiplusObject> wrapper = kind.make(true);
        void* native = wrapper->GetNativePointer();
        wrapper.reset();
        EXPECT_EQ(rec.Calls().size(), kind.destructorReleases ? 1u : 0u);
        if (!kind.destructorReleases)
            Flat().GdipDeleteFontFamily(static_cast<Gdiplus::GpFontFamily*>(native));
    }
}

}  // namespace
