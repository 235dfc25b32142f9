#pragma once
// Bits of RomData::romFlags. Bit 0 is the image's header state; the others
// record what patch detection and the loaders found, and what the data
// location manager changed.
#include <cstdint>

namespace quorvex {

enum RomFlagBits : uint32_t {
    kFlagHeaderless = 1u << 0,
    kFlagBtlMsgPtrPrint = 1u << 1,  // battle-message pointers match the reference digest
    kFlagBtlMsgTextPrint = 1u << 2, // battle-message text matches the reference digest
    kFlagItemDescPtrPrint = 1u << 3,
    kFlagItemDescTextPrint = 1u << 4,
    kFlagDialogFF3Edit = 1u << 5,   // alone: FF3Edit town dialogue expansion
    kFlagDialogUnknown = 1u << 6,   // alone: the dialogue routine was changed by someone else
    kFlagTownDlgPtrs = 1u << 8,     // town dialogue pointers hand edited
    kFlagMstDlgAnomaly = 1u << 9,
    kFlagBtlMsgAnomaly = 1u << 10,
    kFlagItemDescAnomaly = 1u << 11,
    // The description blocks of the item and magic editors whose pointers
    // lead outside their text: such a block is never edited nor written.
    kFlagRareItemDescAnomaly = 1u << 12,
    kFlagSpellDescAnomaly = 1u << 13,     // the 54 magic spells
    kFlagEsperAtkDescAnomaly = 1u << 14,  // the 27 esper attacks
    kFlagLoreDescAnomaly = 1u << 17,
    kFlagEsperBonusDescAnomaly = 1u << 19, // the long esper bonus descriptions
    kFlagMiniMapMissing = 1u << 20,
    kFlagMapDataMissing = 1u << 21,
    kFlagMapTilesMissing = 1u << 22,
    kFlagAttackNamesA = 1u << 23,   // special attack names: bit 23 alone or 24 alone = 16-char expansion,
    kFlagAttackNamesB = 1u << 24,   // both = an unknown change
    kFlagScriptWarned = 1u << 27,   // foreign battle-script patch: scripts are not saved
    kFlagFF3EditMapGfx = 1u << 28,
};

constexpr int kScriptLocationShift = 25;

// Where the monster battle scripts live: 0 the game's own place, 1 they
// overflow it in place, 2 moved with their pointers to bank $F0, 3 moved by
// this program's own relocation.
constexpr uint32_t ScriptLocation(uint32_t flags) { return (flags >> kScriptLocationShift) & 3; }
constexpr uint32_t WithScriptLocation(uint32_t flags, uint32_t loc)
{
    return (flags & ~(3u << kScriptLocationShift)) | ((loc & 3) << kScriptLocationShift);
}

} // namespace quorvex
