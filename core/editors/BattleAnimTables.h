#pragma once
// Battle animation records: which graphics, palettes and sound an attack
// shows in battle. Spells, block 1, tools, items and block 2 are 14-byte
// records lying back to back from 0x107FB2 (0x23 bytes earlier in the
// Japanese release); weapons and enemy specials are 8-byte records at
// 0x2CE400 and 0x2CE6E8. The 240 palettes they name (8 colours each) are
// at 0x126000.
//
// 14-byte record: 0-1 index 0, 2-3 index 1, 4-5 index 2 (little-endian),
// 6-8 palettes 0-2, 9 sound effect, 10 an unnamed byte, 11-12 index 3,
// 13 speed.
// 8-byte record: 0 right hand, 1 left hand, 2 weapon palette, 3 attack,
// 4 attack palette, 5 flags, 6 sound effect, 7 an unnamed byte.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "graphics/Color.h"
#include "rom/RawTable.h"

namespace quorvex {

struct RomData;

// The tables, in the order of the animation pages' modes.
enum class AnimMode : int { Spells, Tools, Items, Block1, Block2, Weapons, EnemySpecials };
constexpr int kAnimModeCount = 7;

struct AnimTableInfo {
    const char* table;   // the name on the command line
    int recordSize;      // 14 or 8
    int count;
    uint32_t usRom;      // North American release
    uint32_t jpRom;      // Japanese release
    const char* setting; // the remembered record
};
const AnimTableInfo& AnimInfo(AnimMode mode);
// Where the table lies in this image's release.
uint32_t AnimTableRom(const RomData& rd, AnimMode mode);

constexpr int kAnimPaletteCount = 240;
constexpr int kAnimPaletteColours = 8;
constexpr uint32_t kAnimPalettesRom = 0x126000;
constexpr int kMaxAnimPalette = kAnimPaletteCount - 1;

struct BattleAnimTables {
    std::array<RawTable, kAnimModeCount> records;
    RawTable palettes; // 240 x 16 bytes
};

// The bytes of record i, or null when the image holds none.
uint8_t* AnimRecord(RomData& rd, AnimMode mode, int i);
int AnimRecordCount(AnimMode mode);

// The 8 colours of palette p (empty when p is not one of the 240).
std::vector<SnesColor> AnimPalette(const RomData& rd, int p);
// Stores colours into palette p; only words whose colour changed are
// written, so the unused top bit of an unchanged word survives. True when
// something changed.
bool SetAnimPalette(RomData& rd, int p, const std::vector<SnesColor>& colours);

// How the selector lists record i. Spells are named by the 256-name spell
// list (spells, espers, attacks), weapons, tools and items by the item
// names: AnimNameIndex gives the name's number in that list. Blocks 1 and 2
// and the enemy specials have no names; AnimListText describes them.
bool AnimNamedBySpells(AnimMode mode);
int AnimNameIndex(AnimMode mode, int i); // -1: no name
std::string AnimListText(AnimMode mode, int i);

// The copy buffers: one for every 14-byte page and one for every 8-byte
// page, kept for the whole run so a record copied in one editor can be
// pasted in another.
struct AnimCopyBuffer {
    bool full = false;
    std::vector<uint8_t> bytes;
};
AnimCopyBuffer& AnimClipboard(int recordSize);
void CopyAnimRecord(RomData& rd, AnimMode mode, int i);
// Writes the buffer into record i; false when the buffer holds nothing of
// this record size (nothing changed then).
bool PasteAnimRecord(RomData& rd, AnimMode mode, int i);

// The persisted index of a page: its low byte, and a value past the table
// the last record.
int AnimRememberedIndex(AnimMode mode, int stored);

void LoadAnimTable(ImageFile& f, RomData& rd, AnimMode mode);
void StoreAnimTable(ImageFile& f, RomData& rd, AnimMode mode);
// Tools, items and weapons (read with the items).
void LoadBattleAnimations(ImageFile& f, RomData& rd);
void StoreBattleAnimations(ImageFile& f, RomData& rd);
// Spells and the palettes.
void LoadSpellAnimations(ImageFile& f, RomData& rd);
void StoreSpellAnimations(ImageFile& f, RomData& rd);

} // namespace quorvex
