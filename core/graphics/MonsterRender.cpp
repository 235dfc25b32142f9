#include "graphics/MonsterRender.h"

#include <cstdio>
#include <functional>

#include "graphics/Color.h"
#include "graphics/Tiles.h"
#include "rom/RomData.h"

namespace quorvex {

std::vector<SnesColor> MonsterPaletteColours(const RomData& rd, int monster)
{
    const GraphicsTables& g = rd.gfx;
    if (monster < 0 || static_cast<size_t>(monster) >= g.monsterGfxRecords.size())
        return {};
    const MonsterGfxRecord& rec = g.monsterGfxRecords[static_cast<size_t>(monster)];
    // 4bpp takes palette p and p + 1 (the last palette twice); 3bpp takes the
    // eight colours of p. Palettes past the table are black.
    const int p = rec.Palette();
    const uint16_t* first = MonsterPalette(g, p);
    const uint16_t* second = rec.Is3bpp() ? nullptr : MonsterPalette(g, p == kMonsterPaletteCount - 1 ? p : p + 1);
    std::vector<SnesColor> out(rec.Is3bpp() ? 8 : 16, 0);
    for (size_t i = 0; i < 8; ++i) {
        out[i] = first ? static_cast<SnesColor>(first[i] & 0x7FFF) : 0;
        if (!rec.Is3bpp())
            out[8 + i] = second ? static_cast<SnesColor>(second[i] & 0x7FFF) : 0;
    }
    return out;
}

namespace {

// Walks a monster's mapping and hands every placed tile, decoded, to `draw`
// with its mapping column and row. Tile data that would run past the end of
// the graphics area is not drawn (a damaged record must not read beyond it).
struct SpriteWalk {
    uint32_t colors[16] = {};
    bool large = false;
    bool valid = false;
};

SpriteWalk WalkMonster(const RomData& rd, int monster,
                       const std::function<void(const uint8_t idx[64], int col, int row, const uint32_t* colors)>& draw)
{
    SpriteWalk walk;
    const GraphicsTables& g = rd.gfx;
    if (monster < 0 || static_cast<size_t>(monster) >= g.monsterGfxRecords.size())
        return walk;
    const MonsterGfxRecord& rec = g.monsterGfxRecords[static_cast<size_t>(monster)];
    walk.valid = true;
    walk.large = rec.IsLarge();

    const std::vector<SnesColor> palette = MonsterPaletteColours(rd, monster);
    for (size_t i = 0; i < palette.size(); ++i)
        walk.colors[i] = SnesToRgb(palette[i]);

    size_t mapLen = 0;
    const uint8_t* mapping = MappingBytes(g, rec.CombinedMapping(), &mapLen);
    const size_t tileBytes = static_cast<size_t>(rec.TileBytes());
    size_t at = static_cast<size_t>(rec.TileStartUnits()) * 8;
    // The layout follows the mapping actually addressed: a record flagged
    // large whose byte 4 is 0x80 or more wraps to a small mapping, and only
    // its 8 bytes may be read.
    const int bytesPerRow = mapLen == 32 ? 2 : 1;
    const int rows = mapLen == 32 ? 16 : 8;
    uint8_t idx[64];
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < 8 * bytesPerRow; ++c) {
            const uint8_t bits = mapping[r * bytesPerRow + c / 8];
            if (!(bits & (0x80 >> (c % 8))))
                continue;
            if (at + tileBytes <= g.monsterGraphics.size()) {
                if (rec.Is3bpp())
                    DecodeTile3bpp(&g.monsterGraphics[at], idx);
                else
                    DecodeTile4bpp(&g.monsterGraphics[at], idx);
                draw(idx, c, r, walk.colors);
            }
            at += tileBytes;
        }
    }
    return walk;
}

