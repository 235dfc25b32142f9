#pragma once
// The magic editor's tables: the 256 spell records (14 bytes each at
// 0x46AC0; spells, esper attacks, sword techniques, blitzes, dances, lores
// and the monsters' attacks share the table), the spells' menu descriptions,
// the 27 espers (11 bytes each), their battle quotes and the descriptions of
// the bonus an esper grants at level up.
//
// The menu descriptions are five blocks, each counted from its first spell:
// magic 0-53, esper attacks 54-80, sword techniques 85-92, blitzes 93-100
// and lores 139-162. Where a release keeps a block is not always known: such
// a block (and the lore battle quotes, whose pointers are not known in
// either release) is neither read nor written.
#include <array>
#include <cstdint>
#include <string>

#include "editors/DescriptionBlock.h"
#include "rom/NameLists.h"
#include "rom/RawTable.h"
#include "text/TextPage.h"

namespace quorvex {

struct RomData;

constexpr int kSpellCount = 256;
constexpr int kSpellRecordSize = 14;
constexpr int kEsperAttackFirst = 54; // espers' attacks follow the 54 spells
constexpr int kAttackFirst = 81;       // then the other attacks, lores first
constexpr int kEsperCount = 27;
constexpr int kEsperRecordSize = 11;
constexpr int kEsperBonusCount = 17;     // bonus codes 0-16; 0xFF is no bonus
constexpr int kEsperQuoteSize = 10;      // North American release
constexpr int kEsperBonusNameSize = 9;   // North American release

enum SpellDescBlock : int { kMagicDesc, kEsperAttackDesc, kSwordTechDesc, kBlitzDesc, kLoreDesc, kSpellDescBlocks };

struct MagicTables {
    RawTable spells;
    std::array<DescriptionBlock, kSpellDescBlocks> spellDescriptions;
    RawTable espers;
    RawTable esperQuotes;               // 27 fixed records (none when not known)
    RawTable bonusNames;                // 17 fixed short descriptions (none when not known)
    DescriptionBlock bonusDescriptions; // the long ones
};

constexpr uint32_t kSpellsRom = 0x46AC0;
constexpr uint32_t kEspersRomUs = 0x186E00;
constexpr uint32_t kEspersRomJp = 0x26F567;
constexpr uint32_t kEsperQuotesRom = 0x26FE8F; // North American release
constexpr uint32_t kBonusNamesRom = 0xFFEAE;   // North American release

// Where a spell description block and the long bonus descriptions lie in a
// release; null where it is not known.
const TextBlockPlace* SpellDescriptionPlace(uint8_t romType, int block);
const TextBlockPlace* EsperBonusDescriptionPlace(uint8_t romType);

uint8_t* SpellRecord(RomData& rd, int spell);
uint8_t* EsperRecord(RomData& rd, int esper);
uint8_t* EsperQuote(RomData& rd, int esper);
uint8_t* EsperBonusName(RomData& rd, int bonus);

// Spell records and the spells' descriptions.
void LoadSpells(ImageFile& f, RomData& rd);
void StoreSpells(ImageFile& f, RomData& rd);
// Esper records, quotes and bonus descriptions.
void LoadEspers(ImageFile& f, RomData& rd);
void StoreEspers(ImageFile& f, RomData& rd);

// Spells, espers and attacks are numbered together; each kind's names are
// a name list of its own: the list and the index of a spell's name.
NameListId SpellNameList(int spell, uint32_t& index);

// The block and string of a spell's menu description; false for the spells
// that have none (81-84, 101-138, 163-255).
bool SpellDescriptionOf(int spell, int& block, int& index);

constexpr const char* kSpellDescProblem =
    "Problem parsing Spell Descriptions, probably due to hex edited pointers.\nSorry, Quorvex can't edit them.";
constexpr const char* kEsperBonusProblem =
    "Problem parsing Long Esper Bonus Descriptions, probably due to hex edited pointers.\nSorry, Quorvex can't "
    "edit them.";

// Why a description editor cannot open ("" when it can).
std::string SpellDescriptionRefusal(const RomData& rd, int block);
std::string LoreQuoteRefusal(const RomData& rd);
std::string EsperBonusDescriptionRefusal(const RomData& rd);
std::string EsperBonusNameRefusal(const RomData& rd);
std::string EsperQuoteRefusal(const RomData& rd);

// The text editor on each of them, with string `index` selected.
TextPageConfig SpellDescriptionPageConfig(RomData& rd, int block, int index);
TextPageConfig EsperBonusDescriptionPageConfig(RomData& rd, int index);
TextPageConfig EsperBonusNamePageConfig(RomData& rd, int index);
// The quotes' page remembers its selection under `indexKey`.
TextPageConfig EsperQuotePageConfig(RomData& rd, int index, const std::wstring& indexKey);

} // namespace quorvex
