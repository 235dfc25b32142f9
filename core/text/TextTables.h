#pragma once
// The game's text blocks: battle messages and monster battle dialogue
// (step 9.5), item descriptions (9.7), the dual-tile table, town dialogue
// and location names (9.21).
#include "rom/RawTable.h"

namespace quorvex {

struct RomData;

struct TextTables {
    RawTable battleMsgPointers;
    RawTable battleMsgText;
    RawTable monsterDlgPointers;
    RawTable monsterDlgText;
    RawTable itemDescPointers;
    RawTable itemDescText;
    RawTable dteTable;        // FF3us: 128 x 2 bytes; FF6j: 24 pointers
    RawTable dteTableJpData;  // FF6j: 108 bytes of multiple-tile data
    RawTable townDlgPointers; // split index, slot, 3326 pointers
    RawTable townDlgData;
    RawTable townDlgThirdPage; // 64 KiB at 0x300000 with the FF3Edit expansion
    RawTable locNamePointers;
    RawTable locNameData;
};

void LoadBattleTexts(ImageFile& f, RomData& rd);
void StoreBattleTexts(ImageFile& f, RomData& rd);
void LoadItemDescriptions(ImageFile& f, RomData& rd);
void StoreItemDescriptions(ImageFile& f, RomData& rd);
void LoadDialogue(ImageFile& f, RomData& rd);
void StoreDialogue(ImageFile& f, RomData& rd);

// Bytes of the third town-dialogue page in use; the expanded section's
// other data (world-map blocks) is laid out after them.
uint32_t ThirdPageUsedBytes(const RomData& rd);

} // namespace quorvex
