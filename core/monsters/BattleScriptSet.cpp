#include "monsters/BattleScriptSet.h"

#include <algorithm>

#include "rom/RomAddress.h"

namespace quorvex {

const std::vector<uint8_t> kMagRoaderRepair = {0xF0, 0xEE, 0xEE, 0xEF, 0xFD, 0xF0, 0x00, 0x05, 0x05, 0xFF, 0xFF};

void BattleScriptSet::InitSet(uint32_t capacity)
{
    m_scripts.fill(BattleScript());
    m_capacity = capacity;
    m_used = 2u * kBattleScriptCount;
    m_status = kScriptsGood;
}

int BattleScriptSet::LoadSet(const uint8_t* pointers, const uint8_t* data, size_t dataSize)
{
    m_used = 0;
    for (int i = 0; i < kBattleScriptCount; ++i) {
        const size_t at = ReadLe16(pointers + 2 * i);
        BattleScript& s = m_scripts[static_cast<size_t>(i)];
        if (at >= dataSize || !s.Split(data + at, dataSize - at)) {
            // The rest of the set holds the scripts FF FF, counted as well.
            for (int j = i; j < kBattleScriptCount; ++j) {
                m_scripts[static_cast<size_t>(j)] = BattleScript();
                m_used += 2;
            }
            m_status = kScriptsUnsplittable;
            return m_status;
        }
        m_used += s.Length();
    }
    // Every script is counted once per pointer, so overlapping scripts,
    // shared pointers and scripts that run past their bank all show here.
    const int64_t free = Avail();
    if (free >= 0)
        m_status = kScriptsGood;
    else if (free == -kMagRoaderOverlap && ScriptLength(kMagRoaderScript) == kMagRoaderDefectLength)
        m_status = kScriptsMagRoader;
    else
        m_status = kScriptsOverCapacity;
    return m_status;
}

void BattleScriptSet::PackSet(std::vector<uint8_t>& data, std::vector<uint8_t>& pointers) const
{
    data.assign(kScriptSpaceRelocated, 0xFF);
    pointers.assign(kScriptPointerBytes, 0);
    uint32_t at = 0;
    for (int i = 0; i < kBattleScriptCount; ++i) {
        WriteLe16(&pointers[2 * static_cast<size_t>(i)], static_cast<uint16_t>(at));
        const std::vector<uint8_t>& b = Script(i).Bytes();
        // Only a set that fits is ever packed; the clip keeps a caller that
        // forgot the check inside the buffer.
        const size_t n = std::min<size_t>(b.size(), data.size() - std::min<size_t>(at, data.size()));
        std::copy(b.begin(), b.begin() + static_cast<long>(n), data.begin() + static_cast<long>(std::min<size_t>(at, data.size())));
        at += static_cast<uint32_t>(b.size());
    }
}

int BattleScriptSet::InsertCommand(int i, int k, const uint8_t* command)
{
    BattleScript& s = m_scripts[static_cast<size_t>(i)];
    // Nothing may follow the final 0xFF: k = count - 1 inserts before it.
    if (k < 0 || k > s.CommandCount() - 1)
        return -1;
    const uint16_t len = s.InsertAt(k, command);
    m_used += len;
    return len;
}

int BattleScriptSet::DeleteCommand(int i, int k)
{
    BattleScript& s = m_scripts[static_cast<size_t>(i)];
    if (s.CommandCount() < 3 || k < 0 || k >= s.CommandCount())
        return -1;
    const uint16_t len = s.RemoveAt(k);
    m_used -= len;
    return len;
}

bool BattleScriptSet::ReplaceScript(int i, const uint8_t* bytes, size_t n)
{
    BattleScript s;
    if (!s.Split(bytes, n))
        return false;
    return ReplaceScript(i, s);
}

bool BattleScriptSet::ReplaceScript(int i, const BattleScript& script)
{
    BattleScript& s = m_scripts[static_cast<size_t>(i)];
    m_used = m_used - s.Length() + script.Length();
    s = script;
    return true;
}

void BattleScriptSet::EraseScript(int i) { ReplaceScript(i, BattleScript()); }

} // namespace quorvex
