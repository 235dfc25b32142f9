// Title, version, the code sequences patch detection reads, the battle
// scripts and their code operands.
#include <algorithm>
#include <cstring>

#include "SynthImage.h"
#include "monsters/BattleScriptTables.h"
#include "rom/PatchDetect.h"
#include "rom/RomAddress.h"

namespace quorvex::synth {

void FillCodeAndHeader(SynthImage& img)
{
    const SynthOptions& o = img.opts;
    std::string title = o.title.empty() ? (img.Jp() ? "FINAL FANTASY 6" : "FINAL FANTASY 3") : o.title;
    title.resize(21, ' ');
    img.Put(0xFFC0, reinterpret_cast<const uint8_t*>(title.data()), 21);
    img.rom[0xFFD5] = 0x31; // HiROM, fast
    img.rom[0xFFD7] = 0x0C;
    img.rom[0xFFDB] = o.version;

    // The town dialogue routine.
    if (!img.Jp()) {
        switch (o.dialogue) {
        case DialogueRoutine::Own: img.Put(0x7FBF, kDialogueRoutineOwn, 38); break;
        case DialogueRoutine::FF3Edit: img.Put(0x7FBF, kDialogueRoutineFF3Edit, 38); break;
        case DialogueRoutine::Unknown: {
            uint8_t code[38];
            std::memcpy(code, kDialogueRoutineOwn, 38);
            code[10] = 0x22; // a JSL where the game reads its pointer
            img.Put(0x7FBF, code, 38);
            break;
        }
        }
    }

    // The special attack name routine (North American release only).
    if (!img.Jp()) {
        const uint32_t at = AttackNameRoutineOffset(o.version);
        uint8_t code[41];
        const uint8_t bank = o.mbit == 32 ? 0xFD : 0xF5;
        switch (o.attackNames) {
        case AttackNameRoutine::Own: std::memcpy(code, kAttackNamesOwn, 41); break;
        case AttackNameRoutine::ExpA:
            code[0] = bank;
            std::memcpy(code + 1, kAttackNamesExpA, 40);
            break;
        case AttackNameRoutine::ExpB: {
            static const uint8_t kMid[6] = {0xea, 0xea, 0xea, 0xea, 0x85, 0x10};
            code[0] = bank;
            std::memcpy(code + 1, kAttackNamesExpBHead, 15);
            code[16] = 0x00; // names at bank:1000
            code[17] = 0x10;
            std::memcpy(code + 18, kMid, 6);
            std::memcpy(code + 24, kAttackNamesExpBTail, 17);
            break;
        }
        case AttackNameRoutine::Unknown:
            std::memcpy(code, kAttackNamesOwn, 41);
            code[39] = 0x0C; // twelve characters, a form nobody documented
            break;
        }
        if (at != 0)
            img.Put(at, code, 41);
    }
}

namespace {

// One random but well-formed script: a first wave of commands, 0xFF, a
// second wave, 0xFF.
std::vector<uint8_t> MakeScript(Rng& rng, int maxCommands)
{
    static const int kOperands[16] = {3, 1, 3, 2, 3, 3, 3, 1, 2, 3, 3, 2, 3, 0, 0, 0};
    std::vector<uint8_t> s;
    for (int wave = 0; wave < 2; ++wave) {
        const int count = static_cast<int>(rng.Range(wave == 0 ? 1 : 0, static_cast<uint32_t>(maxCommands)));
        for (int c = 0; c < count; ++c) {
            if (rng.Range(0, 2) == 0) {
                s.push_back(static_cast<uint8_t>(rng.Range(0, 0xEF))); // a plain attack
            } else {
                const uint8_t op = static_cast<uint8_t>(rng.Range(0xF0, 0xFE));
                s.push_back(op);
                for (int k = 0; k < kOperands[op - 0xF0]; ++k)
                    s.push_back(static_cast<uint8_t>(rng.Range(0, 0xFE)));
            }
        }
        s.push_back(0xFF);
    }
    return s;
}

// Packs 384 scripts from the start of `area` and fills `pointers`.
void PackScripts(SynthImage& img, std::vector<uint8_t>& area, std::vector<uint8_t>& pointers, int maxCommands,
                 size_t limit)
{
    size_t pos = 0;
    for (int i = 0; i < 384; ++i) {
        std::vector<uint8_t> s = MakeScript(img.rng, maxCommands);
        if (pos + s.size() > limit - 2 * static_cast<size_t>(383 - i))
            s = {0xFF, 0xFF};
        WriteLe16(&pointers[2 * i], static_cast<uint16_t>(pos));
        std::copy(s.begin(), s.end(), area.begin() + static_cast<long>(pos));
        pos += s.size();
    }
}

} // namespace

void FillBattleScripts(SynthImage& img)
{
    const SynthOptions& o = img.opts;
    const ScriptOperandPlaces places = ScriptOperands(o.romType);
    uint32_t ptrBase = kScriptPtrBaseOwn;
    uint32_t dataBase = kScriptDataBaseOwn;
    size_t capacity = kScriptSpaceOwn;
    int maxCommands = 4;
    switch (o.scriptLocation) {
    case 1: // grown in place past the game's own area
        capacity = 0x3F00;
        maxCommands = 7;
        break;
    case 2:
        ptrBase = 0xF00000;
        dataBase = 0xF00300;
        capacity = 0x8000;
        break;
    case 3:
        dataBase = o.mbit == 32 ? 0xFE0000 : 0xF60000;
        capacity = kScriptSpaceRelocated;
        maxCommands = 6;
        break;
    default: break;
    }
    std::vector<uint8_t> area(capacity, 0xFF), pointers(kScriptPointerBytes);
    PackScripts(img, area, pointers, maxCommands, capacity);
    if (o.scriptLocation == 1) {
        // Make sure at least one script starts past the game's own space.
        WriteLe16(&pointers[2 * 383], 0x3A00);
        area[0x3A00] = 0xFF;
        area[0x3A01] = 0xFF;
    }
    img.Put(SnesToRom(ptrBase), pointers);
    img.Put(SnesToRom(dataBase), area);
    img.Put24(places.pointerBase, ptrBase);
    for (uint32_t p : places.dataBase)
        img.Put24(p, dataBase);
}

} // namespace quorvex::synth
