#pragma once
// The game's text blocks: battle messages and monster battle dialogue,
// item descriptions, the dual-tile table, town dialogue and location
// names.
#include <cstdint>
#include <string>

#include "rom/RawTable.h"
#include "text/DteTable.h"
#include "text/DynTextObj.h"
#include "text/PackedTextLayout.h"

namespace quorvex {

struct RomData;

// Where a 16-bit-pointer text block lies (ROM offsets) and its parameters.
struct TextBlockPlace {
    uint32_t pointers = 0;  // pointer table
    uint32_t text = 0;      // text area
    int32_t size = 0;       // bytes of text
    int32_t count = 256;    // strings (and pointer slots)
    int32_t mode = kScanBattle;
    uint32_t base = 0;      // pointer value of text offset 0
};

// Town dialogue layout.
constexpr uint32_t kTownDlgSplit = 0xCE600;    // split index, then a 2-byte slot
constexpr uint32_t kTownDlgPointers = 0xCE604; // 3326 pointers
constexpr uint32_t kTownDlgData = 0xD0000;
constexpr int32_t kTownDlgSlots = 3326;
constexpr int32_t kTownDlgMinCount = 3083;
constexpr int32_t kTownDlgSize = 0x1F100;       // the game's own two pages
constexpr int32_t kTownDlgSizeJp = 0x1B000;
constexpr int32_t kTownDlgSizeThird = 0x2F100;  // with the third page
constexpr uint32_t kThirdPageRom = 0x300000;     // SNES $F00000
constexpr uint32_t kThirdPageSize = 0x10000;
constexpr uint32_t kThirdPageIndexes = 0xDF80;   // A, B, C of the third-page routine
constexpr uint32_t kDialogueRoutine = 0x7FBF;    // 38 bytes of the game's dialogue routine
constexpr uint32_t kDteTableRom = 0xDFA0;
constexpr uint32_t kMteTablePointers = 0x8BB0;
constexpr uint32_t kMteTableData = 0x8BE0;
constexpr int32_t kMteStrings = 24;
constexpr int32_t kMteSize = 108;
constexpr uint32_t kLocNamePointers = 0x268400;
constexpr int32_t kLocNameSlots = 96;

struct TextTables {
    // Small-window battle messages (kind 1) and monster battle dialogue,
    // the big window (kind 0).
    CFF6DynTextObj battleMessages;
    CFF6DynTextObj monsterDialogue;
    CFF6DynTextObj itemDescriptions;
    // The blocks as read. A block whose load found it unparsable is written
    // back from these, unchanged.
    RawTable battleMsgPointersRaw;
    RawTable battleMsgTextRaw;
    RawTable monsterDlgPointersRaw;
    RawTable monsterDlgTextRaw;
    RawTable itemDescPointersRaw;
    RawTable itemDescTextRaw;

    DteTable dte;                 // North American release
    CFF6DynTextObj multiTile;     // Japanese release: 24 strings
    CFF6DynTextObj townDialogue;
    CFF6DynTextObj locationNames;
    // Bytes of the third page in use when it was read (0 without it).
    uint32_t thirdPageLoadedBytes = 0;
};

TextBlockPlace BattleMessagePlace(uint8_t romType);
TextBlockPlace MonsterDialoguePlace(uint8_t romType);
TextBlockPlace ItemDescriptionPlace(uint8_t romType);

// Reads a block with 16-bit pointers (and keeps the bytes as read); returns
// its validation flags.
int LoadTextBlock16(ImageFile& f, const TextBlockPlace& at, CFF6DynTextObj& block, RawTable& ptrRaw,
                    RawTable& textRaw);
// Writes a block back: as read when its load found it unparsable (problem),
// else from the block.
void StoreTextBlock16(ImageFile& f, const CFF6DynTextObj& block, const RawTable& ptrRaw, const RawTable& textRaw,
                      bool problem);

void LoadBattleTexts(ImageFile& f, RomData& rd);
void StoreBattleTexts(ImageFile& f, RomData& rd);
void LoadItemDescriptions(ImageFile& f, RomData& rd);
void StoreItemDescriptions(ImageFile& f, RomData& rd);
// Dual-tile table, town dialogue and location names.
void LoadDialogue(ImageFile& f, RomData& rd);
void StoreDialogue(ImageFile& f, RomData& rd);

// The town dialogue uses the FF3Edit third page (bit 5 alone).
bool HasThirdPage(uint32_t romFlags);
// The dialogue routine is someone else's change (bit 6 alone).
bool DialogueRoutineUnknown(uint32_t romFlags);

// Where the third-page store puts the strings: the first slot that goes to
// the third page (count when none) and the bytes it uses there; fits is
// false when the strings would not fit the 64 KiB page.
struct ThirdPageLayout {
    int firstSlot = 0;
    uint32_t usedBytes = 0;
    bool fits = true;
};
ThirdPageLayout LayOutThirdPage(const CFF6DynTextObj& dlg);
// The same for the block as it would be packed (which it is after any
// edit), in time logarithmic in the number of strings.
ThirdPageLayout LayOutThirdPage(const PackedTextLayout& packed);

// True when the town dialogue can be written as it is: always for the
// game's own routine (the block's size is its limit), and for the third
// page when the strings fit both pages and leave the slot that ends the
// list on reopening.
bool TownDialogueFits(const CFF6DynTextObj& dlg, uint32_t romFlags);
bool TownDialogueFits(const PackedTextLayout& packed, uint32_t romFlags);
// Most strings the town dialogue may hold so that a reopened image counts
// them all.
int TownDialogueMaxStrings(const RomData& rd);

// Bytes of the third town-dialogue page in use; the expanded section's
// other data (world-map blocks) is laid out after them.
uint32_t ThirdPageUsedBytes(const RomData& rd);

} // namespace quorvex
