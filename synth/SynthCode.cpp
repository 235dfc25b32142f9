// Title, version and the code sequences patch detection reads.
#include <cstring>

#include "SynthImage.h"
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

} // namespace quorvex::synth
