#include "graphics/GraphicsTables.h"

#include <bit>

#include "rom/RomData.h"

namespace quorvex {

namespace {

std::vector<uint16_t> ReadWords(ImageFile& f, uint32_t rom, size_t count)
{
    const std::vector<uint8_t> raw = f.ReadRom(rom, count * 2);
    std::vector<uint16_t> words(count);
    for (size_t i = 0; i < count; ++i)
        words[i] = ReadLe16(&raw[2 * i]);
    return words;
}

void WriteWords(ImageFile& f, uint32_t rom, const std::vector<uint16_t>& words)
{
    if (words.empty())
        return;
    std::vector<uint8_t> raw(words.size() * 2);
    for (size_t i = 0; i < words.size(); ++i)
        WriteLe16(&raw[2 * i], words[i]);
    f.WriteRom(rom, raw);
}

} // namespace

const uint16_t* MonsterPalette(const GraphicsTables& g, int p)
{
    if (p < 0 || static_cast<size_t>(p) * 8 + 8 > g.monsterPalettes.size())
        return nullptr;
    return &g.monsterPalettes[static_cast<size_t>(p) * 8];
}

const uint8_t* MappingBytes(const GraphicsTables& g, int combined, size_t* length)
{
    combined &= 0xFF;
    if (combined >= 0x80) {
        *length = 32;
        return g.largeMappings[static_cast<size_t>(combined - 0x80)].data();
    }
    *length = 8;
    return g.smallMappings[static_cast<size_t>(combined)].data();
}

void CountMappingTiles(GraphicsTables& g)
{
    for (int m = 0; m < 256; ++m) {
        size_t len = 0;
        const uint8_t* bytes = MappingBytes(g, m, &len);
        int count = 0;
        for (size_t i = 0; i < len; ++i)
            count += std::popcount(bytes[i]);
        g.mappingTileCount[static_cast<size_t>(m)] = static_cast<uint16_t>(count);
    }
}

void LoadMonsterPalettes(ImageFile& f, RomData& rd)
{
    rd.gfx.monsterPalettes = ReadWords(f, kMonsterPalettesRom, kMonsterPaletteCount * 8);
    rd.gfx.extraPalettes = ReadWords(f, kExtraPalettesRom, kExtraPaletteCount * 8);
}
void StoreMonsterPalettes(ImageFile& f, RomData& rd)
{
    WriteWords(f, kMonsterPalettesRom, rd.gfx.monsterPalettes);
    WriteWords(f, kExtraPalettesRom, rd.gfx.extraPalettes);
}

void LoadGraphics(ImageFile& f, RomData& rd)
{
    GraphicsTables& g = rd.gfx;
    LoadBitmapTables(f, rd);
    g.monsterGraphics = f.ReadRom(kMonsterGfxRom, (rd.romType == kRomFF6j ? kMonsterGfxEndRomJp : kMonsterGfxEndRom) - kMonsterGfxRom);
    const std::vector<uint8_t> records = f.ReadRom(kMonsterGfxRecordsRom, kMonsterGfxRecordCount * 5);
    g.monsterGfxRecords.assign(kMonsterGfxRecordCount, {});
    for (int i = 0; i < kMonsterGfxRecordCount; ++i)
        for (int b = 0; b < 5; ++b)
            g.monsterGfxRecords[static_cast<size_t>(i)].bytes[static_cast<size_t>(b)] = records[static_cast<size_t>(i * 5 + b)];
    // The mappings are only read: the sprites are never re-laid out.
    f.ReadRom(kSmallMappingsRom, &g.smallMappings[0][0], sizeof g.smallMappings);
    f.ReadRom(kLargeMappingsRom, &g.largeMappings[0][0], kLargeMappingsInGame * sizeof g.largeMappings[0]);
    CountMappingTiles(g);
}
void StoreGraphics(ImageFile& f, RomData& rd)
{
    GraphicsTables& g = rd.gfx;
    StoreBitmapTables(f, rd);
    if (!g.monsterGraphics.empty())
        f.WriteRom(kMonsterGfxRom, g.monsterGraphics);
    if (!g.monsterGfxRecords.empty()) {
        std::vector<uint8_t> records;
        records.reserve(g.monsterGfxRecords.size() * 5);
        for (const MonsterGfxRecord& r : g.monsterGfxRecords)
            records.insert(records.end(), r.bytes.begin(), r.bytes.end());
        f.WriteRom(kMonsterGfxRecordsRom, records);
    }
}

void LoadBattleBackgrounds(ImageFile& f, RomData& rd)
{
    GraphicsTables& g = rd.gfx;
    const std::vector<uint8_t> records = f.ReadRom(kBackgroundRecordsRom, kBackgroundCount * 6);
    g.backgrounds.assign(kBackgroundCount, {});
    for (int i = 0; i < kBackgroundCount; ++i)
        for (int b = 0; b < 6; ++b)
            g.backgrounds[static_cast<size_t>(i)].bytes[static_cast<size_t>(b)] = records[static_cast<size_t>(i * 6 + b)];
    g.backgroundPalettes = f.ReadRom(kBackgroundPalettesRom, kBackgroundPaletteBytes);
    const std::vector<uint8_t> ptrs = f.ReadRom(kBackgroundGfxPointersRom, kBackgroundGfxPointerCount * 3);
    g.backgroundGfxPointers = Read24BitTable(ptrs.data(), kBackgroundGfxPointerCount);
    g.backgroundTileMapPointers = ReadWords(f, kBackgroundTileMapPointersRom, kBackgroundTileMapCount);
    g.backgroundData = f.ReadRom(kBackgroundDataRom, kBackgroundDataSize);
    // Pictures drawn from a previously open image are stale now.
    g.backgroundCache = {};
}
void StoreBattleBackgrounds(ImageFile& f, RomData& rd)
{
    GraphicsTables& g = rd.gfx;
    if (g.backgrounds.empty())
        return;
    std::vector<uint8_t> records;
    for (const BattleBackgroundRecord& r : g.backgrounds)
        records.insert(records.end(), r.bytes.begin(), r.bytes.end());
    f.WriteRom(kBackgroundRecordsRom, records);
    f.WriteRom(kBackgroundPalettesRom, g.backgroundPalettes);
    std::vector<uint8_t> ptrs(g.backgroundGfxPointers.size() * 3);
    Write24BitTable(g.backgroundGfxPointers, ptrs.data());
    f.WriteRom(kBackgroundGfxPointersRom, ptrs);
    WriteWords(f, kBackgroundTileMapPointersRom, g.backgroundTileMapPointers);
    f.WriteRom(kBackgroundDataRom, g.backgroundData);
}

} // namespace quorvex
