#pragma once
// Graphics tables of the image: monster palettes (step 9.2); fonts, monster
// graphics, mappings and tile sets (9.3); battle backgrounds (9.19).
//
// The monster and battle background tables are modelled here; nothing of
// them is edited, they are written back as read. The fonts, wallpapers and
// field sprites that the bitmap editor paints are BitmapTables.
#include <array>
#include <cstdint>
#include <vector>

#include "graphics/Bitmap.h"
#include "graphics/BitmapTables.h"
#include "rom/RawTable.h"

namespace quorvex {

struct RomData;

constexpr int kMonsterGfxRecordCount = 416;
constexpr int kMonsterPaletteCount = 768; // 8-colour palettes
constexpr int kExtraPaletteCount = 32;
constexpr uint32_t kMonsterGfxSnes = 0xE97000;   // monster tile data area
constexpr uint32_t kMonsterGfxRom = 0x297000;
constexpr size_t kMonsterGfxSize = 0x39000; // the largest area, as the renderer addresses it
// Where the monster tile data really ends: natural magic follows at
// 0x2CE3C0, and the Japanese release keeps its battle command names at
// 0x2CE300. Only this much is read and written.
constexpr uint32_t kMonsterGfxEndRom = 0x2CE3C0;
constexpr uint32_t kMonsterGfxEndRomJp = 0x2CE300;
constexpr uint32_t kMonsterGfxRecordsRom = 0x127000;
constexpr uint32_t kMonsterPalettesRom = 0x127820;
constexpr uint32_t kExtraPalettesRom = 0x12EE00;
constexpr uint32_t kSmallMappingsRom = 0x12A824; // 128 x 8 bytes, then 128 x 32 bytes
constexpr uint32_t kLargeMappingsRom = 0x12AC24;
constexpr int kMappingCount = 128;
// The game has 48 large mappings (to 0x12B224); the item names follow soon
// after, so no more are read. The others stay empty.
constexpr int kLargeMappingsInGame = 48;

constexpr int kBackgroundCount = 56;
constexpr uint32_t kBackgroundRecordsRom = 0x270000;
constexpr uint32_t kBackgroundPalettesRom = 0x270150;
constexpr size_t kBackgroundPaletteBytes = 0x1500; // 336 palettes of 8 colours, six per set
constexpr uint32_t kBackgroundGfxPointersRom = 0x271650;
constexpr int kBackgroundGfxPointerCount = 168;
constexpr uint32_t kBackgroundTileMapPointersRom = 0x271848;
constexpr int kBackgroundTileMapCount = 112;
constexpr uint32_t kBackgroundDataRom = 0x271928; // compressed tile maps and graphics
constexpr uint32_t kBackgroundDataSnes = 0xE71928;
constexpr size_t kBackgroundDataSize = 0x249D8;

// One monster's graphics record (5 bytes).
struct MonsterGfxRecord {
    std::array<uint8_t, 5> bytes{};

    uint16_t Word() const { return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8)); }
    // Start of the tile data in 8-byte units from the monster graphics area.
    uint32_t TileStartUnits() const { return Word() & 0x7FFF; }
    bool Is3bpp() const { return (Word() & 0x8000) != 0; }
    int TileBytes() const { return Is3bpp() ? 24 : 32; }
    int Palette() const { return ((bytes[2] & 3) << 8) | bytes[3]; }
    bool IsLarge() const { return (bytes[2] & 0x80) != 0; }
    // Mapping number as the tile-count table counts it: large ones from 0x80.
    int CombinedMapping() const { return IsLarge() ? (bytes[4] + 0x80) & 0xFF : bytes[4]; }
};

// One battle background's record (6 bytes).
struct BattleBackgroundRecord {
    std::array<uint8_t, 6> bytes{};

    uint8_t Gfx(int bank) const { return bytes[static_cast<size_t>(bank)]; } // bank 0..2
    uint8_t TileMap() const { return bytes[3]; }
    uint8_t TileMap2() const { return bytes[4]; }
    int PaletteSet() const { return bytes[5] & 0x7F; }
    bool Mirage() const { return (bytes[5] & 0x80) != 0; }
};

// Backgrounds drawn once per image for the pickers and formation previews.
struct BackgroundCache {
    bool rendered = false;
    std::vector<CFF6Bitmap> large; // scale 1
    std::vector<CFF6Bitmap> small; // scale 2
};

struct GraphicsTables {
    // Step 9.2: palette words as stored (bit 15 is kept so that saving an
    // unedited image changes nothing; drawing ignores it).
    std::vector<uint16_t> monsterPalettes; // 768 x 8 words
    std::vector<uint16_t> extraPalettes;   // 32 x 8 words

    // Step 9.3.
    BitmapTables bitmaps; // fonts, wallpapers, field sprites
    std::vector<uint8_t> monsterGraphics;            // 0x39000 bytes of tile data
    std::vector<MonsterGfxRecord> monsterGfxRecords; // 416
    std::array<std::array<uint8_t, 8>, kMappingCount> smallMappings{};
    std::array<std::array<uint8_t, 32>, kMappingCount> largeMappings{};
    std::array<uint16_t, 256> mappingTileCount{}; // computed from the mappings (a full large one has 256)

    // Step 9.19.
    std::vector<BattleBackgroundRecord> backgrounds; // 56
    std::vector<uint8_t> backgroundPalettes;         // 0x1500 bytes, 8-colour palettes
    std::vector<uint32_t> backgroundGfxPointers;     // 168 SNES addresses
    std::vector<uint16_t> backgroundTileMapPointers; // 112 offsets within bank $E7
    std::vector<uint8_t> backgroundData;             // copy of $E71928.., 0x249D8 bytes

    BackgroundCache backgroundCache;
};

// Monster palette p (0..767) as 8 little-endian words, or null when p is
// outside the table.
const uint16_t* MonsterPalette(const GraphicsTables& g, int p);
// The mapping bytes of a combined mapping number (8 or 32 bytes).
const uint8_t* MappingBytes(const GraphicsTables& g, int combined, size_t* length);
// Recomputes the tile-count table from the mappings.
void CountMappingTiles(GraphicsTables& g);

void LoadMonsterPalettes(ImageFile& f, RomData& rd);
void StoreMonsterPalettes(ImageFile& f, RomData& rd);
void LoadGraphics(ImageFile& f, RomData& rd);
void StoreGraphics(ImageFile& f, RomData& rd);
void LoadBattleBackgrounds(ImageFile& f, RomData& rd);
void StoreBattleBackgrounds(ImageFile& f, RomData& rd);

} // namespace quorvex
