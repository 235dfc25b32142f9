#include "editors/ActorRules.h"

#include <algorithm>

#include "editors/ActorTables.h"

namespace quorvex {

const char* const kLevelFactorLabels[4] = {"add 0 on average", "add 2 on average", "add 5 on average",
                                           "subtract 3 on average"};

const char* const kActorFlagLabels[4] = {"Can't re-equip during combat", "Byte 0x15, bit 5", "Byte 0x15, bit 6",
                                         "Byte 0x15, bit 7"};

const char* const kActorStatLabels[11] = {"Extra HP",    "Extra MP", "Vigor",     "Speed",  "Stamina",  "Magic pow.",
                                          "Battle pow.", "Defense",  "Mag. def.", "Evade %", "Mag. bl. %"};
const char* const kActorStatKeys[11] = {"extra_hp",     "extra_mp", "vigor",         "speed", "stamina",    "magic_power",
                                        "battle_power", "defense",  "magic_defense", "evade", "magic_block"};

int ClampTechniqueStart(int start) { return std::clamp(start, 0, 256 - kTechniques); }
int ClampLoreStart(int start) { return std::clamp(start, 0, 256 - kLores); }

} // namespace quorvex
