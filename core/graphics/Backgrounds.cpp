#include "graphics/Backgrounds.h"

#include <cstdio>
#include <cstring>
#include <memory>

#include "graphics/Color.h"
#include "graphics/Decompress.h"
#include "graphics/Tiles.h"
#include "rom/RomData.h"

namespace quorvex {

namespace {

std::string Format(const char* fmt, auto... args)
{
    char buf[256];
    std::snprintf(buf, sizeof buf, fmt, args...);
    return buf;
}

// The image file opened on first need: uncompressed banks live only there.
class LazyImage {
public:
    explicit LazyImage(const RomData& rd) : m_rd(rd) {}
    // Reads n bytes at a SNES address; 0xFF for anything unavailable.
    void Read(uint32_t snes, uint8_t* dst, size_t n)
    {
        std::memset(dst, 0xFF, n);
        if (snes < kSnesBase)
            return;
        if (!m_tried) {
            m_tried = true;
            if (m_file.OpenForReading(m_rd.path) == ImageFile::OpenStatus::Ok)
                m_file.SetHeaderless(m_rd.IsHeaderless());
        }
        if (m_file.IsOpen())
            m_file.ReadRom(SnesToRom(snes), dst, n);
    }

private:
    const RomData& m_rd;
    ImageFile m_file;
    bool m_tried = false;
};

// Decompresses the block at `offset` of the compressed-data area into `dst`
// (n bytes) and appends the size lines. Returns false on a failed block.
bool UnpackInto(const std::vector<uint8_t>& area, size_t offset, uint8_t* dst, size_t n, std::string& text)
{
    const uint16_t L = ReadLe16(&area[offset]);
    if (L == 0) {
        text += "comp. size 0, skipping\n";
        return true;
    }
    text += Format("comp. size %dd/%xh, ", L, L);
    text += Format("decomp. size %dd/%xh%s", static_cast<int>(n), static_cast<unsigned>(n), "\n");
    std::vector<uint8_t> out(kDecompressMaxOutput, 0);
    const int got = DecompressBlock(area.data(), area.size(), offset, out.data());
    if (got < 0)
        return false;
    std::memcpy(dst, out.data(), n);
    return true;
}

// A map that shows bank 1, 2 and 3 tile by tile in 12 rows, palette 1.
void FillDummyMap(uint8_t* map)
{
    std::memset(map, 0, kBackgroundMapBytes);
    for (int i = 0; i < 3 * 128; ++i) {
        const int tile = i < 256 ? i : i + 0x80; // bank 3 is tiles 0x180-0x1FF
        WriteLe16(map + 2 * i, static_cast<uint16_t>(tile | (1 << 10)));
    }
}

} // namespace

std::string BuildBackground(const RomData& rd, int bg, std::vector<uint8_t>& buffer, bool dummyMap)
{
    buffer.assign(kBackgroundBufferBytes, 0);
    const GraphicsTables& g = rd.gfx;
    if (bg < 0 || static_cast<size_t>(bg) >= g.backgrounds.size())
        return {};
    const BattleBackgroundRecord& rec = g.backgrounds[static_cast<size_t>(bg)];
    const std::vector<uint8_t>& area = g.backgroundData;
    LazyImage image(rd);

    auto compressionText = [](uint8_t b) { return (b & 0x80) ? "not compressed" : "may or may not be compressed"; };
    char head[512];
    std::snprintf(head, sizeof head,
                  "gfx 1 idx: 0x%02X (%s),\ngfx 2 idx: 0x%02X (%s),\ngfx 3 idx: 0x%02X (%s),\n"
                  "assembly 1 idx: 0x%02X, assembly 2 idx(?): 0x%02X,\npalettes idx start = 0x%02X x6,\nmirages = %d\n\n",
                  rec.Gfx(0), compressionText(rec.Gfx(0)), rec.Gfx(1), compressionText(rec.Gfx(1)), rec.Gfx(2),
                  compressionText(rec.Gfx(2)), rec.TileMap(), rec.TileMap2(), rec.PaletteSet(), rec.Mirage() ? 1 : 0);
    std::string text = head;

    // Tile map.
    uint8_t* map = buffer.data();
    if (dummyMap) {
        FillDummyMap(map);
    } else {
        // Tile maps are addressed by 16-bit offsets within bank $E7; the
        // compressed area starts at $E71928. A pointer before the area, a
        // map number past the pointer table or a block past the end of the
        // area is reported like the game's own "something else" pointers.
        const bool known = rec.TileMap() < g.backgroundTileMapPointers.size();
        const uint32_t ptr = known ? g.backgroundTileMapPointers[rec.TileMap()] : 0;
        const uint32_t snes = 0xE70000 + ptr;
        if (!known || ptr < 0x1928 || ptr - 0x1928 + 2 > area.size()) {
            text += Format("assembly 1 @ 0x%06X: pointer to something else, sorry%s", snes, "\n");
        } else {
            text += Format("assembly 1 @ 0x%06X: ", snes);
            UnpackInto(area, ptr - 0x1928, map, kBackgroundMapBytes, text);
        }
    }

    // Graphics banks.
    uint32_t prevPos = 0;
    bool prevCompressed = false;
    for (int bank = 0; bank < 3; ++bank) {
        uint8_t* dst = buffer.data() + kBackgroundMapBytes + bank * kBackgroundBankBytes;
        const uint8_t b = rec.Gfx(bank);
        const int n = bank + 1;
        if (b == 0xFF) {
            if (bank == 0) {
                const uint32_t pos = g.backgroundGfxPointers.empty() ? 0 : SnesToHeadered(g.backgroundGfxPointers[0]);
                std::memset(dst, 0xFF, kBackgroundBankBytes);
                text += Format("gfx %d @ 0x%06X: using dummy data since no prev. bank%s", n, pos, "\n");
                prevPos = pos;
                prevCompressed = false;
            } else if (prevCompressed) {
                std::memset(dst, 0xFF, kBackgroundBankBytes);
                text += Format("gfx %d @ 0x%06X: using dummy data since prev. bank compr.%s", n, prevPos + 0x1000, "\n");
                prevPos += 0x1000;
            } else {
                const uint32_t pos = prevPos + 0x1000;
                image.Read(HeaderedToSnes(pos), dst, kBackgroundBankBytes);
                text += Format("gfx %d @ 0x%06X: 0x1000 after previous bank start%s", n, pos, "\n");
                prevPos = pos;
            }
            continue;
        }
        const uint32_t addr = g.backgroundGfxPointers.size() > static_cast<size_t>(b & 0x7F)
                                  ? g.backgroundGfxPointers[b & 0x7F]
                                  : 0;
        const uint32_t pos = addr - 0xBFFE00;
        if (!(b & 0x80) && addr >= 0xE70000) {
            prevCompressed = true;
            if (addr < kBackgroundDataSnes || addr - kBackgroundDataSnes + 2 > area.size()) {
                // The bank keeps what it held (zeros in a fresh buffer).
                text += Format("gfx %d @ 0x%06X: pointer to something else, sorry%s", n, pos, "\n");
            } else {
                text += Format("gfx %d @ 0x%06X: ", n, pos);
                if (!UnpackInto(area, addr - kBackgroundDataSnes, dst, kBackgroundBankBytes, text))
                    std::memset(dst, 0xFF, kBackgroundBankBytes);
            }
        } else {
            prevCompressed = false;
            image.Read(addr, dst, kBackgroundBankBytes);
            text += Format("gfx %d @ 0x%06X: Uncompressed bank%s", n, pos, "\n");
        }
        prevPos = pos;
    }

    text += "\nLine 1 data: ";
    for (int i = 0; i < 32; ++i)
        text += Format("%02X%02X ", map[2 * i], map[2 * i + 1]);
    return text;
}

void RenderBackgroundBuffer(const RomData& rd, int bg, const std::vector<uint8_t>& buffer, CFF6Bitmap& bmp, int scale,
                            int variant, int rows)
{
    if (scale < 1)
        scale = 1;
    bmp.Create(256 / scale, rows * 8 / scale);
    const GraphicsTables& g = rd.gfx;
    if (bg < 0 || static_cast<size_t>(bg) >= g.backgrounds.size() || buffer.size() < kBackgroundBufferBytes)
        return;
    const int shift = variant == 1 ? 2 : variant == 2 ? 4 : 0;
    const int base = g.backgrounds[static_cast<size_t>(bg)].PaletteSet() * 6 + shift;
    // Palette pairs for palette bits 1, 2 and 3; palettes past the table's
    // end (possible with a large palette set number) draw black.
    static const uint8_t kBlack[16] = {};
    auto half = [&](int q) -> const uint8_t* {
        const size_t at = static_cast<size_t>(q) * 16;
        return at + 16 <= g.backgroundPalettes.size() ? &g.backgroundPalettes[at] : kBlack;
    };
    SnesPalette16 pals[3];
    for (int i = 0; i < 3; ++i)
        pals[i].Load(half(base + 2 * i), half(base + 2 * i + 1));

    uint8_t tile[32];
    uint8_t idx[64];
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < 32; ++c) {
            const uint16_t e = ReadLe16(&buffer[static_cast<size_t>(2 * (r * 32 + c))]);
            const int pal = (e >> 10) & 3;
            const int t = e & 0x1FF;
            if (pal == 0 || (t >= 0x100 && t < 0x180))
                continue;
            const int bank = t < 0x80 ? 0 : t < 0x100 ? 1 : 2;
            std::memcpy(tile, &buffer[kBackgroundMapBytes + bank * kBackgroundBankBytes + (t & 0x7F) * 32], 32);
            if (e & 0x4000)
                MirrorTile4bpp(tile);
            if (e & 0x8000)
                FlipTile4bpp(tile);
            DecodeTile4bpp(tile, idx);
            DrawTileIndices(bmp, idx, c * 8 / scale, r * 8 / scale, pals[pal - 1].rgb.data(), 16, scale);
        }
    }
}

