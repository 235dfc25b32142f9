#pragma once
// Recognising what other tools and patches changed in the image, and the
// status report of the main view.
#include <cstdint>
#include <string>
#include <vector>

#include "rom/ImageFile.h"

namespace quorvex {

struct RomData;

// Reference code sequences, compared byte for byte.
extern const uint8_t kDialogueRoutineOwn[38];
extern const uint8_t kDialogueRoutineFF3Edit[38];
extern const uint8_t kAttackNamesOwn[41];
extern const uint8_t kAttackNamesExpA[40];     // compared from the routine's second byte
extern const uint8_t kAttackNamesExpBHead[15]; // from the second byte
extern const uint8_t kAttackNamesExpBTail[17]; // from byte 24

// ROM offset of the special-attack-name routine for an FF3us version byte;
// 0 when no position is known for that version.
uint32_t AttackNameRoutineOffset(uint8_t version);

// Sets the dialogue, map-graphics, battle-script location and special
// attack name detections (and the name place and length). Needs the
// map-graphics pointers loaded. Does nothing for an unknown release.
void DetectPatches(ImageFile& f, RomData& rd);

// MD5 of a block as 32 lower-case hexadecimal digits.
std::string Md5Hex(const std::vector<uint8_t>& bytes);
// True when the block's MD5 equals the reference digest (any letter case).
bool DigestMatches(const std::vector<uint8_t>& bytes, const std::string& reference);

// The text of the main view.
std::string BuildStatusReport(const RomData& rd);
// The enabling rules of the main view's two buttons.
bool CanExpand(const RomData& rd);
bool CanManageExpanded(const RomData& rd);

} // namespace quorvex
