#pragma once
// Dual-tile encoding of town dialogue and location names: codes 0x80-0xFF
// stand for a pair of other codes from a 128-entry table, so that frequent
// letter pairs take one byte. The Japanese release has no such table; its
// codes 0xD8-0xEF stand for the 24 strings of a multiple-tile block.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace quorvex {

class CFF6DynTextObj;

constexpr int kDteEntries = 128;
constexpr uint16_t kDteNotLoaded = 0xFFFF;

struct DteTable {
    // Entry k (code 0x80 + k) is bytes[2k], bytes[2k + 1]; the first byte
    // is emitted first. Kept as 128 two-byte records, one after the other,
    // so an editor page can edit them as fixed records.
    std::array<uint8_t, kDteEntries * 2> bytes{};

    DteTable() { Unload(); }
    uint8_t First(int k) const { return bytes[2 * static_cast<size_t>(k)]; }
    uint8_t Second(int k) const { return bytes[2 * static_cast<size_t>(k) + 1]; }
    uint16_t Entry(int k) const { return static_cast<uint16_t>(First(k) | (Second(k) << 8)); }
    void Set(int k, uint8_t first, uint8_t second)
    {
        bytes[2 * static_cast<size_t>(k)] = first;
        bytes[2 * static_cast<size_t>(k) + 1] = second;
    }
    // Every entry 0xFFFF: the table is not loaded.
    void Unload() { bytes.fill(0xFF); }
    bool Loaded() const;
};

// Space code of the dialogue encoding: 0x7F for the North American release,
// 0xFF otherwise.
inline uint8_t DialogueSpace(uint8_t romType) { return romType == 1 ? 0x7F : 0xFF; }

// Turns a stored town-dialogue or location-name string (no terminator) into
// plain codes: dual tiles (release 1) or multiple tiles (release 2, codes
// 0xD8-0xEF) are replaced by what they stand for; operands are copied as
// they are. `mte` may be null.
std::vector<uint8_t> ExpandDialogue(const uint8_t* s, size_t n, const DteTable& dte, const CFF6DynTextObj* mte,
                                    uint8_t romType);
inline std::vector<uint8_t> ExpandDialogue(const std::vector<uint8_t>& s, const DteTable& dte,
                                           const CFF6DynTextObj* mte, uint8_t romType)
{
    return ExpandDialogue(s.data(), s.size(), dte, mte, romType);
}

// Compresses a plain dialogue string: runs of spaces become the space-run
// code 0x14 n, and (release 1 with a loaded table) letter pairs become dual
// tiles, greedily from the left, the lowest entry winning.
std::vector<uint8_t> CompressDialogue(const std::vector<uint8_t>& plain, const DteTable& dte, uint8_t romType);

} // namespace quorvex
