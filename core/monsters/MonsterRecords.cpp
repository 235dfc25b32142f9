#include "monsters/MonsterRecords.h"

#include <array>
#include <cctype>
#include <cstdlib>

#include "editors/BattleAnimTables.h"
#include "rom/RomData.h"

namespace quorvex {

namespace {

uint8_t* RecordIn(RawTable& t, int i, int size)
{
    const size_t at = static_cast<size_t>(i) * static_cast<size_t>(size);
    return i >= 0 && at + static_cast<size_t>(size) <= t.bytes.size() ? t.bytes.data() + at : nullptr;
}

// The special-attack animations, as the editor describes them. Each text
// starts with its number in two hexadecimal digits and "="; numbers without
// a description are listed as "?".
const std::array<const char*, 256>& AttackAnimDescriptions()
{
    static const std::array<const char*, 256> texts = [] {
        std::array<const char*, 256> t{};
        t.fill("");
        t[0x00] = "00=multiple 8-spiked stars, like when Fight is used with no weapon";
        t[0xFF] = "FF=(no sound, a bunch of glitchy graphics appear on the lower left corner for a split second)";
        return t;
    }();
    return texts;
}

} // namespace

uint8_t* MonsterStats(RomData& rd, int m) { return RecordIn(rd.monsters.monsters, m, kMonsterRecordSize); }
uint8_t* MonsterItems(RomData& rd, int m) { return RecordIn(rd.monsters.monsterItems, m, 4); }
uint8_t* MonsterSpecialAnim(RomData& rd, int m) { return RecordIn(rd.monsters.specialAnims, m, 1); }
uint8_t* MonsterControlCommands(RomData& rd, int m) { return RecordIn(rd.monsters.controlCommands, m, 4); }
uint8_t* MonsterSketchCommands(RomData& rd, int m) { return RecordIn(rd.monsters.sketchCommands, m, 2); }
uint8_t* MonsterRageCommands(RomData& rd, int m) { return RecordIn(rd.monsters.rageCommands, m, 2); }

const char* const kElementNames[8] = {"Fire", "Ice", "Lightn.", "Poison", "Wind", "Pearl", "Earth", "Water"};

const char* const kStatusNames[24] = {
    "Dark",   "Zombie", "Poison", "MagiTek", "Clear",     "Imp",        "Petrify", "Death",
    "Condemned", "Near Fatal", "Image", "Mute", "Berserk", "Muddle", "Seizure", "Sleep",
    "Float*", "Regen",  "Slow",   "Haste",   "Stop",      "Shell",      "Safe",    "Reflect",
};

const char* const kSpecialFlagNames[24] = {
    "0 MP=death", "?", "No name", "?", "Human", "?", "Crit. hit if imp", "Undead",
    "Harder to run from", "Atk. first", "Block suplex", "Can't run", "Can't scan", "Can't sketch",
    "Spec. event", "Can't control", "True Knight", "Runic", "Life 3", "?", "?", "?", "?", "Remvbl Float",
};

// The game divides by 2^rate (rate 7 never morphs); "3.25" is the label
// the editor has always shown for 1/32.
const char* const kMorphRateLabels[8] = {"99.609375", "75", "50", "25", "12.5", "6.25", "3.25", "0"};

std::string SpecialEffectName(int effect)
{
    static const char* const kMoreStatuses[8] = {"Rage",  "Freeze",     "Life 3",    "Morph",
                                                 "Chant!", "Disappear!", "Dog block", "Float"};
    if (effect >= 0 && effect < 24)
        return kStatusNames[effect];
    if (effect >= 24 && effect < 32)
        return kMoreStatuses[effect - 24];
    if (effect >= 32 && effect < 48)
        return "attack L." + std::to_string(effect - 31);
    if (effect == 48)
        return "drain";
    if (effect == 49)
        return "osmose";
    if (effect >= 50 && effect < 64)
        return "remove rflect";
    return "?";
}

std::string AttackAnimListText(int n)
{
    const char* text = n >= 0 && n < 256 ? AttackAnimDescriptions()[static_cast<size_t>(n)] : nullptr;
    auto hex = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; };
    if (text && hex(text[0]) && hex(text[1]) && text[2] == '=' &&
        std::strtol(std::string(text, 2).c_str(), nullptr, 16) == n)
        return std::to_string(n) + " = " + (text + 3);
    return std::to_string(n) + " = ?";
}

void LoadMonsters(ImageFile& f, RomData& rd)
{
    MonsterTables& m = rd.monsters;
    m.monsters.Load(f, kMonsterStatsRom, kMonsterCount * kMonsterRecordSize);
    m.monsterItems.Load(f, kMonsterItemsRom, kMonsterCount * 4);
    m.specialAnims.Load(f, kSpecialAnimsRom, kMonsterCount);
    LoadAnimTable(f, rd, AnimMode::EnemySpecials);
}

void StoreMonsters(ImageFile& f, RomData& rd)
{
    MonsterTables& m = rd.monsters;
    for (RawTable* t : {&m.monsters, &m.monsterItems, &m.specialAnims})
        t->Store(f);
    StoreAnimTable(f, rd, AnimMode::EnemySpecials);
}

void LoadMonsterExtras(ImageFile& f, RomData& rd)
{
    rd.monsters.controlCommands.Load(f, kControlCommandsRom, kMonsterCount * 4);
    rd.monsters.sketchCommands.Load(f, kSketchCommandsRom, kMonsterCount * 2);
    rd.monsters.rageCommands.Load(f, kRageCommandsRom, kRageMonsterCount * 2);
}

void StoreMonsterExtras(ImageFile& f, RomData& rd)
{
    rd.monsters.controlCommands.Store(f);
    rd.monsters.sketchCommands.Store(f);
    rd.monsters.rageCommands.Store(f);
}

} // namespace quorvex
