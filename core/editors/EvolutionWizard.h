#pragma once
// The evolution wizard's arithmetic: a growth table is built piece by piece
// from formulas value(L) = c + g x (L - f)^n over a segment of levels f to
// the last level, where g is chosen so that the last level reaches the final
// value. The wizard works on the 98 values as the page shows them (absolute
// or increments); Apply computes the segment, and the caller stores the
// whole working array into the table (StoreGrowthValues).
#include <cstdint>

#include "editors/Growth.h"

namespace quorvex {

// The formula kinds and the power each fixes: constant (n = 0), n = 1,
// n = 2, n = -1, n = -2, and n taken from the power field.
constexpr int kWizardKinds = 6;
constexpr int kWizardFreePower = 5;
int WizardKindPower(int kind, int powerField);

// x^n for an integer n by repeated squaring of |n|, inverted when n < 0.
double IntegerPower(double x, int n);

class EvolutionWizard {
public:
    static constexpr int kFirstLevelMin = 2;
    static constexpr int kFirstLevelMax = 98;
    static constexpr int kLastLevelMin = 3;
    static constexpr int kLastLevelMax = 99;
    static constexpr int kPowerMin = -10;
    static constexpr int kPowerMax = 10;

    explicit EvolutionWizard(GrowthTable table = GrowthTable::Hp);

    // The table decides the range of the initial and final values: 0-9999
    // for HP, 0-999 for MP, 0-9 999 999 for experience.
    void SetTable(GrowthTable table);
    GrowthTable Table() const { return m_table; }
    int64_t ValueMax() const;

    // The working array: the 98 values as the page shows them.
    void Load(const GrowthValues& shown) { m_work = shown; }
    const GrowthValues& Working() const { return m_work; }
    // The working value at level 2-99.
    int64_t At(int level) const { return m_work[static_cast<size_t>(level - 2)]; }

    // Each setter clamps to the field's range, as the fields do when they
    // lose focus.
    void SetKind(int kind);
    void SetInitial(int64_t c);
    void SetFinal(int64_t v);
    void SetFirstLevel(int f);
    void SetLastLevel(int l);
    void SetPower(int n);

    int Kind() const { return m_kind; }
    int64_t Initial() const { return m_initial; }
    int64_t Final() const { return m_final; }
    int FirstLevel() const { return m_first; }
    int LastLevel() const { return m_last; }
    int Power() const { return m_power; }
    // The power the kind uses.
    int UsedPower() const { return WizardKindPower(m_kind, m_power); }
    // The gain of the last Apply ("%0.5f" in the window).
    double Gain() const { return m_gain; }

    // Computes the segment into the working array. Then, when the last level
    // was not 99, prepares the next segment: it starts where this one ended
    // (initial value := final value, first level := last level) and runs to 99.
    void Apply();

    // The value the formula gives at level L of the current segment.
    int64_t ValueAt(int level) const;

private:
    GrowthTable m_table;
    GrowthValues m_work{};
    int m_kind = 1;
    int64_t m_initial = 0;
    int64_t m_final = 0;
    int m_first = kFirstLevelMin;
    int m_last = kLastLevelMax;
    int m_power = 3;
    double m_gain = 0.0;
};

} // namespace quorvex
