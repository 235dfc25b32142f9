// The evolution wizard's arithmetic, checked against values worked out by
// hand from value(L) = c + g (L - f)^n with g = (final - c) / (last - f)^n:
// constant, linear, quadratic and negative powers, a free power, chained
// segments, the fields' ranges, and storing the result through the page's
// conversion.
#include <gtest/gtest.h>

#include <cmath>

#include "OpenedImage.h"
#include "editors/EvolutionWizard.h"

namespace quorvex {
namespace {

// A wizard over a working array of 7s, one segment set up.
EvolutionWizard Segment(int kind, int64_t c, int64_t final, int f, int last, int power = 3,
                        GrowthTable table = GrowthTable::Exp)
{
    EvolutionWizard w(table);
    GrowthValues sevens;
    sevens.fill(7);
    w.Load(sevens);
    w.SetKind(kind);
    w.SetInitial(c);
    w.SetFinal(final);
    w.SetFirstLevel(f);
    w.SetLastLevel(last);
    w.SetPower(power);
    return w;
}

struct Expect {
    int level;
    int64_t value;
};

void Check(const EvolutionWizard& w, std::initializer_list<Expect> expected)
{
    for (const Expect& e : expected)
        EXPECT_EQ(w.At(e.level), e.value) << "level " << e.level;
}

TEST(IntegerPower, BySquaring)
{
    EXPECT_EQ(IntegerPower(2, 10), 1024.0);
    EXPECT_EQ(IntegerPower(3, 5), 243.0);
    EXPECT_EQ(IntegerPower(-2, 3), -8.0);
    EXPECT_EQ(IntegerPower(7, 0), 1.0);
    EXPECT_EQ(IntegerPower(0, 0), 1.0);
    EXPECT_DOUBLE_EQ(IntegerPower(3, -2), 1.0 / 9.0);
    EXPECT_DOUBLE_EQ(IntegerPower(10, -1), 0.1);
    EXPECT_TRUE(std::isinf(IntegerPower(0, -1)));
}

TEST(EvolutionWizard, KindsFixThePower)
{
    const int expected[kWizardKinds] = {0, 1, 2, -1, -2, -7};
    for (int kind = 0; kind < kWizardKinds; ++kind)
        EXPECT_EQ(WizardKindPower(kind, -7), expected[kind]) << kind;
}

TEST(EvolutionWizard, ConstantSetsTheFinalValueToTheInitialOne)
{
    EvolutionWizard w = Segment(0, 50, 900, 10, 20);
    w.Apply();
    Check(w, {{9, 7}, {10, 50}, {15, 50}, {20, 50}, {21, 7}});
    EXPECT_EQ(w.Gain(), 0.0);
    // The next segment starts where this one ended and runs to 99.
    EXPECT_EQ(w.Initial(), 50);
    EXPECT_EQ(w.FirstLevel(), 20);
    EXPECT_EQ(w.LastLevel(), 99);
}

TEST(EvolutionWizard, LinearTruncatesTowardZero)
{
    // g = 900 / 97; level 50: 100 + 900 x 48 / 97 = 545.36; level 3: 109.28.
    EvolutionWizard w = Segment(1, 100, 1000, 2, 99);
    w.Apply();
    EXPECT_DOUBLE_EQ(w.Gain(), 900.0 / 97.0);
    Check(w, {{2, 100}, {3, 109}, {50, 545}, {98, 990}, {99, 1000}});
    // The last level was 99: nothing to chain.
    EXPECT_EQ(w.FirstLevel(), 2);
    EXPECT_EQ(w.Initial(), 100);
}

TEST(EvolutionWizard, QuadraticFromZero)
{
    // 97^2 = 9409, so g = 1 and value(L) = (L - 2)^2.
    EvolutionWizard w = Segment(2, 0, 9409, 2, 99);
    w.Apply();
    EXPECT_EQ(w.Gain(), 1.0);
    Check(w, {{2, 0}, {3, 1}, {12, 100}, {52, 2500}, {99, 9409}});
}

TEST(EvolutionWizard, NegativePowers)
{
    // n = -1: g = 90 x 10 = 900, value(L) = 10 + 900 / (L - 10).
    EvolutionWizard inverse = Segment(3, 10, 100, 10, 20);
    inverse.Apply();
    EXPECT_DOUBLE_EQ(inverse.Gain(), 900.0);
    // The first level would divide by zero: it keeps the initial value.
    Check(inverse, {{9, 7}, {10, 10}, {11, 910}, {12, 460}, {15, 190}, {19, 110}, {20, 100}, {21, 7}});

    // n = -2: g = 50 x 25 = 1250, value(L) = 1250 / (L - 5)^2.
    EvolutionWizard square = Segment(4, 0, 50, 5, 10);
    square.Apply();
    EXPECT_DOUBLE_EQ(square.Gain(), 1250.0);
    Check(square, {{5, 0}, {6, 1250}, {7, 312}, {8, 138}, {10, 50}});
}

TEST(EvolutionWizard, FreePower)
{
    // n = 3 from the field: g = 1000 / 10^3 = 1, value(L) = (L - 2)^3.
    EvolutionWizard w = Segment(5, 0, 1000, 2, 12, 3);
    w.Apply();
    Check(w, {{2, 0}, {4, 8}, {7, 125}, {12, 1000}, {13, 7}});
    // n = 0 from the field: every level of the segment gets the final value.
    EvolutionWizard flat = Segment(5, 20, 30, 40, 45, 0);
    flat.Apply();
    Check(flat, {{40, 30}, {45, 30}, {46, 7}});
}

TEST(EvolutionWizard, ChainedSegmentsBuildACurvePieceByPiece)
{
    EvolutionWizard w = Segment(1, 0, 480, 2, 50);
    w.Apply();
    Check(w, {{2, 0}, {26, 240}, {50, 480}});
    EXPECT_EQ(w.Initial(), 480);
    EXPECT_EQ(w.FirstLevel(), 50);
    EXPECT_EQ(w.LastLevel(), 99);
    // Second piece, quadratic: g = 980 / 49^2, so 7 levels on climb 980 x 49 / 2401 = 20.
    w.SetKind(2);
    w.SetFinal(1460);
    w.Apply();
    Check(w, {{2, 0}, {26, 240}, {50, 480}, {57, 500}, {64, 560}, {99, 1460}});
}

TEST(EvolutionWizard, OneLevelSegmentAndEmptySegment)
{
    EvolutionWizard one = Segment(1, 33, 99, 40, 40);
    one.Apply();
    EXPECT_EQ(one.Gain(), 0.0);
    Check(one, {{39, 7}, {40, 33}, {41, 7}});
    // A last level before the first changes no level.
    EvolutionWizard none = Segment(2, 33, 99, 60, 40);
    none.Apply();
    for (int level = 2; level <= 99; ++level)
        EXPECT_EQ(none.At(level), 7);
}

TEST(EvolutionWizard, FieldsClampToTheirRanges)
{
    struct Row {
        GrowthTable table;
        int64_t top;
    };
    for (const Row& r : {Row{GrowthTable::Hp, 9999}, Row{GrowthTable::Mp, 999}, Row{GrowthTable::Exp, 9999999}}) {
        EvolutionWizard w(r.table);
        w.SetInitial(r.top + 1);
        w.SetFinal(-1);
        EXPECT_EQ(w.Initial(), r.top);
        EXPECT_EQ(w.Final(), 0);
    }
    EvolutionWizard w;
    w.SetFirstLevel(1);
    w.SetLastLevel(2);
    w.SetPower(11);
    EXPECT_EQ(w.FirstLevel(), 2);
    EXPECT_EQ(w.LastLevel(), 3);
    EXPECT_EQ(w.Power(), 10);
    w.SetFirstLevel(99);
    w.SetLastLevel(100);
    w.SetPower(-11);
    EXPECT_EQ(w.FirstLevel(), 98);
    EXPECT_EQ(w.LastLevel(), 99);
    EXPECT_EQ(w.Power(), -10);
    // A table with a smaller range clamps what the wizard holds.
    EvolutionWizard e(GrowthTable::Exp);
    e.SetInitial(50000);
    e.SetTable(GrowthTable::Mp);
    EXPECT_EQ(e.Initial(), 999);
}

TEST(EvolutionWizard, ResultIsStoredThroughThePageConversion)
{
    test::OpenedImage image(test::Variant("us10-headerless"));
    RomData& rd = image.doc.Rom();
    // HP in absolute view: a linear climb of 100 per level from 0 at level 2.
    EvolutionWizard w = Segment(1, 0, 9700, 2, 99, 3, GrowthTable::Hp);
    w.Load(GrowthShown(rd, GrowthTable::Hp, GrowthView::Absolute));
    w.Apply();
    StoreGrowthValues(rd, GrowthTable::Hp, GrowthView::Absolute, w.Working());
    EXPECT_EQ(rd.actors.hpGrowth.bytes[0], 0);
    for (size_t i = 1; i < 98; ++i)
        EXPECT_EQ(rd.actors.hpGrowth.bytes[i], 100) << i;

    // Experience in increment view: stored divided by 8.
    EvolutionWizard x = Segment(0, 1000, 0, 2, 99);
    x.Load(GrowthShown(rd, GrowthTable::Exp, GrowthView::Increment));
    x.Apply();
    StoreGrowthValues(rd, GrowthTable::Exp, GrowthView::Increment, x.Working());
    EXPECT_EQ(rd.actors.experience.bytes[0] | (rd.actors.experience.bytes[1] << 8), 125);
}

} // namespace
} // namespace quorvex
