#include "controls/Fields.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace quorvex {

int32_t ReadNumberField(const std::string& text, FieldRange range)
{
    const std::string head = text.substr(0, 5);
    // sscanf("%u"/"%d") semantics: leading spaces skipped, digits up to the
    // first other character, nothing parsed reads as 0. "%u" accepts a sign
    // too and wraps a negative number, which then compares as the negative
    // signed value it was: both formats give the same signed result here.
    size_t i = 0;
    while (i < head.size() && std::isspace(static_cast<unsigned char>(head[i])))
        ++i;
    bool negative = false;
    if (i < head.size() && (head[i] == '-' || head[i] == '+')) {
        negative = head[i] == '-';
        ++i;
    }
    int64_t value = 0;
    bool any = false;
    while (i < head.size() && std::isdigit(static_cast<unsigned char>(head[i]))) {
        value = value * 10 + (head[i] - '0');
        any = true;
        ++i;
    }
    if (!any)
        value = 0;
    if (negative)
        value = -value;
    if (value > static_cast<int64_t>(range.bound) - 1)
        value = static_cast<int64_t>(range.bound) - 1;
    if (value < range.minimum)
        value = range.minimum;
    return static_cast<int32_t>(value);
}

std::string NumberFieldText(int64_t value) { return std::to_string(value); }

void StoreFieldValue(uint8_t* field, int bytes, int32_t value)
{
    const uint32_t v = static_cast<uint32_t>(value);
    for (int i = 0; i < bytes && i < 4; ++i)
        field[i] = static_cast<uint8_t>(v >> (8 * i));
}

int64_t LoadFieldValue(const uint8_t* field, int bytes, bool isSigned)
{
    uint32_t v = 0;
    for (int i = 0; i < bytes && i < 4; ++i)
        v |= static_cast<uint32_t>(field[i]) << (8 * i);
    if (!isSigned)
        return v;
    switch (bytes) {
    case 1:
        return static_cast<int8_t>(v);
    case 2:
        return static_cast<int16_t>(v);
    default:
        return static_cast<int32_t>(v);
    }
}

std::string HexFieldText(uint32_t value, int digits)
{
    char buf[16];
    if (digits <= 2)
        std::snprintf(buf, sizeof buf, "%02X", value & 0xFF);
    else
        std::snprintf(buf, sizeof buf, "%04X", value & 0xFFFF);
    return buf;
}

int32_t ReadHexField(const std::string& text, int digits)
{
    size_t a = 0, b = text.size();
    while (a < b && std::isspace(static_cast<unsigned char>(text[a])))
        ++a;
    while (b > a && std::isspace(static_cast<unsigned char>(text[b - 1])))
        --b;
    if (a == b)
        return -1;
    uint32_t v = 0;
    const int limit = digits <= 2 ? 2 : digits <= 4 ? 4 : 8;
    if (static_cast<int>(b - a) > limit)
        return -1;
    for (size_t i = a; i < b; ++i) {
        const char c = text[i];
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            return -1;
        v = (v << 4) | static_cast<uint32_t>(d);
    }
    return static_cast<int32_t>(v & 0x7FFFFFFF);
}

void CheckColumn::HeaderClick()
{
    bool anyOn = false;
    for (bool c : m_cells)
        anyOn = anyOn || c;
    for (size_t i = 0; i < m_cells.size(); ++i)
        m_cells[i] = !anyOn;
}

void CheckColumn::Load(const uint8_t* field, size_t size, const std::vector<CheckBit>& map)
{
    for (int r = 0; r < Rows() && static_cast<size_t>(r) < map.size(); ++r) {
        const CheckBit cb = map[static_cast<size_t>(r)];
        if (cb.byte < 0 || static_cast<size_t>(cb.byte) >= size || cb.bit < 0 || cb.bit > 7)
            continue;
        SetCell(r, (field[cb.byte] >> cb.bit) & 1);
    }
}

void CheckColumn::Commit(uint8_t* field, size_t size, const std::vector<CheckBit>& map) const
{
    for (int r = 0; r < Rows() && static_cast<size_t>(r) < map.size(); ++r) {
        const CheckBit cb = map[static_cast<size_t>(r)];
        if (cb.byte < 0 || static_cast<size_t>(cb.byte) >= size || cb.bit < 0 || cb.bit > 7)
            continue;
        const uint8_t mask = static_cast<uint8_t>(1u << cb.bit);
        field[cb.byte] = Cell(r) ? static_cast<uint8_t>(field[cb.byte] | mask) : static_cast<uint8_t>(field[cb.byte] & ~mask);
    }
}

std::vector<CheckBit> DefaultCheckMap(int rows)
{
    std::vector<CheckBit> map;
    for (int r = 0; r < rows; ++r)
        map.push_back(DefaultCheckBit(r));
    return map;
}

const char* const kProgressCaptions[14] = {
    "Loading Monster List",        "Loading Item List",          "Loading Comsumable Item List",
    "Loading Weapon Item List",    "Loading Tool Item List",     "Loading Rare Items List",
    "Loading Spell List",          "Loading MagiTek List",       "Loading Blitz List",
    "Loading Battle Commands List", "Loading Item Types List",   "Loading Battle Statuses List",
    "Loading Dances Names List",   "Loading Text List",
};

} // namespace quorvex
