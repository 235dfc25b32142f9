#include "rom/AttackNameRoutine.h"

#include <cstring>

#include "rom/PatchDetect.h"
#include "rom/RomData.h"

namespace quorvex {

namespace {

// Bytes 18-23 of form B, between the names' offset and the routine's tail.
constexpr uint8_t kExpBMiddle[6] = {0xea, 0xea, 0xea, 0xea, 0x85, 0x10};

} // namespace

AttackNamePlacement ReadAttackNameRoutine(const uint8_t* code)
{
    AttackNamePlacement p;
    if (std::memcmp(code, kAttackNamesOwn, 41) == 0) {
        p.address = kAttackNamesOwnAddr;
        p.length = kAttackNamesOwnLen;
    } else if (std::memcmp(code + 1, kAttackNamesExpA, 40) == 0) {
        p.bits = kFlagAttackNamesA;
        p.address = static_cast<uint32_t>(code[0]) << 16;
        p.length = kAttackNamesLongLen;
    } else if (std::memcmp(code + 1, kAttackNamesExpBHead, 15) == 0 &&
               std::memcmp(code + 24, kAttackNamesExpBTail, 17) == 0) {
        p.bits = kFlagAttackNamesB;
        p.address = (static_cast<uint32_t>(code[0]) << 16) + ReadLe16(code + 16);
        p.length = kAttackNamesLongLen;
    } else {
        p.bits = kFlagAttackNamesA | kFlagAttackNamesB;
    }
    return p;
}

bool MakeAttackNameRoutine(const AttackNamePlacement& placement, uint8_t* code)
{
    const uint8_t bank = static_cast<uint8_t>(placement.address >> 16);
    switch (placement.bits) {
    case 0: std::memcpy(code, kAttackNamesOwn, 41); return true;
    case kFlagAttackNamesA:
        code[0] = bank;
        std::memcpy(code + 1, kAttackNamesExpA, 40);
        return true;
    case kFlagAttackNamesB:
        code[0] = bank;
        std::memcpy(code + 1, kAttackNamesExpBHead, 15);
        WriteLe16(code + 16, static_cast<uint16_t>(placement.address));
        std::memcpy(code + 18, kExpBMiddle, 6);
        std::memcpy(code + 24, kAttackNamesExpBTail, 17);
        return true;
    default: return false;
    }
}

AttackNamePlacement CurrentAttackNamePlacement(const RomData& rd)
{
    AttackNamePlacement p;
    p.bits = rd.romFlags & (kFlagAttackNamesA | kFlagAttackNamesB);
    p.address = rd.spAttackNameAddr;
    p.length = rd.spAttackNameLen;
    return p;
}

void StoreAttackNameRoutine(ImageFile& f, const RomData& rd)
{
    const uint32_t at = AttackNameRoutineOffset(rd.version);
    if (rd.romType != kRomFF3us || at == 0)
        return;
    const AttackNamePlacement want = CurrentAttackNamePlacement(rd);
    uint8_t code[kAttackNameRoutineSize];
    // Never point the game at names that were not written.
    if (want.address < kSnesBase || !f.HoldsRom(SnesToRom(want.address), kAttackNameCount * want.length) ||
        !MakeAttackNameRoutine(want, code))
        return;
    uint8_t held[kAttackNameRoutineSize];
    f.ReadRom(at, held, sizeof held);
    if (ReadAttackNameRoutine(held) == want)
        return;
    f.WriteRom(at, code, sizeof code);
}

} // namespace quorvex
