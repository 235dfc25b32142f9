#include "rom/NameLists.h"

#include "rom/AttackNameRoutine.h"
#include "rom/RomData.h"
#include "rom/TableDesc.h"
#include "text/TextCodec.h"

namespace quorvex {

namespace {
bool Jp(const RomData& rd) { return rd.romType == kRomFF6j; }
} // namespace

std::vector<uint8_t> NameList::Get(uint32_t index) const
{
    if (!Valid(index))
        return {};
    return std::vector<uint8_t>(bytes.begin() + index * nameLen, bytes.begin() + (index + 1) * nameLen);
}

bool NameList::Set(uint32_t index, const std::vector<uint8_t>& name)
{
    if (!Valid(index))
        return false;
    for (uint32_t i = 0; i < nameLen; ++i)
        bytes[index * nameLen + i] = i < name.size() ? name[i] : 0xFF;
    return true;
}

std::wstring NameList::Decode(uint32_t index, uint8_t romType) const
{
    if (!Valid(index))
        return std::wstring();
    return DecodeName(bytes.data() + index * nameLen, nameLen, romType);
}

void NameList::Clear()
{
    romOffset = 0;
    nameLen = 0;
    count = 0;
    stored = 0;
    loaded = false;
    bytes.clear();
}

void NameList::Load(ImageFile& f, uint32_t offset, uint32_t len, uint32_t entries, uint32_t held)
{
    if (held < entries)
        held = entries;
    romOffset = offset;
    nameLen = len;
    count = held;
    stored = entries;
    bytes = f.ReadRom(offset, static_cast<size_t>(entries) * len);
    bytes.resize(static_cast<size_t>(held) * len, 0xFF);
    loaded = true;
}

void NameList::Store(ImageFile& f) const
{
    // Only what was read goes back: made-up entries stay in memory.
    if (!loaded || nameLen == 0 || bytes.size() < static_cast<size_t>(stored) * nameLen)
        return;
    f.WriteRom(romOffset, bytes.data(), static_cast<size_t>(stored) * nameLen);
}

bool ParseNameListId(const std::string& word, NameListId& id)
{
    static const struct {
        const char* word;
        NameListId id;
    } kWords[] = {{"monster", NameListId::Monster}, {"item", NameListId::Item},
                  {"spell", NameListId::Spell},     {"esper", NameListId::Esper},
                  {"attack", NameListId::Attack},   {"rare-item", NameListId::RareItem},
                  {"actor", NameListId::Actor},     {"special-attack", NameListId::SpecialAttack},
                  {"command", NameListId::Command}, {"status", NameListId::Status},
                  {"dance", NameListId::Dance},     {"sword-tech", NameListId::SwordTech}};
    for (const auto& w : kWords)
        if (word == w.word) {
            id = w.id;
            return true;
        }
    return false;
}

NameList& GetNameList(RomData& rd, NameListId id)
{
    switch (id) {
    case NameListId::Monster: return rd.names.monsterNames;
    case NameListId::Item: return rd.names.itemNames;
    case NameListId::Spell: return rd.names.spellNames;
    case NameListId::Esper: return rd.names.esperNames;
    case NameListId::Attack: return rd.names.attackNames;
    case NameListId::RareItem: return rd.names.rareItemNames;
    case NameListId::Actor: return rd.names.actorNames;
    case NameListId::Command: return rd.names.commandNames;
    case NameListId::Status: return rd.names.statusNames;
    case NameListId::Dance: return rd.names.danceNames;
    case NameListId::SwordTech: return rd.names.swordTechNames;
    case NameListId::SpecialAttack: break;
    }
    return rd.names.specialAttackNames;
}

const NameList& GetNameList(const RomData& rd, NameListId id)
{
    return GetNameList(const_cast<RomData&>(rd), id);
}

std::wstring SpellListText(const RomData& rd, int index)
{
    const std::vector<uint8_t> name = SpellListName(rd, index);
    return name.empty() ? std::wstring() : DecodeName(name, rd.romType);
}

void MakeUpMonsterNames(NameList& list, uint8_t romType)
{
    if (list.nameLen == 0 || list.count < kMonsterNamesHeld)
        return;
    // "Illeg.0x" and two hexadecimal digits in the menu characters: a digit d
    // is 0xB4 + d, a letter A-F 0x80 + its place in the alphabet.
    auto digit = [](unsigned v) { return static_cast<uint8_t>(v < 10 ? 0xB4 + v : 0x80 + (v - 10)); };
    static const uint8_t kIlleg[] = {0x88, 0xA5, 0xA5, 0x9E, 0xA0, 0xC5, 0xB4, 0xB1};
    for (uint32_t i = 0; i < kMonsterNamesHeld - kMonsterNamesRead; ++i) {
        const unsigned v = 0x80 + i;
        std::vector<uint8_t> name;
        if (romType == kRomFF6j) {
            if (i == 127) {
                // The last entry of the Japanese list is a fixed five-character name.
                name = {kIlleg[0], kIlleg[1], kIlleg[2], kIlleg[3], kIlleg[4]};
            } else {
                // Eight bytes leave room for "0x" and the digits only.
                name = {kIlleg[6], kIlleg[7], digit(v >> 4), digit(v & 0xF)};
            }
        } else {
            name.assign(kIlleg, kIlleg + 8);
            name.push_back(digit(v >> 4));
            name.push_back(digit(v & 0xF));
        }
        list.Set(kMonsterNamesRead + i, name);
    }
}

void LoadMonsterNames(ImageFile& f, RomData& rd)
{
    // A new image (or a cancelled edit re-reading the names): every drawn
    // name picture is stale.
    rd.names.preproc.Reset();
    if (Jp(rd))
        rd.names.monsterNames.Load(f, 0xFC800, 8, kMonsterNamesRead, kMonsterNamesHeld);
    else
        rd.names.monsterNames.Load(f, 0xFC050, 10, kMonsterNamesRead, kMonsterNamesHeld);
    MakeUpMonsterNames(rd.names.monsterNames, rd.romType);
}
void StoreMonsterNames(ImageFile& f, RomData& rd) { rd.names.monsterNames.Store(f); }

void LoadItemNames(ImageFile& f, RomData& rd)
{
    if (Jp(rd))
        rd.names.itemNames.Load(f, 0x26F700, 9, 256);
    else
        rd.names.itemNames.Load(f, 0x12B300, 13, 256);
    // Rare item names are one byte shorter in the Japanese release.
    rd.names.rareItemNames.Load(f, 0xEFBA0, Jp(rd) ? 12 : 13, 20);
    rd.names.preproc.Invalidate(PreprocList::Item);
    rd.names.preproc.Invalidate(PreprocList::RareItem);
}
void StoreItemNames(ImageFile& f, RomData& rd)
{
    rd.names.itemNames.Store(f);
    rd.names.rareItemNames.Store(f);
}

void LoadActorNames(ImageFile& f, RomData& rd) { rd.names.actorNames.Load(f, 0x478C0, 6, 64); }
void StoreActorNames(ImageFile& f, RomData& rd) { rd.names.actorNames.Store(f); }

void LoadMagicNames(ImageFile& f, RomData& rd)
{
    if (Jp(rd)) {
        rd.names.spellNames.Load(f, 0x2D7400, 5, 54);
        rd.names.esperNames.Load(f, 0x2D750E, 8, 27);
        rd.names.attackNames.Load(f, 0x2D75E6, 8, 175);
    } else {
        rd.names.spellNames.Load(f, 0x26F567, 7, 54);
        rd.names.esperNames.Load(f, 0x26F6E1, 8, 27);
        rd.names.attackNames.Load(f, 0x26F7B9, 10, 175);
    }
    rd.names.preproc.Invalidate(PreprocList::Spell);
}
void StoreMagicNames(ImageFile& f, RomData& rd)
{
    rd.names.spellNames.Store(f);
    rd.names.esperNames.Store(f);
    rd.names.attackNames.Store(f);
}

void LoadSpecialAttackNames(ImageFile& f, RomData& rd)
{
    rd.names.specialAttackNames.Clear();
    // An unknown change to the name routine leaves no address: nothing to load.
    if (rd.spAttackNameAddr < kSnesBase || rd.spAttackNameLen == 0)
        return;
    const uint32_t rom = SnesToRom(rd.spAttackNameAddr);
    const size_t size = 384u * rd.spAttackNameLen;
    if (!f.HoldsRom(rom, size))
        return;
    rd.names.specialAttackNames.Load(f, rom, rd.spAttackNameLen, 384);
}
void StoreSpecialAttackNames(ImageFile& f, RomData& rd)
{
    // With an unknown change to the name routine there is nowhere to write.
    if (rd.spAttackNameLen == 0 || rd.spAttackNameAddr < kSnesBase)
        return;
    // Names moved to a bank the file does not hold are not written at all.
    if (!f.HoldsRom(SnesToRom(rd.spAttackNameAddr), 384u * rd.spAttackNameLen))
        return;
    rd.names.specialAttackNames.Store(f);
    StoreAttackNameRoutine(f, rd);
}

namespace {

PreprocList PicturesOf(NameListId id)
{
    switch (id) {
    case NameListId::Monster: return PreprocList::Monster;
    case NameListId::Item: return PreprocList::Item;
    case NameListId::RareItem: return PreprocList::RareItem;
    case NameListId::Command: return PreprocList::BattleCommand;
    case NameListId::Status: return PreprocList::BattleStatus;
    case NameListId::Dance: return PreprocList::Dance;
    default: return PreprocList::Spell;
    }
}

} // namespace

std::string SetListNameText(NameList& list, uint8_t romType, uint32_t index, const std::string& utf8)
{
    if (!list.loaded || !list.Valid(index))
        return "this image holds no such name";
    std::vector<uint8_t> code;
    size_t bad = 0;
    const std::wstring text = Utf8ToWide(utf8);
    if (!EncodeName(text, romType, code, &bad))
        return "character " + std::to_string(bad + 1) + " of \"" + utf8 + "\" has no code in names";
    if (code.size() > list.nameLen)
        return "\"" + utf8 + "\" does not fit: this name holds " + std::to_string(list.nameLen) + " characters";
    list.Set(index, code);
    return {};
}

std::string SetNameText(RomData& rd, NameListId id, uint32_t index, const std::string& utf8)
{
    std::string error = SetListNameText(GetNameList(rd, id), rd.romType, index, utf8);
    if (error.empty())
        rd.names.preproc.Invalidate(PicturesOf(id), static_cast<int>(index));
    return error;
}

FieldDesc NameListField(std::string key, NameListId id)
{
    FieldDesc f;
    f.key = std::move(key);
    f.kind = FieldKind::Text;
    f.getText = [id](const RomData& rd, int i) {
        return WideToUtf8(GetNameList(rd, id).Decode(static_cast<uint32_t>(i), rd.romType));
    };
    f.setText = [id](RomData& rd, int i, const std::string& text) {
        return SetNameText(rd, id, static_cast<uint32_t>(i), text);
    };
    f.present = [id](const RomData& rd, int i) {
        const NameList& list = GetNameList(rd, id);
        return list.loaded && static_cast<uint32_t>(i) < list.stored;
    };
    return f;
}

} // namespace quorvex