void RenderBackground(const RomData& rd, int bg, CFF6Bitmap& bmp, int scale, int variant, bool dummyMap)
{
    std::vector<uint8_t> buffer;
    BuildBackground(rd, bg, buffer, dummyMap);
    RenderBackgroundBuffer(rd, bg, buffer, bmp, scale, variant, dummyMap ? kBackgroundDummyRows : kBackgroundRows);
}

void RenderAllBackgrounds(RomData& rd, const ProgressFn& progress)
{
    BackgroundCache& cache = rd.gfx.backgroundCache;
    if (cache.rendered)
        return;
    cache.large.assign(kBackgroundCount, {});
    cache.small.assign(kBackgroundCount, {});
    std::vector<uint8_t> buffer;
    for (int i = 0; i < kBackgroundCount; ++i) {
        if (progress)
            progress(kDecompressingBackgrounds, i, kBackgroundCount);
        // One assembly serves both sizes.
        BuildBackground(rd, i, buffer, false);
        RenderBackgroundBuffer(rd, i, buffer, cache.large[static_cast<size_t>(i)], 1, 0, kBackgroundRows);
        RenderBackgroundBuffer(rd, i, buffer, cache.small[static_cast<size_t>(i)], 2, 0, kBackgroundRows);
    }
    if (progress)
        progress(kDecompressingBackgrounds, kBackgroundCount, kBackgroundCount);
    cache.rendered = true;
}

