#pragma once
// The game's name lists (monsters, items, spells, espers, attacks, rare
// items, actors, monster special attacks): fixed-length names in the menu
// encoding, padded with 0xFF. The length of one name goes with the list,
// because it differs by release (and, for special attacks, by patch).
#include <cstdint>
#include <string>
#include <vector>

#include "rom/ImageFile.h"
#include "rom/PreprocRomData.h"

namespace quorvex {

struct RomData;

struct NameList {
    uint32_t romOffset = 0;     // where the names were read from
    uint32_t nameLen = 0;       // bytes per name
    uint32_t count = 0;         // names held
    uint32_t stored = 0;        // names read from the image and written back
    bool loaded = false;        // false: nothing was read, nothing is written
    std::vector<uint8_t> bytes; // count * nameLen

    bool Valid(uint32_t index) const { return index < count && nameLen != 0 && bytes.size() >= (index + 1u) * nameLen; }
    // The name's bytes (empty for an index out of range).
    std::vector<uint8_t> Get(uint32_t index) const;
    const uint8_t* Data(uint32_t index) const { return Valid(index) ? bytes.data() + index * nameLen : nullptr; }
    // Replaces a name: longer input is cut, shorter input padded with 0xFF.
    // False for an index out of range.
    bool Set(uint32_t index, const std::vector<uint8_t>& name);
    // The name in the tag language (menu table of the release).
    std::wstring Decode(uint32_t index, uint8_t romType) const;

    void Clear();
    void Load(ImageFile& f, uint32_t offset, uint32_t len, uint32_t entries, uint32_t held = 0);
    void Store(ImageFile& f) const;
};

constexpr uint32_t kMonsterNamesRead = 384;
constexpr uint32_t kMonsterNamesHeld = 512;

struct NameListTables {
    NameList monsterNames;       // 384 read, 512 held
    NameList itemNames;
    NameList rareItemNames;
    NameList actorNames;
    NameList spellNames;
    NameList esperNames;
    NameList attackNames;
    NameList specialAttackNames; // at the place patch detection found
    NameList commandNames;       // the 32 battle commands
    NameList statusNames;        // the 32 statuses
    NameList danceNames;         // the 8 dances
    NameList swordTechNames;     // the 8 sword techniques

    // Name pictures for list controls, drawn on first use.
    CPreprocRomData preproc;
};

// The lists the command line and the editors name by a word.
enum class NameListId {
    Monster, Item, Spell, Esper, Attack, RareItem, Actor, SpecialAttack, Command, Status, Dance, SwordTech
};
// "monster", "item", "spell", "esper", "attack", "rare-item", "actor",
// "special-attack", "command", "status", "dance", "sword-tech"; false for
// any other word.
bool ParseNameListId(const std::string& word, NameListId& id);
NameList& GetNameList(RomData& rd, NameListId id);
const NameList& GetNameList(const RomData& rd, NameListId id);

// A name of a list as a text field of a table: shown in the tag language,
// stored padded with 0xFF. A name that has a character without a code, or
// that is longer than the list's names, is refused with the field's length.
struct FieldDesc;
FieldDesc NameListField(std::string key, NameListId id);
// Stores a name given in the tag language; empty on success, otherwise why not.
std::string SetListNameText(NameList& list, uint8_t romType, uint32_t index, const std::string& utf8);
std::string SetNameText(RomData& rd, NameListId id, uint32_t index, const std::string& utf8);

// Entry `index` of the one list of 256 attacks the game numbers together
// (the 54 magic spells, then the 27 espers, then the other attacks; see
// SpellListName) in the tag language. Empty for an index past the end.
std::wstring SpellListText(const RomData& rd, int index);

// Fills monster entries 384-511, which the game does not have: the loader
// makes them up so that out-of-range references still show something.
void MakeUpMonsterNames(NameList& list, uint8_t romType);

void LoadMonsterNames(ImageFile& f, RomData& rd);
void StoreMonsterNames(ImageFile& f, RomData& rd);
void LoadItemNames(ImageFile& f, RomData& rd);
void StoreItemNames(ImageFile& f, RomData& rd);
void LoadActorNames(ImageFile& f, RomData& rd);
void StoreActorNames(ImageFile& f, RomData& rd);
void LoadMagicNames(ImageFile& f, RomData& rd);
void StoreMagicNames(ImageFile& f, RomData& rd);
void LoadSpecialAttackNames(ImageFile& f, RomData& rd);
void StoreSpecialAttackNames(ImageFile& f, RomData& rd);

} // namespace quorvex
