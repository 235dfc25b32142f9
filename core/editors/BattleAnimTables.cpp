#include "editors/BattleAnimTables.h"

#include <algorithm>

#include "rom/RomData.h"

namespace quorvex {

namespace {

// The five 14-byte tables follow one another: spells (256), block 1 (72),
// tools (9), items (23), block 2 (46, the game's records 360-405). Block 2
// starts right after the last item record.
constexpr AnimTableInfo kAnimTables[kAnimModeCount] = {
    {"anim_spells", 14, 256, 0x107FB2, 0x107F8F, "m_magAnimIdx"},
    {"anim_tools", 14, 9, 0x1091A2, 0x10917F, "m_toolsAnimIdx"},
    {"anim_items", 14, 23, 0x109220, 0x1091FD, "m_itemAnimIdx"},
    {"anim_block1", 14, 72, 0x108DB2, 0x108D8F, "m_btl1AnimIdx"},
    {"anim_block2", 14, 46, 0x109362, 0x10933F, "m_btl2AnimIdx"},
    {"anim_weapons", 8, 93, 0x2CE400, 0x2CE400, "m_wpnAnimIdx"},
    {"anim_enemy_specials", 8, 35, 0x2CE6E8, 0x2CE6E8, "m_enemySpAnimIdx"},
};

// The tools are items 0xA3-0xAA and the items animated when used are the
// consumables 0xE7-0xFD; the weapons are items 0-92.
constexpr int kFirstTool = 0xA3;
constexpr int kToolCount = 8;
constexpr int kFirstConsumable = 0xE7;

RawTable& Table(RomData& rd, AnimMode mode) { return rd.editors.anims.records[static_cast<size_t>(mode)]; }

} // namespace

const AnimTableInfo& AnimInfo(AnimMode mode) { return kAnimTables[static_cast<int>(mode)]; }

uint32_t AnimTableRom(const RomData& rd, AnimMode mode)
{
    const AnimTableInfo& info = AnimInfo(mode);
    return rd.romType == kRomFF6j ? info.jpRom : info.usRom;
}

int AnimRecordCount(AnimMode mode) { return AnimInfo(mode).count; }

uint8_t* AnimRecord(RomData& rd, AnimMode mode, int i)
{
    std::vector<uint8_t>& b = Table(rd, mode).bytes;
    const size_t size = static_cast<size_t>(AnimInfo(mode).recordSize);
    const size_t at = static_cast<size_t>(i) * size;
    return i >= 0 && i < AnimRecordCount(mode) && at + size <= b.size() ? b.data() + at : nullptr;
}

std::vector<SnesColor> AnimPalette(const RomData& rd, int p)
{
    const std::vector<uint8_t>& b = rd.editors.anims.palettes.bytes;
    const size_t at = static_cast<size_t>(p) * kAnimPaletteColours * 2;
    if (p < 0 || p >= kAnimPaletteCount || at + kAnimPaletteColours * 2 > b.size())
        return {};
    std::vector<SnesColor> colours(kAnimPaletteColours);
    for (size_t c = 0; c < colours.size(); ++c)
        colours[c] = ReadSnesColor(&b[at + 2 * c]);
    return colours;
}

bool SetAnimPalette(RomData& rd, int p, const std::vector<SnesColor>& colours)
{
    std::vector<uint8_t>& b = rd.editors.anims.palettes.bytes;
    const size_t at = static_cast<size_t>(p) * kAnimPaletteColours * 2;
    if (p < 0 || p >= kAnimPaletteCount || at + kAnimPaletteColours * 2 > b.size())
        return false;
    bool changed = false;
    for (size_t c = 0; c < colours.size() && c < kAnimPaletteColours; ++c) {
        uint8_t* word = &b[at + 2 * c];
        if (ReadSnesColor(word) == (colours[c] & 0x7FFF))
            continue;
        WriteLe16(word, static_cast<uint16_t>(colours[c] & 0x7FFF));
        changed = true;
    }
    return changed;
}

bool AnimNamedBySpells(AnimMode mode) { return mode == AnimMode::Spells; }

int AnimNameIndex(AnimMode mode, int i)
{
    if (i < 0 || i >= AnimRecordCount(mode))
        return -1;
    switch (mode) {
    case AnimMode::Spells:
    case AnimMode::Weapons:
        return i;
    case AnimMode::Tools:
        // The ninth tool record belongs to no tool of the item list.
        return i < kToolCount ? kFirstTool + i : -1;
    case AnimMode::Items:
        return kFirstConsumable + i;
    default:
        return -1;
    }
}

std::string AnimListText(AnimMode mode, int i)
{
    const std::string n = std::to_string(i);
    switch (mode) {
    case AnimMode::Block1:
        return n + ": " + (i == 0 ? "Tritoch Cinematic Animations" : "?");
    case AnimMode::Block2:
        return n + ": " + (i == 0 ? "Health/blue cure 2" : "?");
    case AnimMode::EnemySpecials:
        return n + ": Enemy special " + n;
    default:
        return n + ": ?";
    }
}

AnimCopyBuffer& AnimClipboard(int recordSize)
{
    static AnimCopyBuffer fourteen, eight;
    return recordSize == 14 ? fourteen : eight;
}

void CopyAnimRecord(RomData& rd, AnimMode mode, int i)
{
    const uint8_t* rec = AnimRecord(rd, mode, i);
    if (!rec)
        return;
    const int size = AnimInfo(mode).recordSize;
    AnimCopyBuffer& buffer = AnimClipboard(size);
    buffer.bytes.assign(rec, rec + size);
    buffer.full = true;
}

bool PasteAnimRecord(RomData& rd, AnimMode mode, int i)
{
    const int size = AnimInfo(mode).recordSize;
    const AnimCopyBuffer& buffer = AnimClipboard(size);
    uint8_t* rec = AnimRecord(rd, mode, i);
    if (!rec || !buffer.full || buffer.bytes.size() != static_cast<size_t>(size))
        return false;
    std::copy(buffer.bytes.begin(), buffer.bytes.end(), rec);
    return true;
}

int AnimRememberedIndex(AnimMode mode, int stored)
{
    const int low = stored & 0xFF;
    return low >= AnimRecordCount(mode) ? AnimRecordCount(mode) - 1 : low;
}

void LoadAnimTable(ImageFile& f, RomData& rd, AnimMode mode)
{
    const AnimTableInfo& info = AnimInfo(mode);
    Table(rd, mode).Load(f, AnimTableRom(rd, mode), static_cast<size_t>(info.count * info.recordSize));
}

void StoreAnimTable(ImageFile& f, RomData& rd, AnimMode mode) { Table(rd, mode).Store(f); }

void LoadBattleAnimations(ImageFile& f, RomData& rd)
{
    for (AnimMode m : {AnimMode::Tools, AnimMode::Items, AnimMode::Weapons})
        LoadAnimTable(f, rd, m);
}

void StoreBattleAnimations(ImageFile& f, RomData& rd)
{
    for (AnimMode m : {AnimMode::Tools, AnimMode::Items, AnimMode::Weapons})
        StoreAnimTable(f, rd, m);
}

void LoadSpellAnimations(ImageFile& f, RomData& rd)
{
    LoadAnimTable(f, rd, AnimMode::Spells);
    rd.editors.anims.palettes.Load(f, kAnimPalettesRom, kAnimPaletteCount * kAnimPaletteColours * 2);
}

void StoreSpellAnimations(ImageFile& f, RomData& rd)
{
    StoreAnimTable(f, rd, AnimMode::Spells);
    rd.editors.anims.palettes.Store(f);
}

} // namespace quorvex
