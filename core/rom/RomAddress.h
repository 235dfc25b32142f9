#pragma once
// Positions in the image. The game is mapped HiROM, so its own 24-bit
// addresses live in banks $C0-$FF:
//   ROM offset      = SNES address - 0xC00000
//   headered offset = ROM offset + 0x200 (where the byte sits behind a copier header)
//   file offset     = headered offset, less 0x200 when the image is header-less
// Fixed positions and image sizes are kept as headered offsets.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace quorvex {

constexpr uint32_t kCopierHeaderSize = 0x200;
constexpr uint32_t kSnesBase = 0xC00000;

constexpr uint32_t SnesToRom(uint32_t snes) { return snes - kSnesBase; }
constexpr uint32_t RomToSnes(uint32_t rom) { return rom + kSnesBase; }
constexpr uint32_t RomToHeadered(uint32_t rom) { return rom + kCopierHeaderSize; }
constexpr uint32_t HeaderedToRom(uint32_t headered) { return headered - kCopierHeaderSize; }
constexpr uint32_t SnesToHeadered(uint32_t snes) { return snes - 0xBFFE00; }
constexpr uint32_t HeaderedToSnes(uint32_t headered) { return headered + 0xBFFE00; }

// Headered offset to the byte's real position in the file.
constexpr uint32_t FileOffset(uint32_t headered, bool headerless)
{
    return headerless ? headered - kCopierHeaderSize : headered;
}

// Tables of 3-byte little-endian values (SNES pointers, mostly).
std::vector<uint32_t> Read24BitTable(const uint8_t* bytes, size_t count);
void Write24BitTable(const std::vector<uint32_t>& values, uint8_t* out);

inline uint16_t ReadLe16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
inline uint32_t ReadLe24(const uint8_t* p) { return p[0] | (p[1] << 8) | (static_cast<uint32_t>(p[2]) << 16); }
inline uint32_t ReadLe32(const uint8_t* p) { return ReadLe24(p) | (static_cast<uint32_t>(p[3]) << 24); }
inline void WriteLe16(uint8_t* p, uint16_t v)
{
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
inline void WriteLe24(uint8_t* p, uint32_t v)
{
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p[2] = static_cast<uint8_t>(v >> 16);
}
inline void WriteLe32(uint8_t* p, uint32_t v)
{
    WriteLe24(p, v);
    p[3] = static_cast<uint8_t>(v >> 24);
}

} // namespace quorvex
