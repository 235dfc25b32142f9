#include "controls/Targeting.h"

namespace quorvex {

const char* const kTargetingBitLabels[8] = {
    "Cursor moveable", "One side only", "Auto sel. both parties", "Auto sel. one party",
    "Auto confirm",    "Manual party select", "Cursor starts on enemy", "Randomize selection",
};

const char* TargetingSummary(uint8_t targeting)
{
    if (targeting & 0x04)
        return "everyone";
    if (targeting & 0x80)
        return "random";
    const bool party = (targeting & 0x08) != 0;
    if (targeting & 0x40)
        return party ? "enemies" : "enemy";
    return party ? "allies" : "ally";
}

} // namespace quorvex