const std::vector<BackgroundChoice>& BattleBackgroundList()
{
    static const std::vector<BackgroundChoice> kList = {
        {0, "WoB - Forest"},
        {3, "WoB - Desert"},
        {2, "WoB - Veldt"},
        {6, "WoR - Land"},
        {5, "WoR - Forest"},
        {1, "WoR - Desert"},
        {47, "Narshe"},
        {8, "Figaro"},
        {19, "Zozo, inside buildings"},
        {4, "Zozo"},
        {36, "WoB - Thamasa"},
        {30, "Colosseum"},
        {28, "Caves 1"},
        {10, "Caves 2"},
        {17, "Caves 3"},
        {42, "Narshe caves"},
        {9, "Empire - Outpost"},
        {14, "Empire - MagiTek Lab"},
        {27, "Empire - Vector 1"},
        {20, "Empire - Vector 2"},
        {29, "Empire - Cart ride"},
        {44, "WoR - Kefka's Tower 1"},
        {22, "WoR - Kefka's Tower 2"},
        {40, "End battle part 1"},
        {51, "End battle part 2"},
        {52, "End battle part 3"},
        {53, "End battle part 4"},
        {54, "WoB - Airship centered"},
        {37, "WoB - Airship on the right"},
        {48, "WoR - Airship on the right"},
        {41, "Mountains - Outside"},
        {11, "Mountains - Inside"},
        {12, "Train - Roof"},
        {15, "Train - Inside"},
        {16, "Train - Train tracks"},
        {33, "Theater - On stage"},
        {23, "Theater - Rafters"},
        {24, "Figaro castle corridors"},
        {26, "Figaro castle jammed machinery"},
        {55, "Fanatics Tower - Rooms"},
        {43, "Fanatics Tower - Outside"},
        {45, "Raft"},
        {13, "Waterfall"},
        {31, "Underwater"},
        {35, "Clouds"},
        {7, "Snow fields"},
        {18, "House on fire"},
        {25, "Espers world bridge"},
        {34, "WoB - The Floating Island"},
        {21, "Daryl's tomb"},
        {38, "Owser's basement"},
        {32, "Cyan's dream"},
        {46, "Ancient Castle"},
        {39, "Quorvex background"},
        {-1, "???"},
    };
    return kList;
}

int BattleBackgroundListIndex(int id)
{
    const auto& list = BattleBackgroundList();
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].id == id)
            return static_cast<int>(i);
    return static_cast<int>(list.size()) - 1;
}

} // namespace quorvex
