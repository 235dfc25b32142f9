#pragma once
// The 384 monster battle scripts as the editor works on them, and the byte
// budget they share.
//
// In the ROM the scripts lie in one data area, found through a table of 384
// little-endian 16-bit offsets (one per monster) counted from the area's
// start. The game's own area holds 14672 bytes; once the scripts have been
// moved into the expanded section it is a whole 64 KiB bank. The set keeps
// every script as its own list of commands; packing lays them out again in
// monster order, with no gaps, and rebuilds the offsets.
#include <array>
#include <cstdint>
#include <vector>

#include "monsters/BattleScript.h"

namespace quorvex {

constexpr int kBattleScriptCount = 384;
constexpr uint32_t kScriptPointerBytes = 2 * kBattleScriptCount; // 0x300
constexpr uint32_t kScriptSpaceOwn = 0x3950;                     // 14672 bytes
constexpr uint32_t kScriptSpaceRelocated = 0x10000;

// How the last load went.
enum BattleScriptStatus : int {
    kScriptsGood = 0,
    kScriptsUnsplittable = -2, // a script runs off the area (or its pointer leads outside it)
    kScriptsOverCapacity = -3, // overlapping or shared scripts: counted once per pointer, they do not fit
    kScriptsMagRoader = -4,    // the game's own defect of script 243, repaired by the editor
};

// The Mag Roader script (monster 243) overlaps the next script by 12 bytes
// in the game as shipped; the editor replaces it by this 11-byte script.
constexpr int kMagRoaderScript = 243;
constexpr int kMagRoaderDefectLength = 29;
constexpr int kMagRoaderOverlap = 12;
extern const std::vector<uint8_t> kMagRoaderRepair;

class BattleScriptSet {
public:
    BattleScriptSet() { InitSet(kScriptSpaceOwn); }

    // 384 scripts FF FF and the given capacity.
    void InitSet(uint32_t capacity);
    // Splits each script at its pointer from `data` (dataSize bytes that
    // really hold script data) and returns the status.
    int LoadSet(const uint8_t* pointers, const uint8_t* data, size_t dataSize);
    // A 64 KiB area (0xFF where no script lies) and the 768-byte pointer
    // table, scripts laid out in monster order from offset 0.
    void PackSet(std::vector<uint8_t>& data, std::vector<uint8_t>& pointers) const;

    const BattleScript& Script(int i) const { return m_scripts[static_cast<size_t>(i)]; }
    int ScriptLength(int i) const { return Script(i).Length(); }
    int CommandCount(int i) const { return Script(i).CommandCount(); }
    uint16_t CommandLength(int i, int k) const { return Script(i).CommandLength(k); }
    std::vector<uint8_t> CommandBytes(int i, int k) const { return Script(i).CommandBytes(k); }

    // Inserts one command before command k; -1 when k lies after the final
    // 0xFF. Returns the inserted length (added to used). The budget is the
    // caller's: used may pass the capacity.
    int InsertCommand(int i, int k, const uint8_t* command);
    // Removes command k; -1 when the script has fewer than 3 commands or k
    // is not one of its commands. Returns the removed length.
    int DeleteCommand(int i, int k);
    // Replaces script i by the script at the start of `bytes` (up to its
    // second 0xFF); false, nothing changed, when they hold no whole script.
    bool ReplaceScript(int i, const uint8_t* bytes, size_t n);
    bool ReplaceScript(int i, const std::vector<uint8_t>& bytes) { return ReplaceScript(i, bytes.data(), bytes.size()); }
    bool ReplaceScript(int i, const BattleScript& script);
    // Script i becomes FF FF.
    void EraseScript(int i);

    uint32_t Capacity() const { return m_capacity; }
    void SetCapacity(uint32_t capacity) { m_capacity = capacity; }
    int Count() const { return kBattleScriptCount; }
    uint32_t Used() const { return m_used; }
    // "Avail. bytes": capacity - used, negative when the scripts do not fit.
    int64_t Avail() const { return static_cast<int64_t>(m_capacity) - m_used; }
    int Status() const { return m_status; }
    void SetStatus(int status) { m_status = status; }

    bool operator==(const BattleScriptSet& other) const { return m_scripts == other.m_scripts; }

private:
    std::array<BattleScript, kBattleScriptCount> m_scripts;
    uint32_t m_capacity = kScriptSpaceOwn;
    uint32_t m_used = 0;
    int m_status = kScriptsGood;
};

} // namespace quorvex
