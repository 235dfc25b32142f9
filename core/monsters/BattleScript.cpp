#include "monsters/BattleScript.h"

namespace quorvex {

int ScriptOperandCount(uint8_t opcode)
{
    // F0 F1 F2 F3 F4 F5 F6 F7 F8 F9 FA FB FC FD FE FF
    static constexpr int kHigh[16] = {3, 1, 3, 2, 3, 3, 3, 1, 2, 3, 3, 2, 3, 0, 0, 0};
    return opcode < 0xF0 ? 0 : kHigh[opcode - 0xF0];
}

size_t ScriptExtent(const uint8_t* p, size_t available)
{
    size_t pos = 0;
    int breaks = 0;
    while (breaks < 2) {
        if (pos >= available)
            return 0;
        const uint8_t op = p[pos];
        pos += static_cast<size_t>(ScriptCommandLength(op));
        if (op == kScriptBreak)
            ++breaks;
    }
    // A command whose operands run past the bytes cannot be taken.
    return pos <= available ? pos : 0;
}

BattleScript::BattleScript() : m_bytes{kScriptBreak, kScriptBreak}, m_lengths{1, 1}, m_offsets{0, 1} {}

void BattleScript::Reindex(int k)
{
    m_offsets.resize(m_lengths.size());
    uint32_t at = k > 0 ? m_offsets[static_cast<size_t>(k) - 1] + m_lengths[static_cast<size_t>(k) - 1] : 0;
    for (size_t j = static_cast<size_t>(k); j < m_lengths.size(); ++j) {
        m_offsets[j] = at;
        at += m_lengths[j];
    }
}

bool BattleScript::Split(const uint8_t* p, size_t available)
{
    const size_t extent = ScriptExtent(p, available);
    if (extent == 0 || extent > 0xFFFF)
        return false;
    m_bytes.assign(p, p + extent);
    m_lengths.clear();
    for (size_t pos = 0; pos < extent;) {
        const uint16_t len = static_cast<uint16_t>(ScriptCommandLength(p[pos]));
        m_lengths.push_back(len);
        pos += len;
    }
    Reindex(0);
    return true;
}

uint16_t BattleScript::CommandLength(int k) const
{
    if (k < 0 || k >= CommandCount())
        return kNoCommand;
    return m_lengths[static_cast<size_t>(k)];
}

size_t BattleScript::CommandOffset(int k) const
{
    if (k < 0)
        return 0;
    return k < CommandCount() ? m_offsets[static_cast<size_t>(k)] : m_bytes.size();
}

std::vector<uint8_t> BattleScript::CommandBytes(int k) const
{
    if (k < 0 || k >= CommandCount())
        return {};
    const size_t at = CommandOffset(k);
    return std::vector<uint8_t>(m_bytes.begin() + static_cast<long>(at),
                                m_bytes.begin() + static_cast<long>(at + m_lengths[static_cast<size_t>(k)]));
}

int BattleScript::Operand(int k, int j) const
{
    if (k < 0 || k >= CommandCount() || j < 0 || j + 1 >= m_lengths[static_cast<size_t>(k)])
        return -1;
    return m_bytes[CommandOffset(k) + 1 + static_cast<size_t>(j)];
}

uint16_t BattleScript::InsertAt(int k, const uint8_t* command)
{
    const uint16_t len = static_cast<uint16_t>(ScriptCommandLength(command[0]));
    const size_t at = CommandOffset(k);
    m_bytes.insert(m_bytes.begin() + static_cast<long>(at), command, command + len);
    m_lengths.insert(m_lengths.begin() + k, len);
    Reindex(k);
    return len;
}

uint16_t BattleScript::RemoveAt(int k)
{
    const uint16_t len = m_lengths[static_cast<size_t>(k)];
    const size_t at = CommandOffset(k);
    m_bytes.erase(m_bytes.begin() + static_cast<long>(at), m_bytes.begin() + static_cast<long>(at + len));
    m_lengths.erase(m_lengths.begin() + k);
    Reindex(k);
    return len;
}

} // namespace quorvex
