#include "editors/EvolutionWizard.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace quorvex {

namespace {
// Values far beyond any table, kept finite so that truncation to an
// integer is always defined; storing clamps them to the table anyway.
constexpr double kValueLimit = 1e15;
} // namespace

int WizardKindPower(int kind, int powerField)
{
    static const int kPowers[kWizardFreePower] = {0, 1, 2, -1, -2};
    return kind >= 0 && kind < kWizardFreePower ? kPowers[kind] : powerField;
}

double IntegerPower(double x, int n)
{
    double result = 1.0;
    double base = x;
    for (unsigned e = static_cast<unsigned>(std::abs(n)); e != 0; e >>= 1) {
        if (e & 1)
            result *= base;
        base *= base;
    }
    return n < 0 ? 1.0 / result : result;
}

EvolutionWizard::EvolutionWizard(GrowthTable table) : m_table(table) {}

void EvolutionWizard::SetTable(GrowthTable table)
{
    m_table = table;
    SetInitial(m_initial);
    SetFinal(m_final);
}

int64_t EvolutionWizard::ValueMax() const
{
    switch (m_table) {
    case GrowthTable::Hp: return 9999;
    case GrowthTable::Mp: return 999;
    case GrowthTable::Exp: break;
    }
    return 9999999;
}

void EvolutionWizard::SetKind(int kind) { m_kind = std::clamp(kind, 0, kWizardKinds - 1); }
void EvolutionWizard::SetInitial(int64_t c) { m_initial = std::clamp<int64_t>(c, 0, ValueMax()); }
void EvolutionWizard::SetFinal(int64_t v) { m_final = std::clamp<int64_t>(v, 0, ValueMax()); }
void EvolutionWizard::SetFirstLevel(int f) { m_first = std::clamp(f, kFirstLevelMin, kFirstLevelMax); }
void EvolutionWizard::SetLastLevel(int l) { m_last = std::clamp(l, kLastLevelMin, kLastLevelMax); }
void EvolutionWizard::SetPower(int n) { m_power = std::clamp(n, kPowerMin, kPowerMax); }

int64_t EvolutionWizard::ValueAt(int level) const
{
    const int n = UsedPower();
    const int d = level - m_first;
    // A negative power at the segment's first level would divide by zero:
    // the segment starts at its initial value there.
    if (n < 0 && d == 0)
        return m_initial;
    double v = static_cast<double>(m_initial) + m_gain * IntegerPower(d, n);
    if (!std::isfinite(v))
        v = v > 0 ? kValueLimit : -kValueLimit;
    v = std::clamp(v, -kValueLimit, kValueLimit);
    return static_cast<int64_t>(v); // truncates toward zero
}

void EvolutionWizard::Apply()
{
    if (m_kind == 0) {
        m_final = m_initial;
        m_gain = 0.0;
    } else {
        const double span = IntegerPower(m_last - m_first, UsedPower());
        m_gain = static_cast<double>(m_final - m_initial) / span;
        // A segment of one level has no span to climb over.
        if (!std::isfinite(m_gain))
            m_gain = 0.0;
    }
    for (int level = m_first; level <= m_last; ++level)
        m_work[static_cast<size_t>(level - 2)] = ValueAt(level);
    if (m_last != kLastLevelMax) {
        m_initial = m_final;
        m_first = m_last;
        m_last = kLastLevelMax;
    }
}

} // namespace quorvex