const MouldSlot kMoulds[kMouldCount][6] = {
    {{64, 64}, {64, 64}, {64, 64}, {64, 64}, {}, {}},
    {{64, 64}, {64, 64}, {32, 32}, {32, 32}, {32, 32}, {32, 32}},
    {{96, 64}, {96, 64}, {}, {}, {}, {}},
    {{64, 128}, {64, 128}, {}, {}, {}, {}},
    {{96, 64}, {64, 64}, {64, 64}, {}, {}, {}},
    {{64, 128}, {64, 64}, {64, 64}, {}, {}, {}},
    {{128, 128}, {}, {}, {}, {}, {}},
    {{96, 96}, {32, 96}, {32, 32}, {32, 32}, {32, 32}, {32, 32}},
    {{64, 64}, {64, 64}, {32, 64}, {32, 64}, {}, {}},
    {{96, 96}, {}, {}, {}, {}, {}},
    {{64, 96}, {32, 64}, {32, 64}, {32, 32}, {32, 32}, {}},
    {{32, 64}, {32, 64}, {32, 64}, {32, 64}, {64, 64}, {64, 64}},
    {{64, 64}, {64, 64}, {32, 64}, {32, 64}, {32, 64}, {32, 64}},
    {}, {}, {},
};

} // namespace

bool RenderMonster(const RomData& rd, int monster, CFF6Bitmap& bmp, int scale)
{
    if (scale < 1)
        scale = 1;
    const GraphicsTables& g = rd.gfx;
    const bool known = monster >= 0 && static_cast<size_t>(monster) < g.monsterGfxRecords.size();
    const bool large = known && g.monsterGfxRecords[static_cast<size_t>(monster)].IsLarge();
    bmp.Create((large ? 128 : 64) / scale, (large ? 128 : 64) / scale);
    if (!known)
        return false;
    WalkMonster(rd, monster, [&](const uint8_t idx[64], int c, int r, const uint32_t* colors) {
        DrawTileIndices(bmp, idx, c * 8 / scale, r * 8 / scale, colors, 16, scale);
    });
    return true;
}

const uint8_t* FormationBytes(const RomData& rd, int formation)
{
    const std::vector<uint8_t>& bytes = rd.monsters.formations.bytes;
    if (formation < 0 || static_cast<size_t>(formation + 1) * kFormationBytes > bytes.size())
        return nullptr;
    return &bytes[static_cast<size_t>(formation) * kFormationBytes];
}

int FormationSlotMonster(const uint8_t* record, int slot)
{
    return record[2 + slot] | (((record[14] >> slot) & 1) << 8);
}

MouldSlot MouldSlotSize(int mould, int slot)
{
    if (mould < 0 || mould >= kMouldCount || slot < 0 || slot >= 6)
        return {};
    return kMoulds[mould][slot];
}

uint32_t MouldSlotColor(int slot)
{
    static const uint32_t kColors[6] = {0xFF0000, 0xFF8080, 0x0000FF, 0x8080FF, 0x00FF00, 0x80FF80};
    return slot >= 0 && slot < 6 ? kColors[slot] : 0;
}

