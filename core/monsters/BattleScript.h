#pragma once
// One monster's battle script: the short byte program the game runs to
// choose the monster's actions. A script is a list of commands; a command is
// an opcode byte followed by as many operand bytes as the opcode takes
// (opcodes below 0xF0 are plain attacks and take none). The first 0xFF ends
// the first wave of attacks, the second 0xFF ends the script; the commands
// between them form the second wave. The shortest script is FF FF.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace quorvex {

constexpr uint8_t kScriptBreak = 0xFF;
// Longest command: an opcode and three operands.
constexpr int kMaxCommandBytes = 4;
// CommandLength of a command that does not exist.
constexpr uint16_t kNoCommand = 0xFFFF;

// Operand bytes that follow the opcode.
int ScriptOperandCount(uint8_t opcode);
inline int ScriptCommandLength(uint8_t opcode) { return 1 + ScriptOperandCount(opcode); }

// Bytes the script starting at p takes up to and including its second
// 0xFF command; 0 when the bytes end first (the script cannot be split).
size_t ScriptExtent(const uint8_t* p, size_t available);

class BattleScript {
public:
    // The script FF FF.
    BattleScript();

    // Takes the script that starts at p: every command up to the second
    // 0xFF. False (and the script left as it was) when the bytes end first.
    bool Split(const uint8_t* p, size_t available);
    bool Split(const std::vector<uint8_t>& bytes) { return Split(bytes.data(), bytes.size()); }

    const std::vector<uint8_t>& Bytes() const { return m_bytes; }
    uint16_t Length() const { return static_cast<uint16_t>(m_bytes.size()); }
    int CommandCount() const { return static_cast<int>(m_lengths.size()); }
    // 1 + operand count of command k; kNoCommand past the end.
    uint16_t CommandLength(int k) const;
    // Byte offset of command k (the script's length for k = count).
    size_t CommandOffset(int k) const;
    // The bytes of command k (empty past the end).
    std::vector<uint8_t> CommandBytes(int k) const;
    uint8_t Opcode(int k) const { return m_bytes[CommandOffset(k)]; }
    // Operand j (0-2) of command k, or -1 when the command has none there.
    int Operand(int k, int j) const;

    // Puts a whole command (its length taken from its opcode) before
    // command k, 0 <= k <= count; returns its length.
    uint16_t InsertAt(int k, const uint8_t* command);
    // Removes command k; returns its length.
    uint16_t RemoveAt(int k);

    bool operator==(const BattleScript& other) const { return m_bytes == other.m_bytes; }

private:
    // Offsets of the commands from k on, after a change at command k.
    void Reindex(int k);

    std::vector<uint8_t> m_bytes;
    std::vector<uint16_t> m_lengths;
    std::vector<uint32_t> m_offsets; // where each command starts
};

} // namespace quorvex
