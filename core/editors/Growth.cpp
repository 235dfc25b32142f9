#include "editors/Growth.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>

#include "rom/RomData.h"

namespace quorvex {

namespace {

constexpr int64_t kExpUnit = 8;
constexpr int64_t kByteMax = 255;
constexpr int64_t kWordMax = 65535;
// The minimum search starts above any increment the tables can hold
// (65535 x 8 = 524280).
constexpr int64_t kMinSearchStart = 0x80000;

RawTable& TableBytes(RomData& rd, GrowthTable table)
{
    switch (table) {
    case GrowthTable::Hp: return rd.actors.hpGrowth;
    case GrowthTable::Mp: return rd.actors.mpGrowth;
    case GrowthTable::Exp: break;
    }
    return rd.actors.experience;
}

bool Holds(const RawTable& t, GrowthTable table)
{
    return t.bytes.size() >= static_cast<size_t>(kGrowthLevels) * (table == GrowthTable::Exp ? 2 : 1);
}

// Stores one increment given in shown units.
void StoreIncrement(RomData& rd, GrowthTable table, int row, int64_t increment)
{
    RawTable& t = TableBytes(rd, table);
    if (!Holds(t, table) || row < 0 || row >= kGrowthLevels)
        return;
    const size_t r = static_cast<size_t>(row);
    if (table == GrowthTable::Exp) {
        const int64_t word = std::clamp<int64_t>(increment / kExpUnit, 0, kWordMax);
        t.bytes[2 * r] = static_cast<uint8_t>(word);
        t.bytes[2 * r + 1] = static_cast<uint8_t>(word >> 8);
    } else {
        t.bytes[r] = static_cast<uint8_t>(std::clamp<int64_t>(increment, 0, kByteMax));
    }
}

} // namespace

bool ParseGrowthTable(const std::string& word, GrowthTable& table)
{
    if (word == "hp")
        table = GrowthTable::Hp;
    else if (word == "mp")
        table = GrowthTable::Mp;
    else if (word == "exp")
        table = GrowthTable::Exp;
    else
        return false;
    return true;
}

bool ParseGrowthView(const std::string& word, GrowthView& view)
{
    if (word == "abs")
        view = GrowthView::Absolute;
    else if (word == "inc")
        view = GrowthView::Increment;
    else
        return false;
    return true;
}

const char* GrowthColumnTitle(GrowthTable table)
{
    return table == GrowthTable::Hp ? "HP" : table == GrowthTable::Mp ? "MP" : "Exp.";
}

const char* GrowthChartTitle(GrowthTable table)
{
    return table == GrowthTable::Hp ? "HP Evolution" : table == GrowthTable::Mp ? "MP Evolution" : "Experience Needed";
}

const char* GrowthAxisTitle(GrowthTable table)
{
    return table == GrowthTable::Hp ? "HP pnts." : table == GrowthTable::Mp ? "MP pnts." : "Exp. pnts.";
}

GrowthValues GrowthIncrements(const RomData& rd, GrowthTable table)
{
    GrowthValues v{};
    const RawTable& t = TableBytes(const_cast<RomData&>(rd), table);
    if (!Holds(t, table))
        return v;
    for (size_t i = 0; i < v.size(); ++i)
        v[i] = table == GrowthTable::Exp ? (t.bytes[2 * i] | (t.bytes[2 * i + 1] << 8)) * kExpUnit : t.bytes[i];
    return v;
}

GrowthValues GrowthShown(const RomData& rd, GrowthTable table, GrowthView view)
{
    GrowthValues v = GrowthIncrements(rd, table);
    if (view == GrowthView::Absolute)
        for (size_t i = 1; i < v.size(); ++i)
            v[i] += v[i - 1];
    return v;
}

void StoreGrowthRow(RomData& rd, GrowthTable table, GrowthView view, int row, int64_t value)
{
    if (row < 0 || row >= kGrowthLevels)
        return;
    if (view == GrowthView::Absolute) {
        const GrowthValues inc = GrowthIncrements(rd, table);
        for (int i = 0; i < row; ++i)
            value -= inc[static_cast<size_t>(i)];
        value = std::max<int64_t>(value, 0);
    }
    StoreIncrement(rd, table, row, value);
}

void StoreGrowthValues(RomData& rd, GrowthTable table, GrowthView view, const GrowthValues& values)
{
    for (int i = 0; i < kGrowthLevels; ++i) {
        int64_t v = values[static_cast<size_t>(i)];
        if (view == GrowthView::Absolute && i > 0)
            v = std::max<int64_t>(v - values[static_cast<size_t>(i - 1)], 0);
        StoreIncrement(rd, table, i, v);
    }
}

std::string GrowthQuickInfo(const RomData& rd, GrowthTable table)
{
    const GrowthValues inc = GrowthIncrements(rd, table);
    int64_t total = 0, maxInc = 0, minInc = kMinSearchStart;
    int maxLevel = 0, minLevel = 0;
    for (int i = 0; i < kGrowthLevels; ++i) {
        const int64_t v = inc[static_cast<size_t>(i)];
        total += v;
        if (v > maxInc) {
            maxInc = v;
            maxLevel = i + 2;
        }
        if (v < minInc) {
            minInc = v;
            minLevel = i + 2;
        }
    }
    char text[200];
    std::snprintf(text, sizeof text,
                  "Total at level 99: %lld\nMaximum increase was %lld at level %d\nMinimum increase was %lld at level %d",
                  static_cast<long long>(total), static_cast<long long>(maxInc), maxLevel,
                  static_cast<long long>(minInc), minLevel);
    return text;
}

std::string GrowthFileName(GrowthTable table, GrowthView view)
{
    const char* name = table == GrowthTable::Hp ? "HP" : table == GrowthTable::Mp ? "MP" : "EXP";
    return std::string(name) + (view == GrowthView::Absolute ? "_abs.txt" : "_inc.txt");
}

std::string GrowthExportText(const RomData& rd, GrowthTable table, GrowthView view)
{
    std::string what = table == GrowthTable::Hp ? "HP" : table == GrowthTable::Mp ? "MP" : "experience points";
    what += view == GrowthView::Absolute ? " absolute" : " increments";
    std::string text = "Quorvex Monsters Editor, Coded by Orvan\n- Actors " + what + " values report V1.0 -\n\n";
    text += "Value\tLevel\n";
    const GrowthValues v = GrowthShown(rd, table, view);
    for (int i = 0; i < kGrowthLevels; ++i)
        text += std::to_string(v[static_cast<size_t>(i)]) + "\t" + std::to_string(i + 2) + "\n";
    return text;
}

std::vector<int64_t> ReadGrowthFile(const std::string& text)
{
    std::vector<int64_t> values;
    size_t at = 0;
    while (at < text.size() && values.size() < static_cast<size_t>(kGrowthLevels)) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos)
            end = text.size();
        size_t len = end - at;
        if (len > 0 && text[at + len - 1] == '\r')
            --len;
        if (len <= kGrowthLineMax && len > 0 && std::isdigit(static_cast<unsigned char>(text[at]))) {
            int64_t v = 0;
            for (size_t i = at; i < at + len && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
                v = std::min<int64_t>(v * 10 + (text[i] - '0'), INT_MAX);
            values.push_back(v);
        }
        at = end + 1;
    }
    return values;
}

GrowthImport ImportGrowth(RomData& rd, GrowthTable table, GrowthView view, const std::string& text)
{
    GrowthImport result;
    const std::vector<int64_t> values = ReadGrowthFile(text);
    if (values.size() != static_cast<size_t>(kGrowthLevels)) {
        char message[80];
        std::snprintf(message, sizeof message, "Only read %d values / %d, canceling import",
                      static_cast<int>(values.size()), kGrowthLevels);
        result.message = message;
        return result;
    }
    GrowthValues v{};
    std::copy(values.begin(), values.end(), v.begin());
    StoreGrowthValues(rd, table, view, v);
    result.ok = true;
    result.message = kGrowthImported;
    return result;
}

} // namespace quorvex