void RenderFormation(RomData& rd, int formation, int background, int mould, int scale, CFF6Bitmap& bmp,
                     const ProgressFn& progress)
{
    if (scale < 1)
        scale = 1;
    const int fieldW = 240 / scale, fieldH = 147 / scale;
    // A caller that shows progress hears of the formation first; the
    // backgrounds, when they still need drawing, report under their own
    // caption.
    if (progress)
        progress(kLoadingFormationGraphics, 0, 1);
    bmp.Create(fieldW, fieldH);
    bmp.Fill(BitmapFill::Gradient);
    RenderAllBackgrounds(rd, progress);
    const bool hasBackground = background >= 0 && background < kBackgroundCount;
    if (hasBackground) {
        const BackgroundCache& cache = rd.gfx.backgroundCache;
        const size_t b = static_cast<size_t>(background);
        if (scale == 1 && b < cache.large.size())
            bmp.CopyFrom(cache.large[b]);
        else if (scale == 2 && b < cache.small.size())
            bmp.CopyFrom(cache.small[b]);
        else
            RenderBackground(rd, background, bmp, scale, 0, false);
    }

    const uint8_t* rec = FormationBytes(rd, formation);
    if (rec) {
        for (int s = 0; s < 6; ++s) {
            const int monster = FormationSlotMonster(rec, s);
            if (!(rec[1] & (1 << s)) || monster >= kFormationMonsterLimit)
                continue;
            const int X = rec[8 + s] >> 4, Y = rec[8 + s] & 15;
            WalkMonster(rd, monster, [&](const uint8_t idx[64], int c, int r, const uint32_t* colors) {
                const int x = (X + c) * 8 / scale;
                const int y = ((Y + r) * 8 + 1) / scale;
                if (x < 0 || y < 0 || x >= fieldW || y >= fieldH)
                    return; // off the field: skipped, its data already counted
                DrawTileIndices(bmp, idx, x, y, colors, 16, scale);
            });
        }
        if (mould >= 0 && mould < kMouldCount) {
            for (int s = 0; s < 6; ++s) {
                const MouldSlot size = MouldSlotSize(mould, s);
                if (size.width == 0 || !(rec[1] & (1 << s)))
                    continue;
                const int X = rec[8 + s] >> 4, Y = rec[8 + s] & 15;
                // Frames follow the sprites' scaling so they stay around them.
                const int x0 = X * 8 / scale, y0 = (Y * 8 + 1) / scale;
                const int w = size.width / scale, h = size.height / scale;
                const uint32_t color = MouldSlotColor(s);
                for (int y = y0; y < y0 + h; ++y)
                    for (int x = x0; x < x0 + w; ++x)
                        if (x < x0 + 2 || x >= x0 + w - 2 || y < y0 + 2 || y >= y0 + h - 2)
                            bmp.SetPixel(x, y, color);
            }
        }
    }

    if (hasBackground && scale == 1) {
        for (int y = 0; y < 152; ++y) {
            for (int x = 0; x < 8; ++x) {
                bmp.SetPixel(x, y, kFormationBorderColor);
                bmp.SetPixel(248 + x, y, kFormationBorderColor);
            }
        }
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 256; ++x)
                bmp.SetPixel(x, y, kFormationBorderColor);
    }
}

std::string TilesStudioText(const RomData& rd, int monster)
{
    const GraphicsTables& g = rd.gfx;
    if (monster < 0 || static_cast<size_t>(monster) >= g.monsterGfxRecords.size())
        return {};
    const MonsterGfxRecord& rec = g.monsterGfxRecords[static_cast<size_t>(monster)];
    const uint32_t start = rec.TileStartUnits();
    const int count = g.mappingTileCount[static_cast<size_t>(rec.CombinedMapping())];
    const int bytes = count * rec.TileBytes();
    const uint32_t startAbs = kMonsterGfxSnes + 8 * start;
    const uint32_t stopAbs = startAbs + static_cast<uint32_t>(bytes);
    const uint32_t stop = (stopAbs - kMonsterGfxSnes) / 8;
    char buf[512];
    std::snprintf(buf, sizeof buf,
                  "Struct: <%02X%02X><%02X><%02X><%02X>\nTile strt rel: 0x%X\nTile strt abs: 0x%X\nTile stop rel: "
                  "0x%X\nTile stop abs: 0x%X\n8x8 tiles: %d (%d bytes)\nNb colors: %d\nPal idx: %d\nMapping idx: %d",
                  rec.bytes[0], rec.bytes[1], rec.bytes[2], rec.bytes[3], rec.bytes[4], start, startAbs, stop, stopAbs,
                  count, bytes, rec.Is3bpp() ? 8 : 16, rec.Palette(), rec.bytes[4]);
    return buf;
}

} // namespace quorvex
