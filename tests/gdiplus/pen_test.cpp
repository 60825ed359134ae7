#include "brush_pen_testing.h"

#include "gdiplus/flat_api_recorder.h"
#include "gdiplus/pen.h"
#include "gdiplus/solid_brush.h"

#include <string>

namespace {

class GdiplusPen : public GdiplusWrapperTest {};

TEST_F(GdiplusPen, CreateWithoutUnitMakesAPenInWorldUnits)
{
    Pen pen;
    ASSERT_TRUE(pen.Create(0xFF102030, 2.0f));
    EXPECT_EQ(pen.GetUnit(), Gdiplus::UnitWorld);
    EXPECT_EQ(pen.GetWidth(), 2.0f);
    EXPECT_EQ(pen.GetColor(), 0xFF102030u);
    EXPECT_EQ(pen.GetPenType(), Gdiplus::PenTypeSolidColor);

    Pen pixelPen;
    ASSERT_TRUE(pixelPen.Create(0xFF102030, 3.5f, Gdiplus::UnitPixel));
    EXPECT_EQ(pixelPen.GetUnit(), Gdiplus::UnitPixel);
    EXPECT_EQ(pixelPen.GetWidth(), 3.5f);
}

TEST_F(GdiplusPen, PenFromABrushHandsOutACopyOfThatBrush)
{
    SolidBrush brush;
    ASSERT_TRUE(brush.Create(0x80C0FFEE));
    Pen pen;
    ASSERT_TRUE(pen.CreateFromBrush(brush, 4.0f));
    EXPECT_EQ(pen.GetUnit(), Gdiplus::UnitWorld);
    EXPECT_EQ(pen.GetColor(), 0x80C0FFEEu);

    SolidBrush fill;
    ASSERT_TRUE(pen.GetBrush(fill));
    EXPECT_NE(fill.GetNativePointer(), nullptr);
    EXPECT_NE(fill.GetNativePointer(), brush.GetNativePointer());
    EXPECT_EQ(fill.GetColor(), 0x80C0FFEEu);

    SolidBrush other;
    ASSERT_TRUE(other.Create(0xFF00FF00));
    ASSERT_TRUE(pen.SetBrush(other));
    EXPECT_EQ(pen.GetColor(), 0xFF00FF00u);
}

TEST_F(GdiplusPen, SetLineCap2IsSetLineCap)
{
    using SetCaps = bool (Pen::*)(int, int, int);
    for (SetCaps setCaps : {&Pen::SetLineCap, &Pen::SetLineCap2}) {
        Pen pen;
        ASSERT_TRUE(pen.Create(0xFF000000, 1.0f));
        RecordCalls rec({"GdipSetPenLineCap197819"});
        ASSERT_TRUE((pen.*setCaps)(Gdiplus::LineCapRound, Gdiplus::LineCapTriangle, Gdiplus::DashCapRound));
        ASSERT_EQ(rec.Calls().size(), 1u);
        EXPECT_EQ(rec.Calls()[0].ToString(),
                  "GdipSetPenLineCap197819(" + FormatPointer(pen.GetNativePointer()) + ", 2, 3, 2)");
        EXPECT_EQ(pen.GetStartCap(), Gdiplus::LineCapRound);
        EXPECT_EQ(pen.GetEndCap(), Gdiplus::LineCapTriangle);
        EXPECT_EQ(pen.GetDashCap(), Gdiplus::DashCapRound);
        EXPECT_EQ(pen.GetDashCap2(), Gdiplus::DashCapRound);
    }
}

TEST_F(GdiplusPen, SingleCapsJoinsAndAlignmentComeBack)
{
    Pen pen;
    ASSERT_TRUE(pen.Create(0xFF000000, 1.0f));
    ASSERT_TRUE(pen.SetStartCap(Gdiplus::LineCapSquare));
    ASSERT_TRUE(pen.SetEndCap(Gdiplus::LineCapArrowAnchor));
    ASSERT_TRUE(pen.SetDashCap(Gdiplus::DashCapTriangle));
    ASSERT_TRUE(pen.SetLineJoin(Gdiplus::LineJoinRound));
    ASSERT_TRUE(pen.SetAlignment(Gdiplus::PenAlignmentInset));
    ASSERT_TRUE(pen.SetMiterLimit(3.5f));
    EXPECT_EQ(pen.GetStartCap(), Gdiplus::LineCapSquare);
    EXPECT_EQ(pen.GetEndCap(), Gdiplus::LineCapArrowAnchor);
    EXPECT_EQ(pen.GetDashCap2(), Gdiplus::DashCapTriangle);
    EXPECT_EQ(pen.GetLineJoin(), Gdiplus::LineJoinRound);
    EXPECT_EQ(pen.GetAlignment(), Gdiplus::PenAlignmentInset);
    EXPECT_EQ(pen.GetMiterLimit(), 3.5f);
}

// GdipSetPenUnit aborts the process under Wine: SetUnit is checked against a stand-in.
Gdiplus::GpPen* unitPen = nullptr;
Gdiplus::GpUnit unitGiven = Gdiplus::UnitWorld;
Gdiplus::GpStatus unitAnswer = Gdiplus::Ok;
Gdiplus::GpStatus WINAPI FakeSetPenUnit(Gdiplus::GpPen* pen, Gdiplus::GpUnit unit)
{
    unitPen = pen;
    unitGiven = unit;
    return unitAnswer;
}

TEST_F(GdiplusPen, SetUnitHandsPenAndUnitToGdiplusAndReportsItsStatus)
{
    ReplaceCall fake("GdipSetPenUnit", &FakeSetPenUnit);
    Pen pen;
    ASSERT_TRUE(pen.Create(0xFF000000, 1.0f));
    for (Gdiplus::GpStatus answer : {Gdiplus::Ok, Gdiplus::NotImplemented}) {
        unitAnswer = answer;
        EXPECT_EQ(pen.SetUnit(Gdiplus::UnitMillimeter), answer == Gdiplus::Ok);
        EXPECT_EQ(LastStatus, answer);
        EXPECT_EQ(unitPen, pen.GetNativePointer());
        EXPECT_EQ(unitGiven, Gdiplus::UnitMillimeter);
    }
}

TEST_F(GdiplusPen, CloneCopiesThePenIntoTheTarget)
{
    Pen source;
    Pen target;
    ASSERT_TRUE(source.Create(0xFF445566, 7.0f));
    ASSERT_TRUE(source.Clone(target));
    EXPECT_NE(target.GetNativePointer(), source.GetNativePointer());
    EXPECT_EQ(target.GetWidth(), 7.0f);
    ASSERT_TRUE(target.SetWidth(1.5f));
    EXPECT_EQ(target.GetWidth(), 1.5f);
    EXPECT_EQ(source.GetWidth(), 7.0f);
}

TEST_F(GdiplusPen, DashPatternOffsetAndCompoundArrayComeBack)
{
    Pen pen;
    ASSERT_TRUE(pen.Create(0xFF000000, 2.0f));
    ASSERT_TRUE(pen.SetDashPattern({3, 1, 2, 1}));
    std::vector<float> dashes{42};
    EXPECT_EQ(pen.GetDashPattern(dashes), 4);
    EXPECT_EQ(dashes, (std::vector<float>{3, 1, 2, 1}));
    EXPECT_EQ(pen.GetDashStyle(), Gdiplus::DashStyleCustom);
    ASSERT_TRUE(pen.SetDashStyle(Gdiplus::DashStyleDot));
    EXPECT_EQ(pen.GetDashStyle(), Gdiplus::DashStyleDot);
    ASSERT_TRUE(pen.SetDashOffset(1.25f));
    EXPECT_EQ(pen.GetDashOffset(), 1.25f);

    ASSERT_TRUE(pen.SetCompoundArray({0.0f, 0.25f, 0.75f, 1.0f}));
    std::vector<float> compounds;
    EXPECT_EQ(pen.GetCompoundArray(compounds), 4);
    EXPECT_EQ(compounds, (std::vector<float>{0.0f, 0.25f, 0.75f, 1.0f}));
}

TEST_F(GdiplusPen, FailedCountQueriesLeaveTheSequencesAlone)
{
    Pen empty;
    std::vector<float> dashes{1, 2}, compounds{3};
    EXPECT_EQ(empty.GetDashPattern(dashes), 0);
    EXPECT_NE(LastStatus, 0);
    EXPECT_EQ(empty.GetCompoundArray(compounds), 0);
    EXPECT_EQ(dashes, (std::vector<float>{1, 2}));
    EXPECT_EQ(compounds, (std::vector<float>{3}));
}

TEST_F(GdiplusPen, TransformsComposeInTheGivenOrder)
{
    ExpectTransformsCompose<Pen>([](Pen& pen) { return pen.Create(0xFF000000, 1.0f); });
}

TEST_F(GdiplusPen, RotateTransformTurnsThePen)
{
    Pen pen;
    ASSERT_TRUE(pen.Create(0xFF000000, 1.0f));
    NativeMatrix result;
    ASSERT_TRUE(pen.ScaleTransform(5, 5));
    ASSERT_TRUE(pen.ResetTransform());
    ASSERT_TRUE(pen.RotateTransform(90));
    ASSERT_TRUE(pen.GetTransform(result));
    std::vector<float> rotated = result.Elements();
    EXPECT_NEAR(rotated[0], 0, 1e-6);
    EXPECT_NEAR(rotated[1], 1, 1e-6);
    EXPECT_NEAR(rotated[2], -1, 1e-6);
    EXPECT_NEAR(rotated[3], 0, 1e-6);
}

// A custom line cap stroked along a short line, with the given base inset.
class NativeCustomCap : public OwnedNative<Gdiplus::GpCustomLineCap> {
public:
    NativeCustomCap() : OwnedNative(nullptr, Flat().GdipDeleteCustomLineCap) {}
    explicit NativeCustomCap(float baseInset) : OwnedNative(Make(baseInset), Flat().GdipDeleteCustomLineCap) {}
    float BaseInset() const
    {
        float inset = 0;
        Flat().GdipGetCustomLineCapBaseInset(Handle(), &inset);
        return inset;
    }

private:
    static Gdiplus::GpCustomLineCap* Make(float baseInset)
    {
        Gdiplus::GpPath* stroke = nullptr;
        Flat().GdipCreatePath(Gdiplus::FillModeAlternate, &stroke);
        Flat().GdipAddPathLine(stroke, -1, -1, 1, 1);
        Gdiplus::GpCustomLineCap* cap = nullptr;
        Flat().GdipCreateCustomLineCap(nullptr, stroke, Gdiplus::LineCapFlat, baseInset, &cap);
        Flat().GdipDeletePath(stroke);
        return cap;
    }
};

TEST_F(GdiplusPen, CustomCapsAreHandedOutAsCopies)
{
    using SetCap = bool (Pen::*)(const GdiplusObject&);
    using GetCap = bool (Pen::*)(GdiplusObject&) const;
    struct Case {
        const char* end;
        SetCap set;
        GetCap get;
        float inset;
    };
    const Case cases[] = {{"start", &Pen::SetCustomStartCap, &Pen::GetCustomStartCap, 3.0f},
                          {"end", &Pen::SetCustomEndCap, &Pen::GetCustomEndCap, 5.0f}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.end);
        NativeCustomCap cap(c.inset);
        ASSERT_NE(cap.Handle(), nullptr);
        Pen pen;
        ASSERT_TRUE(pen.Create(0xFF000000, 1.0f));
        ASSERT_TRUE((pen.*c.set)(cap));
        NativeCustomCap copy;
        ASSERT_TRUE((pen.*c.get)(copy));
        EXPECT_NE(copy.Handle(), nullptr);
        EXPECT_NE(copy.Handle(), cap.Handle());
        EXPECT_EQ(copy.BaseInset(), c.inset);
    }
}

}  // namespace
